#include "bench/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<uint64_t> allocations{0};
std::atomic<uint64_t> deallocations{0};

void* Allocate(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void Deallocate(void* p) noexcept {
  if (p == nullptr) return;
  deallocations.fetch_add(1, std::memory_order_relaxed);
  std::free(p);
}
}  // namespace

uint64_t AllocationCount() {
  return allocations.load(std::memory_order_relaxed);
}

int64_t LiveAllocationCount() {
  return static_cast<int64_t>(allocations.load(std::memory_order_relaxed) -
                              deallocations.load(std::memory_order_relaxed));
}

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  Deallocate(p);
}
void operator delete[](void* p) noexcept {
  Deallocate(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Deallocate(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Deallocate(p);
}
