#include "config/allocation_count.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

thread_local bool tCounting = false;
thread_local int tMade = 0;

void NoteAllocation() {
  if (tCounting) ++tMade;
}

}  // namespace

TAllocationCount::TAllocationCount() {
  tMade = 0;
  tCounting = true;
}

TAllocationCount::~TAllocationCount() { tCounting = false; }

int TAllocationCount::Made() const { return tMade; }

#if defined(__SANITIZE_ADDRESS__)

// AddressSanitizer owns operator new and checks that new and delete match; replacing them would
// blind it for every test, so its allocator's hook does the counting instead.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            size_t),
                                                         void (*freeHook)(const volatile void*));

namespace {

const bool kHooksInstalled = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void*, size_t) { NoteAllocation(); }, [](const volatile void*) {});

}  // namespace

#else

void* operator new(std::size_t size) {
  NoteAllocation();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

#endif

const void* volatile gEscapedPointer = nullptr;

void EscapeToOptimizer(const void* pointer) { gEscapedPointer = pointer; }
