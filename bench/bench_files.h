// What the benchmarks work on: a scratch folder (removed at exit), the real
// PAD corpus, the generated large files (made once, on first use) and the
// programs measured from outside.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bench/pad_generator.h"

namespace quillot::bench {

// The typical PAD file of the corpus that the pipeline benchmark reads
// (15 KB: two language sections, long multi-line descriptions).
constexpr const char* TypicalCorpusFile = "floriwan_jogoverein_pad_file.xml";

// A folder of its own for this benchmark run, ending in "/".
const std::string& ScratchFolder();
// A fresh sub-folder of the scratch folder, ending in "/".
std::string NewScratchFolder(const std::string& name);

std::string CorpusPath(const std::string& name);
const std::vector<std::string>& CorpusFiles();  // every *.xml, sorted

// How many times the batch benchmarks take the corpus: 3,000 files.
constexpr int CorpusCopies = 50;
// The corpus copied CorpusCopies times into folders 01, 02, ... of the
// scratch folder (made once, on first use), in that order.
const std::vector<std::string>& CopiedCorpusFiles();

// The generated file of about `megabytes` MB (10 * 2^20 for 10 and so on).
const std::string& GeneratedFile(size_t megabytes);
size_t FileSize(const std::string& path);
// A file of the shape, at least `bytes` long (made once, on first use).
const std::string& ShapeFile(MemoryShape shape, size_t bytes);
// An empty file: the document of the memory baseline.
const std::string& EmptyFile();

// The quillot-render program of this build tree.
const char* QuillotRenderPath();

}  // namespace quillot::bench
