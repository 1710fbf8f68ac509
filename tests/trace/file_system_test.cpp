#include "reader/file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"

namespace quillot {
namespace {

TEST(IsExistingFile, FilesCountFoldersDoNot) {
    test::TempFolder folder;
    const std::string file = folder.Write("a.log", "x");
    const std::string hidden = folder.Write("hidden.log", "x");
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    const std::string readOnly = folder.Write("readonly.log", "");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string sub = folder.File("sub");
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));

    const struct {
        std::string path;
        bool expected;
    } rows[] = {
        {file, true},
        {hidden, true},
        {readOnly, true},
        {folder.File("A.LOG"), true},
        {sub, false},
        {sub + "\\", false},
        {folder.Path(), false},
        {folder.File("missing.log"), false},
        {folder.File("missing\\a.log"), false},
        {"", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsExistingFile(row.path), row.expected) << row.path;
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace quillot
