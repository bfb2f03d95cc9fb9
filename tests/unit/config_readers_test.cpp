#include "launcher/config_readers.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_platform.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

class ConfigReaders : public ::testing::Test {
protected:
    void SetUp() override { resetLauncherForTest(); }

    // Runs the reader and returns the fatal text it ended with, or "" when it returned.
    template <typename F>
    std::u16string fatalTextOf(F&& read) {
        int code = exitCodeOf(read);
        if (code == -1) return u"";
        EXPECT_EQ(code, 1);
        return fakePlatform().shownErrors.empty() ? u"?" : fakePlatform().shownErrors.back();
    }
};

TEST_F(ConfigReaders, IntegersAreLittleEndianTwosComplement) {
    MemoryByteSource source(bytes({0xD5, 0x13, 0xE4, 0xE8, 0xFE, 0xFF, 1, 0, 0, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(static_cast<uint32_t>(readInt(source)), 0xE8E413D5u);
    EXPECT_EQ(readShort(source), -2);
    EXPECT_EQ(readLong(source), static_cast<int64_t>(0x8000000000000001ull));
}

TEST_F(ConfigReaders, ShortReadsEndWithTheReadersFatalText) {
    MemoryByteSource three(bytes({1, 2, 3}));
    EXPECT_EQ(fatalTextOf([&] { readInt(three); }), u"Internal Error: readInt");
    MemoryByteSource seven(std::string(7, 'x'));
    EXPECT_EQ(fatalTextOf([&] { readLong(seven); }), u"Internal Error: readLong");
    MemoryByteSource one(std::string(1, 'x'));
    EXPECT_EQ(fatalTextOf([&] { readShort(one); }), u"Internal Error: readShort");
}

TEST_F(ConfigReaders, StringsCarryTheirByteCount) {
    MemoryByteSource source(bytes({3, 0, 0, 0, 'a', 'b', 'c', 4, 0, 0, 0, 'h', 0, 0xFC, 0, 0, 0, 0, 0}));
    EXPECT_EQ(readString(source), "abc");
    EXPECT_EQ(readWString(source), u"h\u00FC");
    EXPECT_EQ(readString(source), "");
    // An odd wide count drops the last byte.
    MemoryByteSource odd(bytes({3, 0, 0, 0, 'x', 0, 'y'}));
    EXPECT_EQ(readWString(odd), u"x");
    EXPECT_EQ(odd.position(), 7u);
}

TEST_F(ConfigReaders, CountsPastTheEndOrNegativeAreShortReadsWithoutAllocation) {
    // A count near 2 GiB must not be allocated: the data cannot hold it.
    MemoryByteSource huge(bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a'}));
    EXPECT_EQ(fatalTextOf([&] { readString(huge); }), u"Internal Error: readString");
    MemoryByteSource negative(bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(fatalTextOf([&] { readWString(negative); }), u"Internal Error: readWString");
    MemoryByteSource cut(bytes({5, 0, 0, 0, 'a', 'b'}));
    EXPECT_EQ(fatalTextOf([&] { readString(cut); }), u"Internal Error: readString");
    MemoryByteSource noCount(bytes({5, 0}));
    EXPECT_EQ(fatalTextOf([&] { readWString(noCount); }), u"Internal Error: readWString");
}

class FailingSink : public ByteSink {
public:
    bool write(const void*, uint32_t, uint32_t& written, uint32_t& error) override {
        written = 0;
        error = 112;
        return false;
    }
};

// Accepts at most 100 bytes per call, as a pipe or a full disk may.
class TricklingSink : public MemoryByteSink {
public:
    bool write(const void* buffer, uint32_t n, uint32_t& written, uint32_t& error) override {
        return MemoryByteSink::write(buffer, n < 100 ? n : 100, written, error);
    }
};

TEST_F(ConfigReaders, CopyBytesUnscramblesAcrossChunks) {
    std::string plain(13001, '\0');
    for (size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<char>(i * 7);
    std::string stored = plain;
    for (char& c : stored) c = static_cast<char>(c ^ 0xA7);
    MemoryByteSource source(stored + "tail");
    TricklingSink sink;
    EXPECT_EQ(copyBytes(source, sink, static_cast<int64_t>(plain.size()), true), copyOk);
    EXPECT_EQ(sink.bytes(), plain);
    EXPECT_EQ(source.position(), plain.size());
}

TEST_F(ConfigReaders, CopyBytesReportsReadAndWriteFailures) {
    MemoryByteSource none("");
    MemoryByteSink sink;
    EXPECT_EQ(copyBytes(none, sink, 0, false), copyOk);
    EXPECT_EQ(copyBytes(none, sink, -5, false), copyOk);

    MemoryByteSource shortSource(std::string(7000, 'a'));
    EXPECT_EQ(copyBytes(shortSource, sink, 8000, false), copyReadFailed);
    EXPECT_EQ(sink.bytes().size(), 7000u);

    MemoryByteSource source(std::string(10, 'a'));
    FailingSink failing;
    EXPECT_EQ(copyBytes(source, failing, 10, false), copyWriteFailed);
}

}  // namespace
