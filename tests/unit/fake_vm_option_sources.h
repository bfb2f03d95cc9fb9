// The system of the VM option list in memory. The launcher is
// C:\app\tool.exe; files are found by their lower-cased paths.
#pragma once

#include <map>
#include <set>

#include "environment/launcher_path.h"
#include "environment/path_rules.h"
#include "jvmlaunch/variable_expansion.h"
#include "jvmlaunch/vm_option_sources.h"
#include "launcher/text.h"

using Options = std::vector<std::string>;

class FakeVmOptionSources : public VmOptionSources {
public:
    std::map<std::u16string, std::string> files;
    std::set<std::string> existing;
    std::map<std::string, Options> listings;  // by pattern
    std::map<std::string, std::string> environment;
    std::string tempDir;

    std::optional<std::string> readTextFile(const std::u16string& path) override {
        auto it = files.find(fileIdentity(path));
        return it == files.end() ? std::nullopt : std::optional(it->second);
    }
    std::u16string launcherPath() override { return u"C:\\app\\tool.exe"; }
    std::u16string moduleFileName() override { return u"C:\\mod\\tool.exe"; }
    std::u16string resolveInclude(const std::u16string& name, const std::u16string* includingFile) override {
        return isRelativePath(name) ? (includingFile ? directoryPart(*includingFile) : u"C:\\app\\") + name : name;
    }
    std::u16string fileIdentity(const std::u16string& path) override {
        std::u16string identity = path;
        lowerAsciiLetters(identity);
        return identity;
    }
    void expandVariables(std::u16string& text, bool) override {
        std::string narrow(text.begin(), text.end());  // the tests' texts are ASCII
        expandVariablesNarrow(narrow);
        text = widenBytes(narrow);
    }
    void expandVariablesNarrow(std::string& text) override {
        if (!mayHoldKey(text)) return;  // as the launcher does
        std::vector<std::string> entries;
        for (const auto& [name, value] : environment) entries.push_back(name + "=" + value);
        expandWithValues(text, {"C:\\app\\", tempDir, "C:\\jre", "C:\\tmp\\"}, entries);
    }
    std::string toAnsi(std::u16string_view text) override { return std::string(text.begin(), text.end()); }
    std::string resolvePath(const std::string& path) override {
        return isRelativePath(path) ? "C:\\app\\" + path : path;
    }
    std::string fullPath(const std::string& path) override { return resolvePath(path); }
    bool pathExists(const std::string& path) override { return existing.count(path) > 0; }
    Options findFiles(const std::string& pattern) override { return listings[pattern]; }
    std::optional<std::string> environmentVariable(const std::string& name) override {
        auto it = environment.find(name);
        return it == environment.end() ? std::nullopt : std::optional(it->second);
    }
    std::string launcherTempDir() override { return tempDir; }
};
