// The platform's temporary folder, where the report files go.
#pragma once

#include <string>

namespace quillot {

// The system's temporary folder as GetTempPathA reports it.
std::string SystemTempPath();

}  // namespace quillot
