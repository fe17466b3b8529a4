// The C++ runtime's failure paths, for a program built without exceptions.
//
// The library would throw here: a failed allocation, a string grown past its
// limits. Nothing in this program can catch, so each of these ends the
// process. Defining them here keeps the runtime's exception and unwinding
// machinery (a third of the program's size) out of the executable.
#include <cstddef>
#include <cstdlib>

namespace {

[[noreturn]] void Fail() { std::abort(); }

void* Allocate(std::size_t size) {
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    Fail();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace std {

[[noreturn]] void __throw_bad_alloc() { Fail(); }
[[noreturn]] void __throw_bad_array_new_length() { Fail(); }
[[noreturn]] void __throw_length_error(const char*) { Fail(); }
[[noreturn]] void __throw_logic_error(const char*) { Fail(); }
[[noreturn]] void __throw_out_of_range(const char*) { Fail(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { Fail(); }
[[noreturn]] void __throw_invalid_argument(const char*) { Fail(); }

}  // namespace std
