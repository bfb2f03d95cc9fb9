#include "environment/path_rules.h"

#include "environment/launcher_path.h"

namespace {

template <typename Char>
bool isRelative(std::basic_string_view<Char> path) {
    if (path.size() < 3) return true;
    if (path[0] == Char('"')) {
        if (path.size() < 4) return true;
        path.remove_prefix(1);
    }
    if (path[1] == Char(':') && path[2] == Char('\\')) return false;
    return !(path[0] == Char('\\') && path[1] == Char('\\'));
}

template <typename String>
String directoryOf(const String& path) {
    size_t slash = path.rfind(typename String::value_type('\\'));
    return slash == String::npos ? String() : path.substr(0, slash + 1);
}

template <typename String>
String joined(const String& directory, const String& name) {
    using Char = typename String::value_type;
    if (!directory.empty() && directory.back() == Char('\\')) return directory + name;
    return directory + Char('\\') + name;
}

}  // namespace

bool isRelativePath(std::string_view path) { return isRelative(path); }
bool isRelativePath(std::u16string_view path) { return isRelative(path); }

bool isExeName(std::string_view path) {
    if (path.size() <= 4) return false;
    std::string_view tail = path.substr(path.size() - 4);
    const char* exe = ".exe";
    for (size_t i = 0; i < 4; ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != exe[i]) return false;
    }
    return true;
}

void collapseBackslashes(std::u16string& path) {
    if (path.empty()) return;
    size_t kept = 1;
    for (size_t i = 1; i < path.size(); ++i) {
        // The first character never counts, so a leading "\\" survives.
        if (path[i] == u'\\' && kept > 1 && path[kept - 1] == u'\\') continue;
        path[kept++] = path[i];
    }
    path.resize(kept);
}

bool isDriveRootText(std::u16string_view path) {
    if (path.size() < 2) return false;
    std::u16string_view rest = path.substr(1);
    return rest == u":\\" || rest == u":\\." || rest == u":\\.\\.";
}

void lowerAsciiLetters(std::u16string& text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
}

std::string directoryPart(const std::string& path) { return directoryOf(path); }
std::u16string directoryPart(const std::u16string& path) { return directoryOf(path); }

std::string joinPath(const std::string& directory, const std::string& name) { return joined(directory, name); }
std::u16string joinPath(const std::u16string& directory, const std::u16string& name) {
    return joined(directory, name);
}

std::optional<std::string> shortPathFromShellOutput(const std::string& output, unsigned long exitCode) {
    if (exitCode != 0 || output.size() <= 5) return std::nullopt;
    size_t end = output.find_first_of("\r\n");
    // Without a line end the output may have been cut; an empty line names nothing.
    if (end == std::string::npos || end == 0) return std::nullopt;
    return output.substr(0, end);
}
