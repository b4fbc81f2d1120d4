// malloc and its kin replaced for this program: each passes on to the C library's own and
// counts what the block really holds (malloc_usable_size).

#include "HeapCount.h"

#include <malloc.h>

#include <atomic>
#include <cerrno>

extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);
}

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void Added(void* block) {
  if (block == nullptr) return;
  const std::size_t now = inUse += malloc_usable_size(block);
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
}

void Removed(void* block) {
  if (block != nullptr) inUse -= malloc_usable_size(block);
}

}  // namespace

extern "C" {

void* malloc(std::size_t size) {
  void* block = __libc_malloc(size);
  Added(block);
  return block;
}

void* calloc(std::size_t count, std::size_t size) {
  void* block = __libc_calloc(count, size);
  Added(block);
  return block;
}

void* realloc(void* old, std::size_t size) {
  Removed(old);
  void* block = __libc_realloc(old, size);
  // A failed realloc keeps the old block.
  Added(block == nullptr && size != 0 ? old : block);
  return block;
}

void free(void* block) {
  Removed(block);
  __libc_free(block);
}

void* memalign(std::size_t alignment, std::size_t size) {
  void* block = __libc_memalign(alignment, size);
  Added(block);
  return block;
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
  return memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
  void* block = memalign(alignment, size);
  if (block == nullptr) return ENOMEM;
  *result = block;
  return 0;
}

}  // extern "C"

namespace benchmpp {

std::size_t HeapInUse() {
  return inUse.load();
}
std::size_t HeapPeak() {
  return peak.load();
}
void ResetPeak() {
  peak.store(inUse.load());
}

}  // namespace benchmpp
