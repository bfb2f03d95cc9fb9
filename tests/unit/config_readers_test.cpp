#include "launcher/config_readers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/fake_platform.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

TEST(ConfigReaders, AnOddWideCountDropsTheLastByte) {
    MemoryByteSource odd(bytes({3, 0, 0, 0, 'x', 0, 'y'}));
    EXPECT_EQ(readWString(odd), u"x");
    EXPECT_EQ(odd.position(), 7u);
}

TEST(ConfigReaders, ShortReadsAndImpossibleCountsEndWithTheReadersFatalTextWithoutAllocation) {
    struct {
        std::string bytes;
        void (*read)(ByteSource&);
        std::u16string reader;
    } cases[] = {
        {bytes({1, 2, 3}), [](ByteSource& s) { readInt(s); }, u"readInt"},
        {std::string(7, 'x'), [](ByteSource& s) { readLong(s); }, u"readLong"},
        {"x", [](ByteSource& s) { readShort(s); }, u"readShort"},
        {bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a'}), [](ByteSource& s) { readString(s); }, u"readString"},  // near 2 GiB
        {bytes({0xFF, 0xFF, 0xFF, 0xFF}), [](ByteSource& s) { readWString(s); }, u"readWString"},     // negative
        {bytes({5, 0, 0, 0, 'a', 'b'}), [](ByteSource& s) { readString(s); }, u"readString"},
        {bytes({5, 0}), [](ByteSource& s) { readWString(s); }, u"readWString"},
    };
    struct Source : MemoryByteSource {  // a count beyond the data must not even be asked for
        using MemoryByteSource::MemoryByteSource;
        uint32_t largest = 0;
        bool read(void* b, uint32_t n, uint32_t& got, uint32_t& e) override {
            largest = std::max(largest, n);
            return MemoryByteSource::read(b, n, got, e);
        }
    };
    for (const auto& c : cases) {
        Source source(c.bytes);
        ASSERT_EQ(exitCodeOf([&] { c.read(source); }), 1) << c.bytes.size();
        EXPECT_EQ(fakePlatform().shownErrors.back(), u"Internal Error: " + c.reader);
        EXPECT_LE(source.largest, 8u) << c.bytes.size();
    }
}

// Accepts at most 100 bytes per call, as a pipe or a full disk may; fails
// when told to.
class TricklingSink : public MemoryByteSink {
public:
    bool fails = false;
    bool write(const void* buffer, uint32_t n, uint32_t& written, uint32_t& error) override {
        written = 0;
        error = 112;  // disk full
        return !fails && MemoryByteSink::write(buffer, n < 100 ? n : 100, written, error);
    }
};

TEST(ConfigReaders, CopyBytesUnscramblesAcrossChunksAndReportsFailures) {
    std::string plain((2 << 20) + 13, '\0');  // two whole chunks and an odd rest
    for (size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<char>(i * 7);
    std::string stored = plain;
    for (char& c : stored) c = static_cast<char>(c ^ 0xA7);
    MemoryByteSource source(stored + "tail");
    TricklingSink sink;
    EXPECT_EQ(copyBytes(source, sink, static_cast<int64_t>(plain.size()), true), copyOk);
    EXPECT_EQ(sink.bytes(), plain);
    EXPECT_EQ(source.position(), plain.size());

    MemoryByteSource shortSource(std::string(7000, 'a'));
    MemoryByteSink received;
    EXPECT_EQ(copyBytes(shortSource, received, 8000, false), copyReadFailed);
    EXPECT_EQ(received.bytes().size(), 7000u);
    MemoryByteSource ten(std::string(10, 'a'));
    sink.fails = true;
    EXPECT_EQ(copyBytes(ten, sink, 10, false), copyWriteFailed);
}

}  // namespace
