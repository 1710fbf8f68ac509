#include "app/program_paths.h"

#include <windows.h>

namespace quillot {

std::string SystemTempPath() {
    char buffer[260] = {};
    GetTempPathA(259, buffer);
    return buffer;
}

}  // namespace quillot
