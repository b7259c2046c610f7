// Linked into the program only (the tests keep the full runtime).
//
// The static C++ runtime reports a failed library precondition by building and throwing
// a std::logic_error, and an uncaught exception by printing its demangled
// type; together these pull in the demangler and a second, reference-counted
// string implementation: well over half of the program's size. Our code
// catches no exception, and a program without a console has nowhere to
// print, so each of these would end the process anyway: here it ends at once.
#include <cstdlib>
#include <string>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_bad_cast() { std::abort(); }
[[noreturn]] void __throw_bad_exception() { std::abort(); }
[[noreturn]] void __throw_bad_typeid() { std::abort(); }
[[noreturn]] void __throw_domain_error(const char*) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_overflow_error(const char*) { std::abort(); }
[[noreturn]] void __throw_range_error(const char*) { std::abort(); }
[[noreturn]] void __throw_runtime_error(const char*) { std::abort(); }
[[noreturn]] void __throw_underflow_error(const char*) { std::abort(); }
}  // namespace std

// The runtime's ready-made instantiations of the two string classes come as
// one block each, about 35 KB, whatever few members the program calls.
// Instantiated here, each member in a section of its own, the linker keeps
// only those the program calls, and never reaches for the runtime's blocks.
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;
