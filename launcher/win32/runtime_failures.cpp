// What the C++ runtime does when the launcher runs out of memory or a library
// precondition fails. Nothing in the launcher catches these, so the default
// versions would only end the process after building an exception object
// and printing its demangled type, which links the exception classes, a
// second string implementation, the demangler and a printf into the file.
// These end the process the same way, directly.
#include <cstdlib>

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
