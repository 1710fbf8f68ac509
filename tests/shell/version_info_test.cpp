#include "shell/version_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_files.h"

namespace quillot {
namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

class VersionInfoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        VersionStrings = VersionStringSet();
        ProgramName = "app";
    }
};

TEST_F(VersionInfoTest, StartValues) {
    EXPECT_EQ(ProgramName, "app");
    EXPECT_EQ(VersionStrings.fileVersion, "v1.xx");
    EXPECT_EQ(VersionStrings.companyName, "unknown");
    EXPECT_EQ(VersionStrings.webSite, "");
}

// This test program carries the program's own resources.
TEST_F(VersionInfoTest, ReadsTheProgramsOwnVersionResource) {
    ReadVersionInfo();
    EXPECT_EQ(ProgramName, "Quillot");
    EXPECT_EQ(VersionStrings.fileVersion, "1.3.0");
    EXPECT_EQ(VersionStrings.companyName, "Quillot Developers");
    EXPECT_EQ(VersionStrings.webSite, "https://www.quillot.invalid/");
}

TEST_F(VersionInfoTest, KeysMissingFromAReadableResourceBecomeEmpty) {
    // Its string table 040904E4 holds only "FileVersion" and "ProductName".
    ReadVersionInfoFrom(ProgramFolder() + "shell_version_fixture.exe");
    EXPECT_EQ(ProgramName, "Fixture");
    EXPECT_EQ(VersionStrings.fileVersion, "9.8.7");
    EXPECT_EQ(VersionStrings.companyName, "");
    EXPECT_EQ(VersionStrings.webSite, "");
}

TEST_F(VersionInfoTest, AnUnreadableResourceKeepsTheStartValues) {
    test::TempFolder folder;
    const std::string files[] = {folder.Write("plain.exe", "MZ but nothing else"),
                                 folder.File("missing.exe")};
    for (const std::string& file : files) {
        ReadVersionInfoFrom(file);
        EXPECT_EQ(ProgramName, "app") << file;
        EXPECT_EQ(VersionStrings.fileVersion, "v1.xx") << file;
        EXPECT_EQ(VersionStrings.companyName, "unknown") << file;
        EXPECT_EQ(VersionStrings.webSite, "") << file;
    }
}

TEST(VersionResource, FixedPartAndStrings) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &unused);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010003u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const struct {
        const char* key;
        const char* value;
    } rows[] = {
        {"FileVersion", "1.3.0"},
        {"ProductVersion", "1.3.0"},
        {"ProductName", "Quillot"},
        {"OriginalFilename", "Quillot.exe"},
        {"FileDescription", "Viewer for PAD (Portable Application Description) files"},
        {"CompanyName", "Quillot Developers"},
        {"WebSite", "https://www.quillot.invalid/"},
    };
    for (const auto& row : rows) {
        char* value = nullptr;
        std::string key = std::string("\\StringFileInfo\\040904E4\\") + row.key;
        ASSERT_TRUE(
            VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            << row.key;
        EXPECT_STREQ(value, row.value) << row.key;
    }
}

}  // namespace
}  // namespace quillot
