// Everything the VM option list asks of the system: options files, paths,
// directory listings, environment variables and the code-page conversion.
// The Win32 shell answers with the file system and the process; the unit
// tests replace it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class VmOptionSources {
public:
    virtual ~VmOptionSources() = default;

    // The whole file as read in text mode, or none when it cannot be opened.
    virtual std::optional<std::string> readTextFile(const std::u16string& path) = 0;
    // The launcher's UTF-16 path, and the module file name the system reports.
    virtual std::u16string launcherPath() = 0;
    virtual std::u16string moduleFileName() = 0;
    // The name when absolute; else against the directory of includingFile
    // (when given) or the UTF-16 launcher directory.
    virtual std::u16string resolveInclude(const std::u16string& name, const std::u16string* includingFile) = 0;
    // One spelling per file (full and lower-cased), to recognise a file met again.
    virtual std::u16string fileIdentity(const std::u16string& path) = 0;
    virtual void expandVariables(std::u16string& text, bool ansiSafe) = 0;
    virtual void expandVariablesNarrow(std::string& text) = 0;
    // To the code page of the file functions; "?" for what it cannot hold.
    virtual std::string toAnsi(std::u16string_view text) = 0;

    // The path when absolute, else against the ANSI launcher directory.
    virtual std::string resolvePath(const std::string& path) = 0;
    // Absolute, case kept.
    virtual std::string fullPath(const std::string& path) = 0;
    virtual bool pathExists(const std::string& path) = 0;
    // The names of the files that match a pattern such as "C:\lib\*.jar", in the system's order.
    virtual std::vector<std::string> findFiles(const std::string& pattern) = 0;
    // None when the variable does not exist; an existing one may be empty.
    virtual std::optional<std::string> environmentVariable(const std::string& name) = 0;
    // Empty when the launcher has no temporary directory.
    virtual std::string launcherTempDir() = 0;
};
