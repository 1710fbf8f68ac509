#include "reader/file_system.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"

namespace quillot {
namespace {

// A hand-over without a file name tests "??.xml": that must not find "ab.xml"
// through a wildcard, nor a file of that very name where names may hold "?".
TEST(IsExistingFile, NamesWithWildcardsNameNoFile) {
    test::TempFolder folder;
    folder.Write("ab.xml", "x");
#ifndef _WIN32
    folder.Write("??.xml", "x");
    folder.Write("a*", "x");
#endif
    const struct {
        const char* name;
        bool expected;
    } rows[] = {
        {"ab.xml", true}, {"??.xml", false}, {"a?.xml", false}, {"*.xml", false},
        {"a*", false},    {"ab.xm?", false}, {"*", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsExistingFile(folder.File(row.name)), row.expected) << row.name;
}

}  // namespace
}  // namespace quillot
