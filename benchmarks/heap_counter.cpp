// The counting allocation functions. glibc's allocator is reached through its __libc_ entry
// points, which it exports for such wrappers; free and operator delete are glibc's and
// libstdc++'s own, since every block still comes from glibc's allocator.

#include "heap_counter.h"

#include <cerrno>
#include <cstddef>
#include <new>

// Neither <cstdlib> nor <malloc.h> is included: their declarations name the parameters with
// glibc's reserved names, which these definitions would have to repeat.

// NOLINTBEGIN(bugprone-reserved-identifier): glibc's names for its own allocator.
extern "C" {
void* __libc_malloc(std::size_t pSize);
void* __libc_calloc(std::size_t pCount, std::size_t pSize);
void* __libc_realloc(void* pBlock, std::size_t pSize);
void* __libc_memalign(std::size_t pAlignment, std::size_t pSize);
}
// NOLINTEND(bugprone-reserved-identifier)

namespace {

// Per thread, so that what llvmpipe's rasteriser threads allocate is left out.
thread_local unsigned long tAllocations = 0;
thread_local unsigned long tNews = 0;

} // namespace

extern "C" {

void* malloc(std::size_t pSize) noexcept
{
    ++tAllocations;
    return __libc_malloc(pSize);
}

void* calloc(std::size_t pCount, std::size_t pSize) noexcept
{
    ++tAllocations;
    return __libc_calloc(pCount, pSize);
}

void* realloc(void* pBlock, std::size_t pSize) noexcept
{
    ++tAllocations;
    return __libc_realloc(pBlock, pSize);
}

void* memalign(std::size_t pAlignment, std::size_t pSize) noexcept
{
    ++tAllocations;
    return __libc_memalign(pAlignment, pSize);
}

void* aligned_alloc(std::size_t pAlignment, std::size_t pSize) noexcept
{
    ++tAllocations;
    return __libc_memalign(pAlignment, pSize);
}

int posix_memalign(void** pBlock, std::size_t pAlignment, std::size_t pSize) noexcept
{
    if (pAlignment % sizeof(void*) != 0 || (pAlignment & (pAlignment - 1)) != 0) return EINVAL;
    ++tAllocations;
    void* lBlock = __libc_memalign(pAlignment, pSize);
    if (!lBlock) return ENOMEM;
    *pBlock = lBlock;
    return 0;
}

} // extern "C"

// libstdc++'s other forms of operator new (array, nothrow) call this one.
void* operator new(std::size_t pSize)
{
    ++tNews;
    void* lBlock = malloc(pSize ? pSize : 1);
    if (!lBlock) throw std::bad_alloc();
    return lBlock;
}

namespace kestbench {

HeapCount HeapCountNow()
{
    HeapCount lCount;
    lCount.allocations = tAllocations;
    lCount.news = tNews;
    return lCount;
}

HeapCount operator-(const HeapCount& pAfter, const HeapCount& pBefore)
{
    HeapCount lCount;
    lCount.allocations = pAfter.allocations - pBefore.allocations;
    lCount.news = pAfter.news - pBefore.news;
    return lCount;
}

} // namespace kestbench
