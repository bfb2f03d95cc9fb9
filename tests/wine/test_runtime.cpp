#include "tests/wine/test_runtime.h"

#include <cstdlib>

#include "launcher/log.h"
#include "launcher/win32/win32_platform.h"
#include "tests/wine/launcher_sandbox.h"

namespace {

void createDirectories(const std::wstring& path) {
    for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
}

void writeText(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void copyProgram(const std::wstring& name, const std::wstring& target) {
    CopyFileW(fakeJavaProgram(name).c_str(), target.c_str(), FALSE);
}

void placeVm(const std::wstring& directory, FakeJvm jvm) {
    createDirectories(directory);
    const wchar_t* source = jvm == FakeJvm::working         ? L"jvm.dll"
                            : jvm == FakeJvm::withoutExport ? L"jvm_noexport.dll"
                            : jvm == FakeJvm::bridge        ? L"bridge_jvm.dll"
                                                            : L"other\\jvm.dll";
    copyProgram(source, directory + L"\\jvm.dll");
}

std::string vmConfig(const FakeVmBehaviour& behaviour) {
    std::string config = behaviour.creationFails ? "create=fail\r\n" : "";
    for (const std::string& name : behaviour.missingClasses) config += "missingClass=" + name + "\r\n";
    for (const std::string& name : behaviour.missingMethods) config += "missingMethod=" + name + "\r\n";
    if (!behaviour.mainThrows.empty()) config += "mainThrows=" + behaviour.mainThrows + "\r\n";
    if (behaviour.mainExitCode) config += "mainExits=" + std::to_string(*behaviour.mainExitCode) + "\r\n";
    if (!behaviour.bridgeJava.empty()) config += "java=" + behaviour.bridgeJava + "\r\n";
    return config;
}

std::vector<std::string> nonEmptyLines(const std::wstring& path) {
    std::vector<std::string> lines;
    for (const std::string& line : splitLines(readWholeFile(path)))
        if (!line.empty()) lines.push_back(line);
    return lines;
}

REGSAM viewFlag(RegistryView view) {
    switch (view) {
        case RegistryView::wow32:
            return KEY_WOW64_32KEY;
        case RegistryView::wow64:
            return KEY_WOW64_64KEY;
        default:
            return 0;
    }
}

}  // namespace

std::string fakeJavaVersionLine(const std::string& version) {
    if (version.compare(0, 2, "1.") == 0) return "java version \"" + version + "\"";
    return "openjdk version \"" + version + "\" 2019-01-15";
}

std::wstring fakeJavaBuildDirectory() { return windowsPathFromEnvironment(std::getenv("TESSEL_FAKE_JAVA")); }

std::wstring fakeJavaProgram(const std::wstring& name) { return fakeJavaBuildDirectory() + L"\\" + name; }

TestRuntime::TestRuntime(const std::wstring& home, const TestRuntimeSpec& spec) : home_(home), spec_(spec) {
    removeDirectoryTree(home_);
    for (const std::wstring& bin : executableDirectories()) {
        createDirectories(bin);
        copyProgram(spec_.otherArchitectureJava ? L"other\\java.exe" : L"java.exe", bin + L"\\java.exe");
        if (spec_.javaw) copyProgram(L"javaw.exe", bin + L"\\javaw.exe");
        if (spec_.unpack200) copyProgram(L"unpack200.exe", bin + L"\\unpack200.exe");
        writeBehaviour(bin, spec_.behaviour);
    }
    for (const auto& [directory, jvm] : vmDirectories()) placeVm(directory, jvm);
    if (spec_.jdk) {
        createDirectories(home_ + L"\\lib");
        writeText(home_ + L"\\lib\\tools.jar", "tools");
        createDirectories(home_ + L"\\jre\\lib");
        writeText(home_ + L"\\jre\\lib\\rt.jar", "rt");
    } else {
        createDirectories(home_ + L"\\lib");
        writeText(home_ + L"\\lib\\rt.jar", "rt");
    }
    setVmBehaviour(spec_.vmBehaviour);
}

std::wstring TestRuntime::runtimeBinDirectory() const {
    return spec_.jdk ? home_ + L"\\jre\\bin" : binDirectory();
}

std::vector<std::wstring> TestRuntime::executableDirectories() const {
    if (spec_.jdk) return {binDirectory(), runtimeBinDirectory()};
    return {binDirectory()};
}

void TestRuntime::writeBehaviour(const std::wstring& bin, const FakeJavaBehaviour& behaviour) const {
    const char* output = behaviour.output == FakeJavaOutput::versionLine ? "version"
                         : behaviour.output == FakeJavaOutput::garbage   ? "garbage"
                                                                         : "none";
    std::string line = behaviour.versionLine.empty() ? fakeJavaVersionLine(spec_.version) : behaviour.versionLine;
    writeText(bin + L"\\fakejava.cfg", "line=" + line + "\r\noutput=" + output +
                                           "\r\nexit=" + std::to_string(behaviour.exitCode) +
                                           "\r\nhang=" + std::to_string(behaviour.hangSeconds) +
                                           "\r\nbuild=" + spec_.version + "\r\n");
}

void TestRuntime::setBehaviour(const FakeJavaBehaviour& behaviour) {
    spec_.behaviour = behaviour;
    for (const std::wstring& bin : executableDirectories()) writeBehaviour(bin, behaviour);
}

void TestRuntime::touchExecutables(int secondsLater) {
    for (const std::wstring& bin : executableDirectories()) {
        for (const wchar_t* name : {L"\\java.exe", L"\\javaw.exe"}) {
            HANDLE file = CreateFileW((bin + name).c_str(), FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE) continue;
            FILETIME written;
            if (GetFileTime(file, nullptr, nullptr, &written)) {
                ULARGE_INTEGER time;
                time.LowPart = written.dwLowDateTime;
                time.HighPart = written.dwHighDateTime;
                time.QuadPart += static_cast<ULONGLONG>(secondsLater) * 10000000ULL;
                written.dwLowDateTime = time.LowPart;
                written.dwHighDateTime = time.HighPart;
                SetFileTime(file, nullptr, nullptr, &written);
            }
            CloseHandle(file);
        }
    }
}

std::vector<std::pair<std::wstring, FakeJvm>> TestRuntime::vmDirectories() const {
    std::vector<std::pair<std::wstring, FakeJvm>> directories;
    for (const VmDirectory& vm : spec_.vms)
        directories.emplace_back(runtimeBinDirectory() + L"\\" + widen(vm.name), vm.jvm);
    if (spec_.jdk)
        for (const VmDirectory& vm : spec_.jdkBinVms)
            directories.emplace_back(binDirectory() + L"\\" + widen(vm.name), vm.jvm);
    return directories;
}

void TestRuntime::setVmBehaviour(const FakeVmBehaviour& behaviour) {
    spec_.vmBehaviour = behaviour;
    for (const auto& vm : vmDirectories()) writeText(vm.first + L"\\fakejvm.cfg", vmConfig(behaviour));
}

int TestRuntime::javaStarts() const {
    size_t starts = 0;
    for (const std::wstring& bin : executableDirectories()) starts += nonEmptyLines(bin + L"\\starts.log").size();
    return static_cast<int>(starts);
}

void TestRuntime::clearStarts() {
    for (const std::wstring& bin : executableDirectories()) DeleteFileW((bin + L"\\starts.log").c_str());
}

std::vector<std::string> TestRuntime::unpackCommandLines() const {
    std::vector<std::string> lines;
    for (const std::wstring& bin : executableDirectories())
        for (const std::string& line : nonEmptyLines(bin + L"\\unpack200.log")) lines.push_back(line);
    return lines;
}

std::vector<std::string> TestRuntime::jvmTranscript(const std::wstring& vmDirectory) const {
    return nonEmptyLines(home_ + L"\\" + vmDirectory + L"\\jvm.log");
}

bool setRegistryString(HKEY hive, const std::wstring& key, const std::wstring& name, const std::wstring& value,
                       RegistryView view) {
    HKEY handle;
    if (RegCreateKeyExW(hive, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | viewFlag(view), nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(handle, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool createRegistryKey(HKEY hive, const std::wstring& key, RegistryView view) {
    HKEY handle;
    if (RegCreateKeyExW(hive, key.c_str(), 0, nullptr, 0, KEY_READ | viewFlag(view), nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool registryKeyExists(HKEY hive, const std::wstring& key, RegistryView view) {
    HKEY handle;
    if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_READ | viewFlag(view), &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::wstring readRegistryString(HKEY hive, const std::wstring& key, const std::wstring& name, RegistryView view,
                                bool* found) {
    if (found) *found = false;
    HKEY handle;
    if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_READ | viewFlag(view), &handle) != ERROR_SUCCESS) return {};
    DWORD type = 0, size = 0;
    const wchar_t* valueName = name.empty() ? nullptr : name.c_str();
    std::wstring value;
    if (RegQueryValueExW(handle, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(handle, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS) {
            buffer.resize(size / sizeof(wchar_t));
            while (!buffer.empty() && buffer.back() == L'\0') buffer.pop_back();
            value = buffer;
            if (found) *found = true;
        }
    }
    RegCloseKey(handle);
    return value;
}

void deleteRegistryTree(HKEY hive, const std::wstring& key, RegistryView view) {
    HKEY handle;
    if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_ALL_ACCESS | viewFlag(view), &handle) == ERROR_SUCCESS) {
        RegDeleteTreeW(handle, nullptr);
        RegCloseKey(handle);
    }
    RegDeleteKeyExW(hive, key.c_str(), viewFlag(view), 0);
}

void registerJavaHome(HKEY hive, const std::wstring& product, const std::wstring& version, const std::wstring& home,
                      bool setCurrentVersion, RegistryView view) {
    std::wstring key = L"SOFTWARE\\JavaSoft\\" + product;
    setRegistryString(hive, key + L"\\" + version, L"JavaHome", home, view);
    if (setCurrentVersion) setRegistryString(hive, key, L"CurrentVersion", version, view);
}

RegistryCleanup::RegistryCleanup(std::vector<Key> keys) : keys_(std::move(keys)) { clean(); }

RegistryCleanup::~RegistryCleanup() { clean(); }

void RegistryCleanup::clean() const {
    for (const Key& key : keys_)
        for (RegistryView view : {RegistryView::standard, RegistryView::wow32, RegistryView::wow64})
            deleteRegistryTree(key.hive, key.path, view);
}

std::vector<RegistryCleanup::Key> RegistryCleanup::javaSearchKeys() {
    std::vector<Key> keys;
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        keys.push_back({hive, L"SOFTWARE\\JavaSoft"});
        keys.push_back({hive, L"SOFTWARE\\valdrin-works\\tessel\\jvms"});
        keys.push_back({hive, L"SOFTWARE\\valdrin-works\\tessel\\locatedjvms"});
        keys.push_back({hive, L"SOFTWARE\\valdrin-works\\orvane\\installations"});
    }
    return keys;
}

void InProcessLog::enable(const std::wstring& temporaryDirectory) {
    SetEnvironmentVariableW(L"TMP", temporaryDirectory.c_str());
    SetEnvironmentVariableW(L"TEMP", temporaryDirectory.c_str());
    SetEnvironmentVariableW(L"TESSEL_LOG", L"yes");
    installPlatform(win32Platform());
}

InProcessLog::InProcessLog() {
    std::u16string file = logFileName();
    if (!file.empty()) start_ = readWholeFile(reinterpret_cast<const wchar_t*>(file.c_str())).size();
}

std::vector<std::string> InProcessLog::lines() const {
    std::u16string file = logFileName();
    std::vector<std::string> result;
    if (file.empty()) return result;
    std::string text = readWholeFile(reinterpret_cast<const wchar_t*>(file.c_str()));
    for (std::string line : splitLines(text.substr(start_ < text.size() ? start_ : text.size()))) {
        if (!line.empty() && line[0] == '[') {
            size_t end = line.find("] ");
            if (end != std::string::npos) line.erase(0, end + 2);
        }
        result.push_back(line);
    }
    return result;
}

bool InProcessLog::contains(const std::string& line) const {
    for (const std::string& logged : lines())
        if (logged == line) return true;
    return false;
}
