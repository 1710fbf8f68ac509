// The memory figures of the trace commands "%LMEM", "%MEM" and "%GMEM".
#pragma once

#include <cstdint>

namespace quillot {

struct MemoryFigures {
    uint32_t heapAllocated;      // bytes in use in the program's own heap
    uint32_t heapFree;           // free bytes the program's own heap holds
    uint32_t availablePhysical;  // of the machine
    uint32_t availableVirtual;   // address space left to the process
    uint32_t availablePageFile;
};

// Taken afresh at each call. The program's own heap is the C runtime's heap,
// from which malloc and operator new allocate; it is walked block by block.
MemoryFigures TakeMemoryFigures();

}  // namespace quillot
