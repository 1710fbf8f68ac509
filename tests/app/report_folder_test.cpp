#include "app/report_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace quillot {
namespace {

TEST(ReportFolder, AnUnusableTemporaryFolderGivesWayToTheLocalApplicationDataTemp) {
    test::TempFolder usable;
    EXPECT_EQ(ChooseReportFolder(usable.PathWithSeparator()), usable.PathWithSeparator());
    // GetTempPathA failed (or overflowed), a relative path, a folder that is gone.
    for (const std::string reported : {"", "reports\\", "Z:\\no such folder\\"}) {
        const std::string chosen = ChooseReportFolder(reported);
        ASSERT_GT(chosen.size(), 3u) << reported;
        EXPECT_EQ(chosen.substr(1, 2), ":\\") << chosen;
        EXPECT_EQ(chosen.substr(chosen.size() - 5), "\\Temp") << chosen;
        const DWORD attributes = GetFileAttributesA(chosen.c_str());
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES &&
                    (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            << chosen;
    }
}

}  // namespace
}  // namespace quillot
