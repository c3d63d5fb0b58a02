// Counts heap allocations in the benchmark program: malloc and its family
// are replaced (as glibc allows) by thin wrappers that count and hand on to
// glibc's own allocator. operator new ends in malloc, so it is counted too.
#include "alloc_count.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {
std::atomic<long> allocations{0};
void count() { allocations.fetch_add(1, std::memory_order_relaxed); }
}  // namespace

long heap_allocations() { return allocations.load(std::memory_order_relaxed); }

extern "C" {
void* malloc(std::size_t size) {
  count();
  return __libc_malloc(size);
}
void* calloc(std::size_t count_, std::size_t size) {
  count();
  return __libc_calloc(count_, size);
}
void* realloc(void* block, std::size_t size) {
  count();
  return __libc_realloc(block, size);
}
void* memalign(std::size_t alignment, std::size_t size) {
  count();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  void* block = memalign(alignment, size);
  if (block == nullptr) return ENOMEM;
  *out = block;
  return 0;
}
void free(void* block) { __libc_free(block); }
}
