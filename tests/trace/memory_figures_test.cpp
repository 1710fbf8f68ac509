#include "trace/memory_figures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace quillot {
namespace {

constexpr size_t Block = 3 * 1024 * 1024;

// The heap figures follow the program's own allocations.
TEST(MemoryFigures, HeapFiguresFollowAllocations) {
    const MemoryFigures before = TakeMemoryFigures();
    char* volatile block = static_cast<char*>(std::malloc(Block));
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, Block);
    const MemoryFigures during = TakeMemoryFigures();
    std::free(block);
    const MemoryFigures after = TakeMemoryFigures();

    EXPECT_GT(before.heapAllocated, 0u);
    EXPECT_GE(during.heapAllocated, before.heapAllocated + Block);
    EXPECT_LE(after.heapAllocated, during.heapAllocated - Block);
}

TEST(MemoryFigures, NewAllocatesFromTheSameHeap) {
    const MemoryFigures before = TakeMemoryFigures();
    char* volatile block = new char[Block];
    block[0] = 1;
    const MemoryFigures during = TakeMemoryFigures();
    delete[] block;
    EXPECT_GE(during.heapAllocated, before.heapAllocated + Block);
}

TEST(MemoryFigures, FreedSmallBlocksStayInTheHeapAsFreeBytes) {
    constexpr size_t Small = 64 * 1024;
    char* volatile block = static_cast<char*>(std::malloc(Small));
    std::memset(block, 1, Small);
    const MemoryFigures during = TakeMemoryFigures();
    std::free(block);
    const MemoryFigures after = TakeMemoryFigures();
    EXPECT_GE(after.heapFree, during.heapFree + Small / 2);
}

TEST(MemoryFigures, MachineFiguresAreThere) {
    const MemoryFigures figures = TakeMemoryFigures();
    EXPECT_GT(figures.availablePhysical, 0u);
    EXPECT_GT(figures.availableVirtual, 0u);
    EXPECT_GT(figures.availablePageFile, 0u);
}

}  // namespace
}  // namespace quillot
