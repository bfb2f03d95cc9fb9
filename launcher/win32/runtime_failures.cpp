// What the C++ runtime does when the launcher runs out of memory or a library
// precondition fails. Nothing in the launcher catches these, so the default
// versions would only end the process after building an exception object
// and printing its demangled type, which links the exception classes, a
// second string implementation, the demangler and a printf into the file.
// These end the process the same way, directly.
#include <cstdlib>
#include <new>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_cast() { abort(); }
void __throw_bad_exception() { abort(); }
void __throw_bad_function_call() { abort(); }
void __throw_bad_typeid() { abort(); }
void __throw_domain_error(const char*) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_overflow_error(const char*) { abort(); }
void __throw_range_error(const char*) { abort(); }
void __throw_runtime_error(const char*) { abort(); }
void __throw_underflow_error(const char*) { abort(); }
}  // namespace std

// The library's operator new throws bad_alloc, which alone links the whole
// exception runtime and, for its thread-local state, the threads library.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
