// The recorder of the profiling programs: each mark is kept with the time at
// which it was passed, and at the end all are written, in their order, into
// PROGRAM.marks beside the program: one line per mark with the milliseconds
// from the creation of the process, a tab, and the mark's name.
#pragma once

namespace quillot::bench {

// The first mark, "program entry", taken at the start of WinMain.
void BeginMarks();
void RecordMark(const char* point);
// Returns false when the file cannot be written.
bool WriteMarks();

}  // namespace quillot::bench
