#include "launcher/config_loader.h"

#include "launcher/config_readers.h"
#include "launcher/config_store.h"
#include "launcher/errors.h"
#include "launcher/launcher_state.h"
#include "launcher/log.h"
#include "launcher/message_table.h"

namespace {

uint64_t recordedExtractionPosition = 0;

void seekTo(ByteSource& source, int64_t position) {
    // A negative position makes the next read fail like a short one.
    source.seek(static_cast<uint64_t>(position));
}

void readLocaleBlocks(ByteSource& source, const std::string& locale) {
    int32_t blocks = readInt(source);
    for (int32_t b = 0; b < blocks; ++b) {
        std::string prefix = readString(source);
        bool matches = localePrefixMatches(prefix, locale);
        int32_t entries = readInt(source);
        for (int32_t e = 0; e < entries; ++e) {
            int32_t id = readInt(source);
            std::u16string text = readWString(source);
            if (matches) messageTable().set(id, std::move(text));
        }
    }
}

}  // namespace

void locateConfigurationBlock(ByteSource& source) {
    seekTo(source, 60);
    int64_t peOffset = readInt(source);
    seekTo(source, peOffset + 6);
    int64_t sections = readShort(source);
    logLine(u"number of sections: %d", static_cast<int>(sections));
    seekTo(source, peOffset + 20);
    int64_t optionalHeaderSize = readShort(source);
    logLine(u"size of optional headers: %d", static_cast<int>(optionalHeaderSize));
    int64_t rawSizeField = peOffset + optionalHeaderSize + 40 * sections;
    logLine(u"resSectionTableStart: %d", static_cast<int>(rawSizeField - 16));
    seekTo(source, rawSizeField);
    int64_t rawDataSize = readInt(source);
    int64_t rawDataOffset = readInt(source);
    logLine(u"rawDataSize: %d, rawDataOffset: %d", static_cast<int>(rawDataSize), static_cast<int>(rawDataOffset));
    seekTo(source, rawDataSize + rawDataOffset);
}

bool localePrefixMatches(std::string_view prefix, std::string_view locale) {
    prefix = prefix.substr(0, prefix.find('\0'));
    return locale.substr(0, prefix.size()) == prefix;
}

int loadConfigurationFrom(ByteSource& source, const std::function<std::string()>& detectLocale) {
    if (static_cast<uint32_t>(readInt(source)) != configBlockMagic) fatalErrorText(u"Internal Error: magic");
    readInt(source);
    readInt(source);
    readLong(source);

    int32_t settings = readInt(source);
    for (int32_t i = 0; i < settings; ++i) {
        int32_t id = readInt(source);
        configStore().set(id, readString(source));
    }
    int32_t messages = readInt(source);
    for (int32_t i = 0; i < messages; ++i) {
        int32_t id = readInt(source);
        messageTable().set(id, readWString(source));
    }
    readLocaleBlocks(source, detectLocale());
    recordedExtractionPosition = source.position();

    int executableType = getConfigInt(settingExecutableType);
    if (executableType != 1 && executableType != 5) enterQuietMode();
    return executableType;
}

uint64_t extractionPosition() { return recordedExtractionPosition; }
