#include "tests/wine/test_runtime.h"

#include <cstdlib>
#include <filesystem>

#include "tests/wine/launcher_sandbox.h"

namespace {

void copyProgram(const std::wstring& name, const std::wstring& target) {
    CopyFileW(fakeJavaProgram(name).c_str(), target.c_str(), FALSE);
}

std::string vmConfig(const FakeVmBehaviour& vm) {
    std::string config = vm.creationFails ? "create=fail\r\n" : "";
    for (const std::string& name : vm.missingClasses) config += "missingClass=" + name + "\r\n";
    for (const std::string& name : vm.missingMethods) config += "missingMethod=" + name + "\r\n";
    if (!vm.mainThrows.empty()) config += "mainThrows=" + vm.mainThrows + "\r\n";
    if (vm.mainExitCode) config += "mainExits=" + std::to_string(*vm.mainExitCode) + "\r\n";
    config += "notifications=" + std::to_string(vm.awaitedStartups) + "\r\n";
    config += "createDelayMs=" + std::to_string(vm.creationDelayMs) + "\r\n";
    return config;
}

}  // namespace

std::wstring fakeJavaProgram(const std::wstring& name) {
    return windowsPathFromEnvironment(std::getenv("TESSEL_FAKE_JAVA")) + L"\\" + name;
}

TestRuntime::TestRuntime(const std::wstring& home, const TestRuntimeSetup& setup) : home_(home), setup_(setup) {
    removeDirectoryTree(home_);
    std::filesystem::create_directories(binDirectory());
    copyProgram(setup_.otherArchitectureJava ? L"other\\java.exe" : L"java.exe", javaExe());
    copyProgram(L"javaw.exe", binDirectory() + L"\\javaw.exe");
    if (setup_.unpack200) copyProgram(L"unpack200.exe", binDirectory() + L"\\unpack200.exe");
    if (!setup_.splashLibrary.empty()) copyProgram(setup_.splashLibrary, binDirectory() + L"\\splashscreen.dll");
    for (const VmDirectory& vm : setup_.vms) {
        std::wstring directory = binDirectory() + L"\\" + utf16(vm.name);
        std::filesystem::create_directories(directory);
        const wchar_t* dlls[] = {L"jvm.dll", L"jvm_noexport.dll", L"other\\jvm.dll"};
        copyProgram(dlls[static_cast<int>(vm.jvm)], directory + L"\\jvm.dll");
        writeFile(directory + L"\\fakejvm.cfg", vmConfig(setup_.vm), false);
    }
    writeBehaviour();
}

void TestRuntime::writeBehaviour() const {
    writeFile(binDirectory() + L"\\fakejava.cfg",
              "version=" + setup_.version + "\r\nexit=" + std::to_string(setup_.exitCode) +
                  "\r\nhang=" + std::to_string(setup_.hangSeconds) + "\r\n",
              false);
}

void TestRuntime::updateInPlace(const std::string& version) {
    setup_.version = version;
    writeBehaviour();
    for (const wchar_t* name : {L"\\java.exe", L"\\javaw.exe"}) {
        std::filesystem::path program = binDirectory() + name;
        std::filesystem::last_write_time(program, std::filesystem::last_write_time(program) + std::chrono::seconds(10));
    }
}

int TestRuntime::javaStarts() const {
    return static_cast<int>(splitLines(readFile(binDirectory() + L"\\starts.log")).size());
}

std::vector<std::string> TestRuntime::unpackCommandLines() const {
    return splitLines(readFile(binDirectory() + L"\\unpack200.log"));
}

std::vector<std::string> TestRuntime::jvmTranscript(const std::wstring& vm) const {
    return splitLines(readFile(binDirectory() + L"\\" + vm + L"\\jvm.log"));
}
