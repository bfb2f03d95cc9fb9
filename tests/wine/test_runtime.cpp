#include "tests/wine/test_runtime.h"

#include <cstdlib>
#include <filesystem>

#include "tests/wine/launcher_sandbox.h"

std::wstring fakeJavaProgram(const std::wstring& name) {
    return windowsPathFromEnvironment(std::getenv("TESSEL_FAKE_JAVA")) + L"\\" + name;
}

TestRuntime::TestRuntime(const std::wstring& home, const std::string& version, FakeJvm jvm,
                         const std::vector<std::wstring>& vms)
    : home_(home) {
    removeDirectoryTree(home_);
    std::filesystem::create_directories(binDirectory());
    install(L"java.exe", L"java.exe");
    install(L"javaw.exe", L"javaw.exe");
    configureJava("version=" + version);
    const wchar_t* dlls[] = {L"jvm.dll", L"jvm_noexport.dll", L"other\\jvm.dll"};
    for (const std::wstring& vm : vms) {
        std::filesystem::create_directories(binDirectory() + L"\\" + vm);
        install(dlls[static_cast<int>(jvm)], vm + L"\\jvm.dll");
    }
}

void TestRuntime::install(const std::wstring& program, const std::wstring& name) const {
    CopyFileW(fakeJavaProgram(program).c_str(), (binDirectory() + L"\\" + name).c_str(), FALSE);
}

void TestRuntime::configureJava(const std::string& settings) const {
    writeFile(binDirectory() + L"\\fakejava.cfg", settings + "\r\n", false);
}

void TestRuntime::configureVm(const std::string& settings) const {
    writeFile(binDirectory() + L"\\client\\fakejvm.cfg", settings + "\r\n", false);
}

void TestRuntime::updateInPlace(const std::string& version) const {
    configureJava("version=" + version);
    for (const wchar_t* name : {L"\\java.exe", L"\\javaw.exe"}) {
        std::filesystem::path program = binDirectory() + name;
        std::filesystem::last_write_time(program, std::filesystem::last_write_time(program) + std::chrono::seconds(10));
    }
}

int TestRuntime::javaStarts() const {
    return static_cast<int>(splitLines(readFile(binDirectory() + L"\\starts.log")).size());
}

std::vector<std::string> TestRuntime::jvmTranscript() const {
    return splitLines(readFile(binDirectory() + L"\\client\\jvm.log"));
}
