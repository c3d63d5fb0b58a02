// The replaced global operator new and delete of the test binary: plain
// malloc and free, with the largest request remembered. Replacing them is
// allowed by the language and works under the address sanitizer, which
// still sees every block through malloc.
#include "reliability/allocation_guard.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> largest{0};

void note_request(std::size_t size) {
  std::size_t seen = largest.load(std::memory_order_relaxed);
  while (size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
  }
}

void* allocate(std::size_t size) {
  note_request(size);
  return std::malloc(size == 0 ? 1 : size);
}

void* allocate_or_throw(std::size_t size) {
  if (void* block = allocate(size)) return block;
  throw std::bad_alloc();
}

}  // namespace

namespace guard {
std::size_t largest_request() { return largest.load(); }
void reset_largest_request() { largest.store(0); }
}  // namespace guard

void* operator new(std::size_t size) { return allocate_or_throw(size); }
void* operator new[](std::size_t size) { return allocate_or_throw(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
