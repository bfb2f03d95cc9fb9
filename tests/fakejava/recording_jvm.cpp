// The recording VM (see recording_jvm.h). Objects are plain records that
// live as long as the process; a jobject is the record's address. Every
// function-table slot that a launcher has no business calling ends the
// process with exit code 99 after naming the slot in the transcript.
#define _JNI_IMPLEMENTATION_
#include "tests/fakejava/recording_jvm.h"

#include <jni.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <utility>

#include "tests/fakejava/fake_files.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;  // this dll, as the linker places it

namespace {

std::string config;  // fakejvm.cfg, read when the VM is created
VmRecord recorded;

struct Object {
    enum Kind { type, string, array, throwable } kind;
    std::string text;    // class name, string (UTF-8), element class, or the throwable's toString text
    std::wstring chars;  // a string as UTF-16
    std::vector<Object*> elements;
};

struct Method {
    std::string name, signature;
};

std::atomic<Object*> pending{nullptr};  // the pending exception

template <bool isEnvironment, size_t slot>
void JNICALL unexpected() {
    std::string line = std::string("unexpected ") + (isEnvironment ? "JNIEnv" : "JavaVM") + " slot " +
                       std::to_string(slot);
    record(line);
    writeStandardError("jvm.dll: " + line + "\r\n");
    ExitProcess(99);
}

template <bool isEnvironment, typename Table, size_t... slot>
void fillWithUnexpected(Table& table, std::index_sequence<slot...>) {
    using Entry = void(JNICALL*)();
    const Entry entries[] = {&unexpected<isEnvironment, slot>...};
    static_assert(sizeof entries == sizeof(Table), "a function table holds only pointers");
    std::memcpy(&table, entries, sizeof entries);
}

Object* object(jobject handle) { return reinterpret_cast<Object*>(handle); }

template <typename Handle = jobject>
Handle newObject(Object::Kind kind, const std::string& text, const std::wstring& chars = {}) {
    return reinterpret_cast<Handle>(new Object{kind, text, chars, {}});
}

jstring newString(const std::wstring& chars) { return newObject<jstring>(Object::string, utf8(chars), chars); }

std::string textOf(jobject handle) { return handle ? object(handle)->text : ""; }

// An object as the transcript shows it.
std::string shown(jobject handle) {
    const Object* o = object(handle);
    return !o                             ? "null"
           : o->kind == Object::string    ? "\"" + o->text + "\""
           : o->kind == Object::array     ? o->text + "[" + std::to_string(o->elements.size()) + "]"
           : o->kind == Object::throwable ? "throwable"
                                          : o->text;
}

// The launcher calls through JNIEnv's C++ members, which reach the ...V forms.
jobject call(const char* function, jobject target, jmethodID id, va_list args) {
    const Method& called = *reinterpret_cast<const Method*>(id);
    std::string line = std::string(function) + " " + shown(target) + " " + called.name;
    // The arguments as the signature gives them; the launcher passes objects, booleans and ints.
    std::vector<jobject> objects;
    for (size_t i = 1; i < called.signature.size() && called.signature[i] != ')'; ++i) {
        char type = called.signature[i];
        while (called.signature[i] == '[') ++i;
        if (called.signature[i] == 'L') i = called.signature.find(';', i);
        if (type == 'L' || type == '[') {
            objects.push_back(va_arg(args, jobject));
            line += " " + shown(objects.back());
        } else {
            int value = va_arg(args, int);  // booleans arrive promoted to int
            line += " " + (type == 'Z' ? std::string(value ? "true" : "false") : std::to_string(value));
        }
    }
    record(line);
    if (called.name == "setProperty" && objects.size() == 2)
        recorded.properties.emplace_back(textOf(objects[0]), textOf(objects[1]));
    if (called.name == "main" && called.signature == "([Ljava/lang/String;)V") {
        std::vector<std::string> arguments;
        for (const Object* element : object(objects[0])->elements) arguments.push_back(element ? element->text : "");
        std::string thrown = runStaticMain(textOf(target), arguments);
        if (!thrown.empty()) pending = newObject<Object*>(Object::throwable, thrown);
    }
    if (called.name == "startupPerformed" && objects.size() == 1)
        startupPerformed(objects[0] ? std::optional<std::string>(textOf(objects[0])) : std::nullopt);
    if (called.name == "toString") return newString(utf16(textOf(target)));
    return nullptr;
}

void JNICALL CallStaticVoidMethodV(JNIEnv*, jclass type, jmethodID id, va_list args) {
    call("CallStaticVoidMethod", type, id, args);
}

jobject JNICALL CallStaticObjectMethodV(JNIEnv*, jclass type, jmethodID id, va_list args) {
    return call("CallStaticObjectMethod", type, id, args);
}

jobject JNICALL CallObjectMethodV(JNIEnv*, jobject target, jmethodID id, va_list args) {
    return call("CallObjectMethod", target, id, args);
}

jclass JNICALL FindClass(JNIEnv*, const char* name) {
    record(std::string("FindClass ") + name);
    return vmSetting("missingClass", "") == name ? nullptr : newObject<jclass>(Object::type, name);
}

// The launcher asks only exceptions for their class.
jclass JNICALL GetObjectClass(JNIEnv*, jobject target) {
    record("GetObjectClass " + shown(target));
    return target ? newObject<jclass>(Object::type, "java/lang/Throwable") : nullptr;
}

jmethodID lookUp(const char* function, jclass type, const char* name, const char* signature) {
    record(std::string(function) + " " + shown(type) + " " + name + " " + signature);
    return vmSetting("missingMethod", "") == name ? nullptr : reinterpret_cast<jmethodID>(new Method{name, signature});
}

jmethodID JNICALL GetStaticMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
    return lookUp("GetStaticMethodID", type, name, signature);
}

jmethodID JNICALL GetMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
    return lookUp("GetMethodID", type, name, signature);
}

jstring JNICALL NewStringUTF(JNIEnv*, const char* text) {
    record(std::string("NewStringUTF \"") + text + "\"");
    return newString(utf16(text));
}

jstring JNICALL NewString(JNIEnv*, const jchar* chars, jsize length) {
    jstring string = newString(std::wstring(reinterpret_cast<const wchar_t*>(chars), length));
    record("NewString " + shown(string));
    return string;
}

const jchar* JNICALL GetStringChars(JNIEnv*, jstring string, jboolean* isCopy) {
    record("GetStringChars " + shown(string));
    if (isCopy) *isCopy = JNI_FALSE;
    return reinterpret_cast<const jchar*>(object(string)->chars.c_str());
}

jsize JNICALL GetStringLength(JNIEnv*, jstring string) {
    record("GetStringLength " + shown(string));
    return static_cast<jsize>(object(string)->chars.size());
}

void JNICALL ReleaseStringChars(JNIEnv*, jstring string, const jchar*) {
    record("ReleaseStringChars " + shown(string));
}

jobjectArray JNICALL NewObjectArray(JNIEnv*, jsize length, jclass elementClass, jobject initial) {
    record("NewObjectArray " + std::to_string(length) + " " + shown(elementClass));
    jobjectArray array = newObject<jobjectArray>(Object::array, textOf(elementClass));
    object(array)->elements.assign(length, object(initial));
    return array;
}

void JNICALL SetObjectArrayElement(JNIEnv*, jobjectArray array, jsize index, jobject value) {
    record("SetObjectArrayElement " + std::to_string(index) + " " + shown(value));
    std::vector<Object*>& elements = object(array)->elements;
    if (index >= 0 && static_cast<size_t>(index) < elements.size()) elements[index] = object(value);
}

jint JNICALL Throw(JNIEnv*, jthrowable thrown) {
    record("Throw " + shown(thrown));
    pending = object(thrown);
    return JNI_OK;
}

jthrowable JNICALL ExceptionOccurred(JNIEnv*) {
    record("ExceptionOccurred");
    return reinterpret_cast<jthrowable>(pending.load());
}

// Like a real VM: prints the exception to standard error and clears it.
void JNICALL ExceptionDescribe(JNIEnv*) {
    record("ExceptionDescribe");
    if (Object* thrown = pending.exchange(nullptr))
        writeStandardError("Exception in thread \"main\" " + thrown->text + "\r\n");
}

void JNICALL ExceptionClear(JNIEnv*) {
    record("ExceptionClear");
    pending = nullptr;
}

void JNICALL DeleteLocalRef(JNIEnv*, jobject reference) { record("DeleteLocalRef " + shown(reference)); }

#define SLOT(name) table.name = name
JNINativeInterface_ environmentTable() {
    JNINativeInterface_ table;
    fillWithUnexpected<true>(table, std::make_index_sequence<sizeof table / sizeof(void*)>());
    SLOT(FindClass), SLOT(GetObjectClass), SLOT(GetStaticMethodID), SLOT(GetMethodID), SLOT(NewStringUTF);
    SLOT(NewString), SLOT(GetStringChars), SLOT(GetStringLength), SLOT(ReleaseStringChars), SLOT(NewObjectArray);
    SLOT(SetObjectArrayElement), SLOT(DeleteLocalRef), SLOT(Throw), SLOT(ExceptionOccurred);
    SLOT(ExceptionDescribe), SLOT(ExceptionClear), SLOT(CallStaticVoidMethodV), SLOT(CallStaticObjectMethodV);
    SLOT(CallObjectMethodV);
    return table;
}

const JNINativeInterface_ environmentFunctions = environmentTable();
JNIEnv_ environment{&environmentFunctions};

jint JNICALL DestroyJavaVM(JavaVM*) {
    record("DestroyJavaVM");
    return JNI_OK;
}

jint JNICALL AttachCurrentThreadAsDaemon(JavaVM*, void** attachedEnvironment, void*) {
    record("AttachCurrentThreadAsDaemon");
    *attachedEnvironment = &environment;
    return JNI_OK;
}

JNIInvokeInterface_ vmTable() {
    JNIInvokeInterface_ table;
    fillWithUnexpected<false>(table, std::make_index_sequence<sizeof table / sizeof(void*)>());
    SLOT(DestroyJavaVM), SLOT(AttachCurrentThreadAsDaemon);
    return table;
}
#undef SLOT

const JNIInvokeInterface_ vmFunctions = vmTable();
JavaVM_ vm{&vmFunctions};

// For bench/startup.sh: the performance counter and the private memory at the
// moment the VM is asked for, into the file TESSEL_BENCH_MARK names.
void markVmCreation() {
    const wchar_t* mark = _wgetenv(L"TESSEL_BENCH_MARK");
    if (!mark) return;
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    // Windows reports the private bytes in both fields, Wine only in the older one.
    size_t privateBytes = std::max(memory.PrivateUsage, memory.PagefileUsage);
    writeFile(mark, std::to_string(ticks.QuadPart) + " " + std::to_string(privateBytes) + "\n", false);
}

}  // namespace

const std::wstring& vmDirectory() {
    static const std::wstring directory = moduleDirectory(reinterpret_cast<HMODULE>(&__ImageBase));
    return directory;
}

const VmRecord& vmRecord() { return recorded; }

std::string vmSetting(const std::string& key, const std::string& fallback) { return setting(config, key, fallback); }

void record(const std::string& line) { appendLine(vmDirectory() + L"jvm.log", line); }

JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** createdVm, void** createdEnvironment, void* args) {
    markVmCreation();
    config = readFile(vmDirectory() + L"fakejvm.cfg");
    const auto* initArgs = static_cast<const JavaVMInitArgs*>(args);
    char version[16];
    snprintf(version, sizeof version, "0x%08lx", static_cast<unsigned long>(initArgs->version));
    record(std::string("JNI_CreateJavaVM version=") + version + " options=" + std::to_string(initArgs->nOptions) +
           " ignoreUnrecognized=" + (initArgs->ignoreUnrecognized ? "true" : "false"));
    for (jint i = 0; i < initArgs->nOptions; ++i) {
        record(std::string("option ") + initArgs->options[i].optionString);
        recorded.options.push_back(initArgs->options[i].optionString);
    }
    Sleep(std::stoul(vmSetting("createDelayMs", "0")));  // a slow start, for clients that come early
    bool fails = vmSetting("create", "") == "fail";
    *createdVm = fails ? nullptr : &vm;
    *createdEnvironment = fails ? nullptr : &environment;
    return fails ? JNI_ERR : JNI_OK;
}
