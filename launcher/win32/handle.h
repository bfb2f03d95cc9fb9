// Owners of Win32 handles: each closes its handle exactly once, on every path
// out of the scope that holds it.
#pragma once

#include <windows.h>

#include <utility>

template <typename Raw, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Raw raw) : raw_(raw) {}
    UniqueHandle(UniqueHandle&& other) noexcept : raw_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    explicit operator bool() const { return Traits::valid(raw_); }
    Raw get() const { return raw_; }
    Raw release() { return std::exchange(raw_, Traits::empty()); }
    void reset(Raw raw = Traits::empty()) {
        if (Traits::valid(raw_)) Traits::close(raw_);
        raw_ = raw;
    }
    // For functions that return the handle through a pointer.
    Raw* receive() {
        reset();
        return &raw_;
    }

private:
    Raw raw_ = Traits::empty();
};

// Kernel objects: files, pipes, processes, threads, tokens. Functions differ
// in how they say "none" (nullptr or INVALID_HANDLE_VALUE); both count.
struct KernelHandleTraits {
    static HANDLE empty() { return nullptr; }
    static bool valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { CloseHandle(h); }
};

struct RegistryKeyTraits {
    static HKEY empty() { return nullptr; }
    static bool valid(HKEY h) { return h != nullptr; }
    static void close(HKEY h) { RegCloseKey(h); }
};

struct FindHandleTraits {
    static HANDLE empty() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void close(HANDLE h) { FindClose(h); }
};

struct ModuleTraits {
    static HMODULE empty() { return nullptr; }
    static bool valid(HMODULE h) { return h != nullptr; }
    static void close(HMODULE h) { FreeLibrary(h); }
};

using Handle = UniqueHandle<HANDLE, KernelHandleTraits>;
using RegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;
using FindHandle = UniqueHandle<HANDLE, FindHandleTraits>;
using Module = UniqueHandle<HMODULE, ModuleTraits>;
