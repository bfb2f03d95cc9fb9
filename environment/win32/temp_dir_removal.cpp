// Removing the launcher's temporary directory through handles: each entry
// is opened without following links and without letting others delete or
// rename it, judged by what the handle shows, and deleted through it.
#include <windows.h>

#include <memory>
#include <vector>

#include "environment/launcher_path.h"
#include "environment/path_tree.h"
#include "environment/temp_dir.h"
#include "launcher/win32/handle.h"
#include "launcher/win32/wide.h"

namespace {

class WindowsNode : public TreeNode {
public:
    WindowsNode(Handle handle, DWORD attributes) : handle_(std::move(handle)), attributes_(attributes) {}

    bool isDirectory() const override { return attributes_ & FILE_ATTRIBUTE_DIRECTORY; }
    bool isLink() const override { return attributes_ & FILE_ATTRIBUTE_REPARSE_POINT; }

    std::vector<std::u16string> list() override {
        std::vector<std::u16string> names;
        std::vector<DWORD> buffer(16384);  // DWORD-aligned, as the entries must be
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(DWORD));
        while (GetFileInformationByHandleEx(handle_.get(), FileFullDirectoryInfo, buffer.data(), bytes)) {
            auto* entry = reinterpret_cast<FILE_FULL_DIR_INFO*>(buffer.data());
            for (;;) {
                std::u16string name(utf16(entry->FileName), entry->FileNameLength / sizeof(wchar_t));
                if (name != u"." && name != u"..") names.push_back(name);
                if (entry->NextEntryOffset == 0) break;
                entry = reinterpret_cast<FILE_FULL_DIR_INFO*>(reinterpret_cast<BYTE*>(entry) + entry->NextEntryOffset);
            }
        }
        return names;
    }

    void remove() override {
        FILE_DISPOSITION_INFO disposition = {TRUE};
        SetFileInformationByHandle(handle_.get(), FileDispositionInfo, &disposition, sizeof disposition);
    }

private:
    Handle handle_;
    DWORD attributes_;
};

class WindowsTree : public TreeFileSystem {
public:
    std::unique_ptr<TreeNode> open(const std::u16string& path) override {
        // No FILE_SHARE_DELETE: while it is open, nobody can swap it for something else.
        Handle handle(CreateFileW(wide(path), DELETE | FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        BY_HANDLE_FILE_INFORMATION information;
        if (!handle || !GetFileInformationByHandle(handle.get(), &information)) return nullptr;
        // Wine shows its links only to queries by path; with the handle open
        // the path still names the same entry, so asking both is safe.
        DWORD byPath = GetFileAttributesW(wide(path));
        DWORD link = byPath == INVALID_FILE_ATTRIBUTES ? 0 : byPath & FILE_ATTRIBUTE_REPARSE_POINT;
        return std::make_unique<WindowsNode>(std::move(handle), information.dwFileAttributes | link);
    }
};

}  // namespace

void removeLauncherTempDir() {
    std::optional<std::u16string> directory = fromAnsi(launcherTempDir());
    if (!directory) return;
    WindowsTree fileSystem;
    removeTreeIn(fileSystem, *directory);
}
