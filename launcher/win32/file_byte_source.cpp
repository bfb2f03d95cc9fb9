#include "launcher/win32/file_byte_source.h"

#include "environment/launcher_path.h"
#include "launcher/errors.h"
#include "launcher/log.h"
#include "launcher/win32/wide.h"

FileByteSource::FileByteSource(HANDLE file) : file_(file) {
    LARGE_INTEGER size;
    if (GetFileSizeEx(file_, &size)) size_ = static_cast<uint64_t>(size.QuadPart);
}

bool FileByteSource::read(void* buffer, uint32_t n, uint32_t& bytesRead, uint32_t& systemError) {
    DWORD got = 0;
    bytesRead = 0;
    systemError = 0;
    if (seekFailed_) {
        systemError = ERROR_NEGATIVE_SEEK;
        return false;
    }
    if (!ReadFile(file_, buffer, n, &got, nullptr)) {
        systemError = GetLastError();
        return false;
    }
    bytesRead = got;
    position_ += got;
    return true;
}

bool FileByteSource::seek(uint64_t position) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(position);
    seekFailed_ = to.QuadPart < 0 || !SetFilePointerEx(file_, to, nullptr, FILE_BEGIN);
    if (!seekFailed_) position_ = position;
    return !seekFailed_;
}

bool FileByteSink::write(const void* buffer, uint32_t n, uint32_t& bytesWritten, uint32_t& systemError) {
    DWORD written = 0;
    systemError = 0;
    bool ok = WriteFile(file_, buffer, n, &written, nullptr);
    if (!ok) systemError = GetLastError();
    bytesWritten = written;
    return ok;
}

HANDLE openLauncherFile() {
    HANDLE file = CreateFileW(wide(launcherPathWide()), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        logError(u"Could not open %p %d %s", static_cast<void*>(file), static_cast<int>(GetLastError()),
                 launcherPathWide().c_str());
        fatalErrorText(u"Error opening media file.");
    }
    return file;
}
