#include "launcher/byte_source.h"

#include <cstring>

bool MemoryByteSource::read(void* buffer, uint32_t n, uint32_t& bytesRead, uint32_t& systemError) {
    systemError = 0;
    uint64_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    bytesRead = static_cast<uint32_t>(n < available ? n : available);
    if (bytesRead) std::memcpy(buffer, bytes_.data() + position_, bytesRead);
    position_ += bytesRead;
    return true;
}

bool MemoryByteSource::seek(uint64_t position) {
    position_ = position;
    return true;
}

bool MemoryByteSink::write(const void* buffer, uint32_t n, uint32_t& bytesWritten, uint32_t& systemError) {
    systemError = 0;
    bytes_.append(static_cast<const char*>(buffer), n);
    bytesWritten = n;
    return true;
}
