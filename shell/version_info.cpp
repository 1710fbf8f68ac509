#include "shell/version_info.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "settings/program_location.h"

namespace quillot {

std::string ProgramName = "app";
VersionStringSet VersionStrings;

namespace {

std::string StringValue(const std::vector<char>& block, const char* key) {
    std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path.c_str(), &value, &length) || value == nullptr) {
        return std::string();
    }
    const char* text = static_cast<const char*>(value);
    return std::string(text, strnlen(text, length));
}

}  // namespace

void ReadVersionInfoFrom(const std::string& file) {
    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &unused);
    if (size == 0) return;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return;
    VersionStrings.fileVersion = StringValue(block, "FileVersion");
    VersionStrings.companyName = StringValue(block, "CompanyName");
    VersionStrings.webSite = StringValue(block, "WebSite");
    ProgramName = StringValue(block, "ProductName");
}

void ReadVersionInfo() {
    ReadVersionInfoFrom(ProgramFilePath());
}

}  // namespace quillot
