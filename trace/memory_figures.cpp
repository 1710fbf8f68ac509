#include "trace/memory_figures.h"

#include <windows.h>
#include <malloc.h>

namespace quillot {
namespace {

uint32_t Saturated(uint64_t n) {
    return n > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(n);
}

}  // namespace

MemoryFigures TakeMemoryFigures() {
    uint64_t allocated = 0;
    uint64_t free = 0;
    _HEAPINFO block{};
    block._pentry = nullptr;
    while (_heapwalk(&block) == _HEAPOK) {
        if (block._useflag == _USEDENTRY) {
            allocated += block._size;
        } else {
            free += block._size;
        }
    }

    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);

    MemoryFigures figures{};
    figures.heapAllocated = Saturated(allocated);
    figures.heapFree = Saturated(free);
    figures.availablePhysical = Saturated(status.dwAvailPhys);
    figures.availableVirtual = Saturated(status.dwAvailVirtual);
    figures.availablePageFile = Saturated(status.dwAvailPageFile);
    return figures;
}

}  // namespace quillot
