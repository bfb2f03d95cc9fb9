// ByteSource and ByteSink over Windows file handles.
#pragma once

#include <windows.h>

#include "launcher/byte_source.h"

class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(HANDLE file);
    bool read(void* buffer, uint32_t n, uint32_t& bytesRead, uint32_t& systemError) override;
    bool seek(uint64_t position) override;
    uint64_t position() const override { return position_; }
    uint64_t size() const override { return size_; }

private:
    HANDLE file_;
    uint64_t position_ = 0;
    uint64_t size_ = 0;
    bool seekFailed_ = false;
};

class FileByteSink : public ByteSink {
public:
    explicit FileByteSink(HANDLE file) : file_(file) {}
    bool write(const void* buffer, uint32_t n, uint32_t& bytesWritten, uint32_t& systemError) override;

private:
    HANDLE file_;
};

// Opens the launcher's own file for reading, sharing reads and writes; a
// file that cannot be opened ends the process ("Error opening media file.").
HANDLE openLauncherFile();
