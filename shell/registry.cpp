#include "shell/registry.h"

#include <vector>

namespace quillot {
namespace {

// The buffer a value is first read into; 998 characters and the NUL fit.
constexpr DWORD ValueBufferSize = 999;
// Longest key name the registry allows, plus the NUL.
constexpr DWORD KeyNameBufferSize = 256;
// A value that keeps growing between the size query and the read is given up.
constexpr int MaxReadAttempts = 4;

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[KeyNameBufferSize];
    for (DWORD index = 0;; ++index) {
        DWORD length = KeyNameBufferSize;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    return names;
}

}  // namespace

std::string RegistryReadValue(HKEY root, const std::string& subKey, const std::string& valueName) {
    HKEY key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    std::vector<char> buffer(ValueBufferSize);
    DWORD size = ValueBufferSize;
    LONG status = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(buffer.data()), &size);
    // A longer value is read whole rather than cut: a shortened command saved
    // for restoring would later be written back broken.
    for (int attempt = 1; status == ERROR_MORE_DATA && attempt < MaxReadAttempts; ++attempt) {
        buffer.resize(size > buffer.size() ? size : 2 * buffer.size());
        size = static_cast<DWORD>(buffer.size());
        status = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {};
    // The stored data need not end in a NUL; only the bytes read count.
    std::string text(buffer.data(), size < buffer.size() ? size : buffer.size());
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return text;
}

void RegistryWriteValue(HKEY root, const std::string& subKey, const std::string& valueName,
                        const std::string& text) {
    HKEY key;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

LONG RegistryDeleteKey(HKEY root, const std::string& subKey) {
    // The system would read an empty path as the root itself.
    if (subKey.empty()) return ERROR_INVALID_PARAMETER;
    HKEY key;
    const LONG status = RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return status;
    const std::vector<std::string> children = SubkeyNames(key);
    RegCloseKey(key);
    for (const std::string& child : children) {
        RegistryDeleteKey(root, subKey + "\\" + child);
    }
    return RegDeleteKeyA(root, subKey.c_str());
}

}  // namespace quillot
