// Test Java runtimes for the Windows tests: directories that look like
// installed runtimes to the launcher, made of the fake programs built in
// tests/fakejava, and registry entries pointing at them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The jvm.dll put into a VM directory.
enum class FakeJvm {
    working,        // the recording VM
    withoutExport,  // loads, but lacks JNI_CreateJavaVM (a damaged runtime)
    otherArchitecture,  // built for the other architecture: it cannot be loaded
    bridge,  // records, and runs the launcher class's main in the machine's Linux Java runtime
};

// What the recording VM does; fakejvm.cfg beside every jvm.dll of a runtime.
//
// Its transcript, jvm.log beside the dll, has one line per call: the
// function's name and its arguments, separated by blanks. An object shows as
// its class name for a class ("java/lang/System"), as "text" in double
// quotes for a string (UTF-8, not escaped), as element class and length for
// an array ("java/lang/String[7]"), as "throwable" for an exception, or
// as "null". Numbers are decimal, booleans true and false. The lines:
//   JNI_CreateJavaVM version=0x00010002 options=9 ignoreUnrecognized=true
//   option -Dtessel.moduleName=C:\app\app.exe        (one per option, in order)
//   FindClass com/tessel/runtime/WinLauncher
//   GetStaticMethodID com/tessel/runtime/WinLauncher main ([Ljava/lang/String;)V
//   GetMethodID java/lang/String toString ()Ljava/lang/String;
//   GetObjectClass throwable
//   NewStringUTF "0,0,0"                     NewString "C:\app\app.exe"
//   NewObjectArray 7 java/lang/String        SetObjectArrayElement 0 "true"
//   CallStaticVoidMethod com/tessel/runtime/WinLauncher initAwtSplashConfig true false "Loading" 20 20 ...
//   CallStaticVoidMethod com/tessel/runtime/WinLauncher main java/lang/String[7]
//   CallStaticObjectMethod java/lang/System setProperty "tessel.moduleName" "C:\app\app.exe"
//   CallObjectMethod throwable toString
//     (the same for the ...V and ...A forms; arguments decoded by the method's signature)
//   GetStringChars "text"  GetStringLength "text"  ReleaseStringChars "text"
//   DeleteLocalRef "text"  Throw throwable
//   ExceptionOccurred  ExceptionCheck  ExceptionClear
//   ExceptionDescribe   (also writes Exception in thread "main" <text> to
//                        standard error and clears the exception, as a VM does)
//   RegisterNatives com/x/Y name1 (I)V name2 ()V
//   DestroyJavaVM  AttachCurrentThreadAsDaemon  ("... with arguments" when given any)
//   unexpected JNIEnv slot 33   (any other function, by its index in the
//                                function table, FindClass being 6; the
//                                process then exits with 99)
//   bridge /usr/bin/java -D... com.tessel.runtime.WinLauncher true ...   (the bridge's command)
struct FakeVmBehaviour {
    bool creationFails = false;               // JNI_CreateJavaVM returns JNI_ERR, after its lines
    std::vector<std::string> missingClasses;  // FindClass gives null ("com/tessel/runtime/WinLauncher")
    std::vector<std::string> missingMethods;  // GetStaticMethodID and GetMethodID give null ("main")
    // For any static main(String[]): an exception left pending whose
    // toString is this text; or the end of the process with this exit code.
    std::string mainThrows;
    std::optional<int> mainExitCode;
    std::string bridgeJava;  // the bridge's Linux Java program; empty: /usr/bin/java
};

enum class FakeJavaOutput {
    versionLine,  // FakeJavaBehaviour::versionLine, then a second line
    garbage,      // a line that is not a version line
    none,         // nothing at all
};

// What java.exe and javaw.exe of one bin directory do with "-version".
struct FakeJavaBehaviour {
    std::string versionLine;  // empty: fakeJavaVersionLine(runtime version)
    FakeJavaOutput output = FakeJavaOutput::versionLine;
    int exitCode = 0;
    int hangSeconds = 0;  // sleeps this long before writing and exiting
};

struct VmDirectory {
    std::string name;  // "client", "server", "hotspot", ...
    FakeJvm jvm = FakeJvm::working;
};

struct TestRuntimeSpec {
    std::string version = "1.8.0_191";
    // A JDK: bin\java.exe, jre\bin\java.exe and lib\tools.jar; `vms` go
    // under jre\bin and `jdkBinVms` under bin.
    bool jdk = false;
    bool javaw = true;  // javaw.exe beside every java.exe
    bool otherArchitectureJava = false;  // java.exe built for the other architecture
    std::vector<VmDirectory> vms = {{"client"}};
    std::vector<VmDirectory> jdkBinVms;
    bool unpack200 = false;  // bin\unpack200.exe (a JDK: jre\bin too)
    FakeJavaBehaviour behaviour;
    FakeVmBehaviour vmBehaviour;
};

// `java version "1.8.0_191"` for 1.x versions, otherwise
// `openjdk version "11.0.2" 2019-01-15`.
std::string fakeJavaVersionLine(const std::string& version);

// The directory of the built fake programs (TESSEL_FAKE_JAVA).
std::wstring fakeJavaBuildDirectory();

// Windows path of a built fake program ("java.exe", "javaw.exe",
// "unpack200.exe", "jvm.dll", "jvm_noexport.dll", and the other
// architecture's other\java.exe and other\jvm.dll).
std::wstring fakeJavaProgram(const std::wstring& name);

class TestRuntime {
public:
    // Builds the runtime at home (created with its parents; an existing
    // tree there is removed first).
    explicit TestRuntime(const std::wstring& home, const TestRuntimeSpec& spec = {});

    const std::wstring& home() const { return home_; }
    const TestRuntimeSpec& spec() const { return spec_; }
    std::wstring binDirectory() const { return home_ + L"\\bin"; }
    // home\bin\java.exe (also for a JDK).
    std::wstring javaExe() const { return binDirectory() + L"\\java.exe"; }
    std::wstring javawExe() const { return binDirectory() + L"\\javaw.exe"; }
    // Where a JDK keeps its runtime: home\jre\bin; for a JRE home\bin.
    std::wstring runtimeBinDirectory() const;
    // Every bin directory holding executables (one for a JRE, two for a JDK).
    std::vector<std::wstring> executableDirectories() const;

    // Rewrites fakejava.cfg in every bin directory.
    void setBehaviour(const FakeJavaBehaviour& behaviour);
    // Rewrites fakejvm.cfg in every VM directory.
    void setVmBehaviour(const FakeVmBehaviour& behaviour);
    // Gives bin\java.exe (and javaw.exe) a new last-write time, as an update
    // in place would.
    void touchExecutables(int secondsLater = 10);

    // Starts of java.exe/javaw.exe across all bin directories.
    int javaStarts() const;
    void clearStarts();

    // Command lines the fake unpack200.exe was started with.
    std::vector<std::string> unpackCommandLines() const;
    // Lines jvm.dll wrote to jvm.log in its VM directory (relative to home,
    // e.g. "bin\\client"); see FakeVmBehaviour.
    std::vector<std::string> jvmTranscript(const std::wstring& vmDirectory) const;

private:
    void writeBehaviour(const std::wstring& binDirectory, const FakeJavaBehaviour& behaviour) const;
    // Each VM directory with the jvm.dll it holds.
    std::vector<std::pair<std::wstring, FakeJvm>> vmDirectories() const;

    std::wstring home_;
    TestRuntimeSpec spec_;
};

// Registry helpers for the test's Wine prefix. The prefix is a 64-bit one:
// the 32-bit tests and launchers see the WOW64 views of a 64-bit Windows.
enum class RegistryView {
    standard,  // the test process's default view
    wow32,     // KEY_WOW64_32KEY
    wow64,     // KEY_WOW64_64KEY
};
// The view that the test process, like the launcher, does not read by default.
constexpr RegistryView otherView = sizeof(void*) == 8 ? RegistryView::wow32 : RegistryView::wow64;

// Creates the key (and its parents) and sets a REG_SZ value; "" names the
// default value.
bool setRegistryString(HKEY hive, const std::wstring& key, const std::wstring& name, const std::wstring& value,
                       RegistryView view = RegistryView::standard);
// Creates the key without values.
bool createRegistryKey(HKEY hive, const std::wstring& key, RegistryView view = RegistryView::standard);
bool registryKeyExists(HKEY hive, const std::wstring& key, RegistryView view = RegistryView::standard);
// The REG_SZ value, or "" with found = false when absent.
std::wstring readRegistryString(HKEY hive, const std::wstring& key, const std::wstring& name,
                                RegistryView view = RegistryView::standard, bool* found = nullptr);
// Removes the key with all its subkeys; absent keys are fine.
void deleteRegistryTree(HKEY hive, const std::wstring& key, RegistryView view = RegistryView::standard);

// A standard Java registration: "SOFTWARE\JavaSoft\<product>\<version>"
// with "JavaHome" = home, and "CurrentVersion" = version on the product key
// when setCurrentVersion. product is e.g. "Java Runtime Environment", "JRE",
// "JDK", "Java Development Kit".
void registerJavaHome(HKEY hive, const std::wstring& product, const std::wstring& version, const std::wstring& home,
                      bool setCurrentVersion = true, RegistryView view = RegistryView::standard);

// Deletes the listed keys (in every view) now and again when destroyed, so
// a test starts and leaves the prefix clean. Tests that touch the same keys
// need a RESOURCE_LOCK in tests/wine/CMakeLists.txt.
class RegistryCleanup {
public:
    struct Key {
        HKEY hive;
        std::wstring path;
    };
    explicit RegistryCleanup(std::vector<Key> keys);
    ~RegistryCleanup();
    RegistryCleanup(const RegistryCleanup&) = delete;
    RegistryCleanup& operator=(const RegistryCleanup&) = delete;

    // Everything a search reads, in HKLM and HKCU: "SOFTWARE\JavaSoft", the
    // version cache, the located runtimes and the recorded installations.
    static std::vector<Key> javaSearchKeys();

private:
    void clean() const;
    std::vector<Key> keys_;
};

// The launcher's own log inside the test process, for tests that call
// launcher functions directly. enable() installs the launcher's platform and
// must come before the process's first log call (it decides once); it also
// points TMP and TEMP at the directory, where the log file is made.
class InProcessLog {
public:
    static void enable(const std::wstring& temporaryDirectory);
    // Marks the current end of the log; lines() gives what follows.
    InProcessLog();
    // Without the "[s:ms] " time stamps; "ERROR: " kept.
    std::vector<std::string> lines() const;
    bool contains(const std::string& line) const;

private:
    size_t start_ = 0;
};
