// Java runtimes for the Windows tests, assembled from the fake programs of
// tests/fakejava.
#pragma once

#include <string>
#include <vector>

enum class FakeJvm {
    working,            // the recording VM
    withoutExport,      // loads, but lacks JNI_CreateJavaVM: a damaged runtime
    otherArchitecture,  // cannot be loaded by this launcher
};

// Windows path of a built fake program ("java.exe", "planted.dll", "other\java.exe", ...).
std::wstring fakeJavaProgram(const std::wstring& name);

// A runtime's bin directory: java.exe and javaw.exe, and a jvm.dll in each VM
// directory ("client", "server", "hotspot", ...).
//
// The recording VM writes jvm.log beside the dll, a line per call: the name and
// the arguments as the signature gives them. An object shows as its class name,
// a string as "UTF-8 text", an array as element class and length, an exception
// as "throwable", or "null":
//   option -Dtessel.moduleName=C:\app\app.exe        (one per option, in order)
//   CallStaticVoidMethod com/tessel/runtime/WinLauncher main java/lang/String[7]
//   CallStaticVoidMethod com/tessel/Controller startupPerformed "a "b c""   (the text as it is, or null)
//   ExceptionDescribe   (also writes Exception in thread "main" <text> to standard error)
//   unexpected JNIEnv slot 33   (a function the launcher has no business calling; exit code 99)
class TestRuntime {
public:
    // Replaces whatever is at home; java.exe reports the version.
    explicit TestRuntime(const std::wstring& home, const std::string& version = "1.8.0_191",
                         FakeJvm jvm = FakeJvm::working, const std::vector<std::wstring>& vms = {L"client"});

    const std::wstring& home() const { return home_; }
    std::wstring binDirectory() const { return home_ + L"\\bin"; }
    std::wstring javaExe() const { return binDirectory() + L"\\java.exe"; }

    // A fake program copied into bin under the name ("unpack200.exe", "splashscreen.dll", ...).
    void install(const std::wstring& program, const std::wstring& name) const;
    // fakejava.cfg of java.exe and javaw.exe: "version=", "exit=" (code) and
    // "hang=" (seconds before they answer) lines.
    void configureJava(const std::string& settings) const;
    // fakejvm.cfg of the client VM: "create=fail" (JNI_CreateJavaVM returns JNI_ERR
    // after its lines), "createDelayMs=", "missingClass=a/b/C" and
    // "missingMethod=name" (looked up as null). Any static main(String[])
    // first waits for "notifications=" startupPerformed calls (at most 60 s),
    // then ends the process with "mainExits=" or leaves an exception pending
    // whose toString is "mainThrows=".
    void configureVm(const std::string& settings) const;

    // Reports the version from now on, and the executables get a newer
    // last-write time, as an update in place gives them.
    void updateInPlace(const std::string& version) const;
    int javaStarts() const;  // of java.exe and javaw.exe
    std::vector<std::string> jvmTranscript() const;  // of the client VM

private:
    std::wstring home_;
};
