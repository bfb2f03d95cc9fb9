// The recording VM (see recording_jvm.h). Objects are plain records that
// live as long as the process; a jobject is the record's address. Every
// function-table slot that a launcher has no business calling ends the
// process with exit code 99 after naming the slot in the transcript.
#define _JNI_IMPLEMENTATION_
#include "tests/fakejava/recording_jvm.h"

#include <jni.h>
#include <windows.h>

#include <atomic>
#include <cstdarg>
#include <cstring>
#include <utility>

#include "tests/fakejava/fake_files.h"

namespace {

constexpr UINT unexpectedCallExitCode = 99;

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
    bool isStatic;
};

std::atomic<Object*> pending{nullptr};  // the pending exception

const std::wstring& ownDirectory() {
    static const std::wstring directory = [] {
        HMODULE self = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&ownDirectory), &self);
        return moduleDirectory(self);
    }();
    return directory;
}

bool listed(const std::string& key, const std::string& value) {
    for (const std::string& entry : settings(config, key))
        if (entry == value) return true;
    return false;
}

template <bool isEnvironment, size_t slot>
void JNICALL unexpected() {
    std::string line =
        std::string("unexpected ") + (isEnvironment ? "JNIEnv" : "JavaVM") + " slot " + std::to_string(slot);
    record(line);
    writeStandardError("jvm.dll: " + line + "\r\n");
    ExitProcess(unexpectedCallExitCode);
}

template <bool isEnvironment, typename Table, size_t... slot>
void fillWithUnexpected(Table& table, std::index_sequence<slot...>) {
    using Entry = void(JNICALL*)();
    const Entry entries[] = {&unexpected<isEnvironment, slot>...};
    static_assert(sizeof entries == sizeof(Table), "a function table holds only pointers");
    std::memcpy(&table, entries, sizeof entries);
}

template <bool isEnvironment, typename Table>
void fillWithUnexpected(Table& table) {
    fillWithUnexpected<isEnvironment>(table, std::make_index_sequence<sizeof(Table) / sizeof(void*)>());
}

Object* object(jobject handle) { return reinterpret_cast<Object*>(handle); }

template <typename Handle = jobject>
Handle newObject(Object::Kind kind, const std::string& text) {
    return reinterpret_cast<Handle>(new Object{kind, text, {}, {}});
}

jstring newString(const std::wstring& chars) {
    jstring string = newObject<jstring>(Object::string, utf8(chars));
    object(string)->chars = chars;
    return string;
}

std::string textOf(jobject handle) { return handle ? object(handle)->text : ""; }

// An object as the transcript shows it.
std::string shown(jobject handle) {
    const Object* o = object(handle);
    if (!o) return "null";
    switch (o->kind) {
        case Object::string:
            return "\"" + o->text + "\"";
        case Object::array:
            return o->text + "[" + std::to_string(o->elements.size()) + "]";
        case Object::throwable:
            return "throwable";
        default:
            return o->text;
    }
}

std::string hex(unsigned long value) {
    std::string digits = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) digits += "0123456789abcdef"[(value >> shift) & 15];
    return digits;
}

// One letter per parameter of a method signature; "L" for objects and arrays.
std::vector<char> parameterTypes(const std::string& signature) {
    std::vector<char> types;
    for (size_t i = 1; i < signature.size() && signature[i] != ')'; ++i) {
        char type = signature[i];
        while (signature[i] == '[') ++i;
        if (signature[i] == 'L' && (i = signature.find(';', i)) == std::string::npos) break;
        types.push_back(type == '[' ? 'L' : type);
    }
    return types;
}

std::string shownValue(char type, const jvalue& value) {
    switch (type) {
        case 'Z':
            return value.z == 1 ? "true" : value.z == 0 ? "false" : std::to_string(value.z);
        case 'B':
            return std::to_string(value.b);
        case 'C':
            return std::to_string(value.c);
        case 'S':
            return std::to_string(value.s);
        case 'I':
            return std::to_string(value.i);
        case 'J':
            return std::to_string(value.j);
        case 'F':
            return std::to_string(value.f);
        case 'D':
            return std::to_string(value.d);
        default:
            return shown(value.l);
    }
}

const Method& method(jmethodID id) { return *reinterpret_cast<const Method*>(id); }

std::vector<jvalue> valuesFrom(jmethodID id, va_list args) {
    std::vector<jvalue> values;
    for (char type : parameterTypes(method(id).signature)) {
        jvalue value{};
        if (type == 'J')
            value.j = va_arg(args, jlong);
        else if (type == 'F' || type == 'D')
            value.d = va_arg(args, double);
        else if (type == 'L')
            value.l = va_arg(args, jobject);
        else
            value.i = va_arg(args, int);  // boolean, byte, char and short arrive promoted to int
        if (type == 'F') value.f = static_cast<jfloat>(value.d);
        values.push_back(value);
    }
    return values;
}

std::vector<jvalue> valuesFrom(jmethodID id, const jvalue* args) {
    return std::vector<jvalue>(args, args + parameterTypes(method(id).signature).size());
}

// Every Call...Method form ends here; the transcript names the three forms
// alike (C++ callers reach the ...V form through JNIEnv's members).
jobject call(const char* function, jobject target, jmethodID id, const std::vector<jvalue>& values) {
    const Method& called = method(id);
    std::vector<char> types = parameterTypes(called.signature);
    std::string line = std::string(function) + " " + shown(target) + " " + called.name;
    for (size_t i = 0; i < types.size(); ++i) line += " " + shownValue(types[i], values[i]);
    record(line);
    if (called.isStatic && called.name == "setProperty" && values.size() == 2)
        recorded.properties.emplace_back(textOf(values[0].l), textOf(values[1].l));
    if (called.isStatic && called.name == "main" && called.signature == "([Ljava/lang/String;)V") {
        std::vector<std::string> arguments;
        if (values[0].l)
            for (const Object* element : object(values[0].l)->elements)
                arguments.push_back(element ? element->text : "");
        std::string thrown = runStaticMain(textOf(target), arguments);
        if (!thrown.empty()) pending = newObject<Object*>(Object::throwable, thrown);
    }
    if (!called.isStatic && called.name == "toString") return newString(utf16(textOf(target)));
    return nullptr;
}

#define CALL_FORMS(Name, Result, Target)                                               \
    Result JNICALL Name(JNIEnv*, Target target, jmethodID id, ...) {                   \
        va_list args;                                                                  \
        va_start(args, id);                                                            \
        std::vector<jvalue> values = valuesFrom(id, args);                             \
        va_end(args);                                                                  \
        return static_cast<Result>(call(#Name, target, id, values));                   \
    }                                                                                  \
    Result JNICALL Name##V(JNIEnv*, Target target, jmethodID id, va_list args) {       \
        return static_cast<Result>(call(#Name, target, id, valuesFrom(id, args)));     \
    }                                                                                  \
    Result JNICALL Name##A(JNIEnv*, Target target, jmethodID id, const jvalue* args) { \
        return static_cast<Result>(call(#Name, target, id, valuesFrom(id, args)));     \
    }
CALL_FORMS(CallStaticVoidMethod, void, jclass)
CALL_FORMS(CallStaticObjectMethod, jobject, jclass)
CALL_FORMS(CallObjectMethod, jobject, jobject)

jclass JNICALL FindClass(JNIEnv*, const char* name) {
    record(std::string("FindClass ") + name);
    return listed("missingClass", name) ? nullptr : newObject<jclass>(Object::type, name);
}

jclass JNICALL GetObjectClass(JNIEnv*, jobject target) {
    record("GetObjectClass " + shown(target));
    static const char* const classes[] = {"java/lang/Class", "java/lang/String", "[Ljava/lang/Object;",
                                          "java/lang/Throwable"};
    return target ? newObject<jclass>(Object::type, classes[object(target)->kind]) : nullptr;
}

jmethodID lookUp(const char* function, jclass type, const char* name, const char* signature, bool isStatic) {
    record(std::string(function) + " " + shown(type) + " " + name + " " + signature);
    return listed("missingMethod", name) ? nullptr : reinterpret_cast<jmethodID>(new Method{name, signature, isStatic});
}

jmethodID JNICALL GetStaticMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
    return lookUp("GetStaticMethodID", type, name, signature, true);
}

jmethodID JNICALL GetMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
    return lookUp("GetMethodID", type, name, signature, false);
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

jthrowable JNICALL ExceptionOccurred(JNIEnv*) {
    record("ExceptionOccurred");
    return reinterpret_cast<jthrowable>(pending.load());
}

jint JNICALL Throw(JNIEnv*, jthrowable thrown) {
    record("Throw " + shown(thrown));
    pending = object(thrown);
    return JNI_OK;
}

jboolean JNICALL ExceptionCheck(JNIEnv*) {
    record("ExceptionCheck");
    return pending ? JNI_TRUE : JNI_FALSE;
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

jint JNICALL RegisterNatives(JNIEnv*, jclass type, const JNINativeMethod* methods, jint count) {
    std::string line = "RegisterNatives " + shown(type);
    for (jint i = 0; i < count; ++i) line += std::string(" ") + methods[i].name + " " + methods[i].signature;
    record(line);
    return JNI_OK;
}

JNINativeInterface_ environmentTable() {
    JNINativeInterface_ table;
    fillWithUnexpected<true>(table);
#define SLOT(name) table.name = name
    SLOT(FindClass), SLOT(GetObjectClass), SLOT(GetStaticMethodID), SLOT(GetMethodID);
    SLOT(NewStringUTF), SLOT(NewString), SLOT(GetStringChars), SLOT(GetStringLength), SLOT(ReleaseStringChars);
    SLOT(NewObjectArray), SLOT(SetObjectArrayElement), SLOT(DeleteLocalRef), SLOT(RegisterNatives);
    SLOT(Throw), SLOT(ExceptionOccurred), SLOT(ExceptionCheck), SLOT(ExceptionDescribe), SLOT(ExceptionClear);
    SLOT(CallStaticVoidMethod), SLOT(CallStaticVoidMethodV), SLOT(CallStaticVoidMethodA);
    SLOT(CallStaticObjectMethod), SLOT(CallStaticObjectMethodV), SLOT(CallStaticObjectMethodA);
    SLOT(CallObjectMethod), SLOT(CallObjectMethodV), SLOT(CallObjectMethodA);
    return table;
}

const JNINativeInterface_ environmentFunctions = environmentTable();
JNIEnv_ environment{&environmentFunctions};

jint JNICALL DestroyJavaVM(JavaVM*) {
    record("DestroyJavaVM");
    return JNI_OK;
}

jint JNICALL AttachCurrentThreadAsDaemon(JavaVM*, void** threadEnvironment, void* args) {
    record(args ? "AttachCurrentThreadAsDaemon with arguments" : "AttachCurrentThreadAsDaemon");
    *threadEnvironment = &environment;
    return JNI_OK;
}

JNIInvokeInterface_ vmTable() {
    JNIInvokeInterface_ table;
    fillWithUnexpected<false>(table);
    SLOT(DestroyJavaVM), SLOT(AttachCurrentThreadAsDaemon);
#undef SLOT
    return table;
}

const JNIInvokeInterface_ vmFunctions = vmTable();
JavaVM_ vm{&vmFunctions};

}  // namespace

const VmRecord& vmRecord() { return recorded; }

std::string vmSetting(const std::string& key, const std::string& fallback) { return setting(config, key, fallback); }

void record(const std::string& line) { appendLine(ownDirectory() + L"jvm.log", line); }

JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** createdVm, void** createdEnvironment, void* args) {
    config = readFile(ownDirectory() + L"fakejvm.cfg");
    const auto* initArgs = static_cast<const JavaVMInitArgs*>(args);
    record("JNI_CreateJavaVM version=" + hex(initArgs->version) + " options=" + std::to_string(initArgs->nOptions) +
           " ignoreUnrecognized=" + (initArgs->ignoreUnrecognized ? "true" : "false"));
    for (jint i = 0; i < initArgs->nOptions; ++i) {
        record(std::string("option ") + initArgs->options[i].optionString);
        recorded.options.push_back(initArgs->options[i].optionString);
    }
    bool fails = vmSetting("create", "") == "fail";
    *createdVm = fails ? nullptr : &vm;
    *createdEnvironment = fails ? nullptr : &environment;
    return fails ? JNI_ERR : JNI_OK;
}
