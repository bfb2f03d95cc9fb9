// The primitive readers of the launcher configuration block and of the
// included-files stream. A short read logs (where noted) and ends the
// process with the reader's fatal text; it never returns a partial value.
#pragma once

#include <cstdint>
#include <string>

#include "launcher/byte_source.h"
#include "launcher/config_block_format.h"

int32_t readInt(ByteSource& source);
int64_t readLong(ByteSource& source);
int16_t readShort(ByteSource& source);
// string8 and string16: a 32-bit byte count, then the bytes. A count that is
// negative or runs past the end of the data is a short read: nothing is
// allocated for it.
std::string readString(ByteSource& source);
std::u16string readWString(ByteSource& source);

enum CopyResult { copyOk = 0, copyReadFailed = 1, copyWriteFailed = 2 };

// Copies count bytes in chunks of up to 1 MiB (small chunks made extraction
// several times slower than a file copy), XOR-ing each byte with scrambleMask
// when scramble is set.
int copyBytes(ByteSource& from, ByteSink& to, int64_t count, bool scramble);

