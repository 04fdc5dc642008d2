#ifndef KEST_BENCHMARKS_HEAP_COUNTER_H
#define KEST_BENCHMARKS_HEAP_COUNTER_H
// Counts the heap allocations that the calling thread makes. The benchmark executable defines
// and exports malloc, calloc, realloc, posix_memalign, aligned_alloc, memalign and the global
// operator new, so that the plug-in's, libftgl's, FreeType's, Qt's and libGL's calls reach these
// counting definitions, which hand them on to glibc's allocator.

namespace kestbench {

struct HeapCount {
    unsigned long allocations = 0; //!< every allocation, whoever asked (operator new's included)
    unsigned long news = 0;        //!< of which through operator new
};

//! The calling thread's allocations so far.
HeapCount HeapCountNow();

//! The allocations between pBefore and pAfter.
HeapCount operator-(const HeapCount& pAfter, const HeapCount& pBefore);

} // namespace kestbench

#endif // KEST_BENCHMARKS_HEAP_COUNTER_H
