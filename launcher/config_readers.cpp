#include "launcher/config_readers.h"

#include <cstring>
#include <vector>

#include "launcher/errors.h"
#include "launcher/log.h"

namespace {

// Reads exactly n bytes; false on a failed or short read.
bool readExactly(ByteSource& source, void* buffer, uint32_t n, uint32_t& bytesRead, uint32_t& systemError) {
    bytesRead = 0;
    systemError = 0;
    return source.read(buffer, n, bytesRead, systemError) && bytesRead == n;
}

uint32_t littleEndian(const unsigned char* b, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | b[i];
    return value;
}

// The byte count of a string field, checked against what is left to read.
uint32_t readStringLength(ByteSource& source, const char16_t* fatalText) {
    unsigned char b[4];
    uint32_t got, error;
    if (!readExactly(source, b, 4, got, error)) fatalErrorText(fatalText);
    int32_t n = static_cast<int32_t>(littleEndian(b, 4));
    uint64_t left = source.size() > source.position() ? source.size() - source.position() : 0;
    if (n < 0 || static_cast<uint64_t>(n) > left) fatalErrorText(fatalText);
    return static_cast<uint32_t>(n);
}

// Eight bytes at a time: a byte loop is most of the extraction's time.
void unscramble(unsigned char* bytes, uint32_t n) {
    constexpr uint64_t wideMask = 0x0101010101010101ull * scrambleMask;
    uint32_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        word ^= wideMask;
        std::memcpy(bytes + i, &word, 8);
    }
    for (; i < n; ++i) bytes[i] ^= scrambleMask;
}

}  // namespace

int32_t readInt(ByteSource& source) {
    unsigned char b[4];
    uint32_t got, error;
    if (!readExactly(source, b, 4, got, error)) {
        logLine(u"error %d %d\n", static_cast<int>(error), static_cast<int>(got));
        fatalErrorText(u"Internal Error: readInt");
    }
    return static_cast<int32_t>(littleEndian(b, 4));
}

int64_t readLong(ByteSource& source) {
    unsigned char b[8];
    uint32_t got, error;
    if (!readExactly(source, b, 8, got, error)) {
        logLine(u"error %d\n", static_cast<int>(error));
        fatalErrorText(u"Internal Error: readLong");
    }
    uint64_t value = (static_cast<uint64_t>(littleEndian(b + 4, 4)) << 32) | littleEndian(b, 4);
    return static_cast<int64_t>(value);
}

int16_t readShort(ByteSource& source) {
    unsigned char b[2];
    uint32_t got, error;
    if (!readExactly(source, b, 2, got, error)) {
        logLine(u"error %d\n", static_cast<int>(error));
        fatalErrorText(u"Internal Error: readShort");
    }
    return static_cast<int16_t>(littleEndian(b, 2));
}

std::string readString(ByteSource& source) {
    const char16_t* fatalText = u"Internal Error: readString";
    uint32_t n = readStringLength(source, fatalText);
    std::string text(n, '\0');
    uint32_t got, error;
    if (n && !readExactly(source, text.data(), n, got, error)) fatalErrorText(fatalText);
    return text;
}

std::u16string readWString(ByteSource& source) {
    const char16_t* fatalText = u"Internal Error: readWString";
    uint32_t n = readStringLength(source, fatalText);
    std::string bytes(n, '\0');
    uint32_t got, error;
    if (n && !readExactly(source, bytes.data(), n, got, error)) fatalErrorText(fatalText);
    // An odd count has its last byte read and dropped.
    std::u16string text(n / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(littleEndian(reinterpret_cast<const unsigned char*>(bytes.data()) + 2 * i, 2));
    return text;
}

int copyBytes(ByteSource& from, ByteSink& to, int64_t count, bool scramble) {
    constexpr uint32_t chunk = 1 << 20;
    std::vector<unsigned char> storage(count < chunk ? static_cast<size_t>(count > 0 ? count : 0) : chunk);
    unsigned char* buffer = storage.data();
    int64_t copied = 0;
    while (copied < count) {
        int64_t left = count - copied;
        uint32_t want = left < chunk ? static_cast<uint32_t>(left) : chunk;
        uint32_t got = 0, error = 0;
        if (!from.read(buffer, want, got, error) || got == 0) {
            logError(u"ReadFile failed %d %d %I64d", static_cast<int>(got), static_cast<int>(error),
                     static_cast<long long>(copied));
            return copyReadFailed;
        }
        if (scramble) unscramble(buffer, got);
        uint32_t done = 0;
        while (done < got) {
            uint32_t written = 0;
            if (!to.write(buffer + done, got - done, written, error) || written == 0) {
                logError(u"WriteFile failed %d %d", static_cast<int>(got - done), static_cast<int>(error));
                return copyWriteFailed;
            }
            done += written;
        }
        copied += got;
    }
    return copyOk;
}
