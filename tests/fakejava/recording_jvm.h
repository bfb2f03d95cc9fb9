// The recording VM of the test runtimes' jvm.dll: JNI_CreateJavaVM gives a
// JavaVM and a JNIEnv that write every call to jvm.log beside the dll and
// take their behaviour from fakejvm.cfg there. What a static
// main(String[]) does is up to the variant linked with it: the recording VM
// plays the configured ending, the bridge VM runs a real Java runtime.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The creation options in order and the System.setProperty calls before main.
struct VmRecord {
    std::vector<std::string> options;
    std::vector<std::pair<std::string, std::string>> properties;
};
const VmRecord& vmRecord();

// The dll's directory, ending in "\".
const std::wstring& vmDirectory();

// The first value of key in fakejvm.cfg, or fallback.
std::string vmSetting(const std::string& key, const std::string& fallback);
void record(const std::string& line);  // to jvm.log

// Com.tessel.Controller.startupPerformed was called with this text (none: null).
void startupPerformed(const std::optional<std::string>& commandLine);

// Runs a static main(String[]) of className ("a/b/C") with the texts of its
// argument array. Returns the toString text of an exception that main
// leaves pending, or "" when it returns normally; may end the process.
std::string runStaticMain(const std::string& className, const std::vector<std::string>& arguments);
