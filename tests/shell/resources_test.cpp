// The compiled resources that this test program shares with Quillot.exe:
// manifest, icon group and dialog templates.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "resources/resource.h"

namespace quillot {
namespace {

std::string ResourceText(LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(nullptr, name, type);
    if (found == nullptr) return std::string();
    HGLOBAL loaded = LoadResource(nullptr, found);
    return std::string(static_cast<const char*>(LockResource(loaded)),
                       SizeofResource(nullptr, found));
}

TEST(Manifest, AsksForCommonControlsSixAndNoExecutionLevel) {
    std::string manifest = ResourceText(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    // Without a requested execution level, settings writes under Program
    // Files are redirected to the VirtualStore instead of failing.
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
}

// Wine 8 honours this part of the manifest only with DpiScalingVer set, and
// then not as Windows does (the program asks again at run time); the text is
// what Windows reads.
TEST(Manifest, DeclaresPerMonitorDpiAwareness) {
    const std::string manifest = ResourceText(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    for (const char* part :
         {"<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">", "<windowsSettings>",
          "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm"
          "</dpiAware>",
          "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
          "PerMonitorV2, PerMonitor</dpiAwareness>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

TEST(Manifest, NamesTheProgramsVersionAndProcessor) {
    // Windows refuses to start a program whose manifest names another
    // processor than the program's own (a side-by-side configuration error).
#ifdef _WIN64
    const std::string processor = "processorArchitecture=\"amd64\"";
#else
    const std::string processor = "processorArchitecture=\"x86\"";
#endif
    const std::string manifest = ResourceText(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    EXPECT_NE(manifest.find("name=\"Quillot.Viewer\" version=\"1.3.0.0\" " + processor),
              std::string::npos)
        << manifest;
}

TEST(Manifest, CommonControlsSixAreInUse) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    // Version 6 lives in the side-by-side store; the manifest binds the
    // program to that copy instead of the one in the system folder.
    HMODULE controls = GetModuleHandleA("comctl32.dll");
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(controls, path, MAX_PATH);
    std::string lower(path);
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("\\winsxs\\"), std::string::npos) << path;
    EXPECT_NE(lower.find("common-controls"), std::string::npos) << path;
}

TEST(Icon, MainGroupHasThirtyTwoAndSixteenPixelImages) {
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), "MAIN", IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap = {};
        GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    // The group lists exactly the two images.
    std::string group = ResourceText("MAIN", MAKEINTRESOURCEA(14));
    ASSERT_GE(group.size(), 6u);
    EXPECT_EQ(static_cast<unsigned char>(group[4]), 2);
}

TEST(DialogTemplates, ArePresent) {
    for (const char* name : {"DLG_MSG", "DLG_SETUP", "DLG_SETUP_EXTENSIONS"}) {
        EXPECT_NE(FindResourceA(nullptr, name, MAKEINTRESOURCEA(5)), nullptr) << name;
    }
}

}  // namespace
}  // namespace quillot
