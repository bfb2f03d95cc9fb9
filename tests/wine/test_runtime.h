// Java runtimes for the Windows tests, assembled from the fake programs of
// tests/fakejava.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class FakeJvm {
    working,            // the recording VM
    withoutExport,      // loads, but lacks JNI_CreateJavaVM: a damaged runtime
    otherArchitecture,  // cannot be loaded by this launcher
};

// What the recording VM does; fakejvm.cfg beside every jvm.dll of a runtime.
//
// Its transcript, jvm.log beside the dll, has one line per call: the name
// and the arguments, blank-separated, method arguments as the signature
// gives them. An object shows as its class name for a class, "text" in double
// quotes for a string (UTF-8), element class and length for an array
// ("java/lang/String[7]"), "throwable" for an exception, or "null":
//   JNI_CreateJavaVM version=0x00010002 options=9 ignoreUnrecognized=true
//   option -Dtessel.moduleName=C:\app\app.exe        (one per option, in order)
//   SetObjectArrayElement 0 "true"
//   CallStaticVoidMethod com/tessel/runtime/WinLauncher main java/lang/String[7]
//   AttachCurrentThreadAsDaemon   (the launcher's notification listener thread)
//   CallStaticVoidMethod com/tessel/Controller startupPerformed "a "b c""   (the text as it is, or null)
//   ExceptionDescribe   (also writes Exception in thread "main" <text> to standard error)
//   unexpected JNIEnv slot 33   (a function the launcher has no business calling; exit code 99)
//   bridge /usr/bin/java -D... com.tessel.runtime.WinLauncher true ...   (the bridge's command)
struct FakeVmBehaviour {
    bool creationFails = false;               // JNI_CreateJavaVM returns JNI_ERR, after its lines
    std::vector<std::string> missingClasses;  // FindClass gives null ("com/tessel/runtime/WinLauncher")
    std::vector<std::string> missingMethods;  // GetStaticMethodID and GetMethodID give null ("main")
    // For any static main(String[]): an exception left pending whose
    // toString is this text; or the end of the process with this exit code.
    std::string mainThrows;
    std::optional<int> mainExitCode;
    int awaitedStartups = 0;  // main first waits for that many startupPerformed calls, at most 60 s
    int creationDelayMs = 0;  // JNI_CreateJavaVM waits after its lines
};

struct VmDirectory {
    std::string name;  // "client", "server", "hotspot", ...
    FakeJvm jvm = FakeJvm::working;
};

struct TestRuntimeSetup {
    std::string version = "1.8.0_191";  // what java.exe -version reports
    int exitCode = 0;                   // of java.exe
    int hangSeconds = 0;                // before java.exe answers
    std::vector<VmDirectory> vms = {{"client"}};
    bool otherArchitectureJava = false;
    bool unpack200 = false;
    // Copied as bin\splashscreen.dll ("splashscreen.dll", "splashscreen_old.dll",
    // any fake program; "" none); its transcript: bin\splash.log (fake_splash.cpp).
    std::wstring splashLibrary;
    FakeVmBehaviour vm;
};

// Windows path of a built fake program ("java.exe", "planted.dll", ...).
std::wstring fakeJavaProgram(const std::wstring& name);

// A runtime's bin directory: java.exe, javaw.exe, the VM directories and
// unpack200.exe when asked for.
class TestRuntime {
public:
    // Replaces whatever is at home.
    explicit TestRuntime(const std::wstring& home, const TestRuntimeSetup& setup = {});

    const std::wstring& home() const { return home_; }
    std::wstring binDirectory() const { return home_ + L"\\bin"; }
    std::wstring javaExe() const { return binDirectory() + L"\\java.exe"; }

    // Reports the version from now on, and the executables get a newer
    // last-write time, as an update in place gives them.
    void updateInPlace(const std::string& version);
    int javaStarts() const;  // of java.exe and javaw.exe
    std::vector<std::string> unpackCommandLines() const;
    std::vector<std::string> jvmTranscript(const std::wstring& vm = L"client") const;  // in bin\<vm>

private:
    void writeBehaviour() const;

    std::wstring home_;
    TestRuntimeSetup setup_;
};
