// The byte streams that the configuration readers work on: the launcher's
// own file on Windows, memory in tests and in the block writer.
#pragma once

#include <cstdint>
#include <string>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to n bytes; at the end of the data fewer are delivered.
    // On failure returns false with the system error code.
    virtual bool read(void* buffer, uint32_t n, uint32_t& bytesRead, uint32_t& systemError) = 0;
    virtual bool seek(uint64_t position) = 0;
    virtual uint64_t position() const = 0;
    virtual uint64_t size() const = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool write(const void* buffer, uint32_t n, uint32_t& bytesWritten, uint32_t& systemError) = 0;
};

class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::string bytes) : bytes_(std::move(bytes)) {}
    bool read(void* buffer, uint32_t n, uint32_t& bytesRead, uint32_t& systemError) override;
    bool seek(uint64_t position) override;
    uint64_t position() const override { return position_; }
    uint64_t size() const override { return bytes_.size(); }

private:
    std::string bytes_;
    uint64_t position_ = 0;
};

class MemoryByteSink : public ByteSink {
public:
    bool write(const void* buffer, uint32_t n, uint32_t& bytesWritten, uint32_t& systemError) override;
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};
