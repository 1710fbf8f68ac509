#include "app/startup_marks.h"

namespace quillot {

StartupMarkRecorder startupMarkRecorder = nullptr;

}  // namespace quillot
