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

// The allocation functions and the guard of function-local statics, in
// place of the runtime's: those report failure by throwing, and so pull in
// the whole exception machinery and its unwinder (over 30 KB) for an
// exception nothing here could catch. Out of memory ends the process, as an
// uncaught std::bad_alloc would.
#include <windows.h>

#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

// A static's guard: the compiler tests its first byte, set once the static
// is made; the next four bytes say which thread is making it. Statics are
// made on the window's thread and on the wait's worker thread.
namespace {
struct StaticGuard {
    volatile char done;
    char pad[3];
    volatile LONG maker;
};
}  // namespace

extern "C" int __cxa_guard_acquire(long long* guard) {
    auto* g = reinterpret_cast<StaticGuard*>(guard);
    const LONG self = static_cast<LONG>(::GetCurrentThreadId());
    for (;;) {
        if (g->done) return 0;
        const LONG maker = ::InterlockedCompareExchange(&g->maker, self, 0);
        if (maker == 0) break;
        if (maker == self) std::abort();  // the static's own initialiser needs it
        ::Sleep(0);
    }
    if (!g->done) return 1;
    ::InterlockedExchange(&g->maker, 0);
    return 0;
}

extern "C" void __cxa_guard_release(long long* guard) {
    auto* g = reinterpret_cast<StaticGuard*>(guard);
    ::InterlockedExchange(reinterpret_cast<volatile LONG*>(&g->done) , 1);
    ::InterlockedExchange(&g->maker, 0);
}

extern "C" void __cxa_guard_abort(long long* guard) {
    ::InterlockedExchange(&reinterpret_cast<StaticGuard*>(guard)->maker, 0);
}
