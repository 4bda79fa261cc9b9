// The executable is built without exceptions. The standard library's own
// throwing helpers would still pull in the exception machinery and the
// demangler (about 100 KiB), so they are replaced here: the only failure they
// report in this program is running out of memory, which ends the process
// with the error exit code and no output.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void OutOfMemory() { ExitProcess(255); }

}  // namespace

namespace std {

[[noreturn]] void __throw_length_error(const char*) { OutOfMemory(); }
[[noreturn]] void __throw_logic_error(const char*) { OutOfMemory(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { OutOfMemory(); }
[[noreturn]] void __throw_bad_alloc() { OutOfMemory(); }
[[noreturn]] void __throw_bad_array_new_length() { OutOfMemory(); }

}  // namespace std

void* operator new(std::size_t size) {
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) OutOfMemory();
  return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
