#include "shell/registry.h"

#include <utility>

namespace quillot {
namespace {

// The buffer a value is first read into; 998 characters and the NUL fit.
constexpr DWORD ValueBufferSize = 999;
// Key names have at most 255 characters, value names 16383; a double-byte
// code page may need two bytes for each, and the NUL.
constexpr DWORD KeyNameBufferSize = 2 * 255 + 1;
constexpr DWORD ValueNameBufferSize = 2 * 16383 + 1;
// A value that keeps growing between the size query and the read is given up.
constexpr int MaxReadAttempts = 4;

// A key opened or created by path, closed at the end of the scope.
class OpenedKey {
  public:
    OpenedKey() = default;
    ~OpenedKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    LONG Open(HKEY root, const std::string& path, REGSAM access) {
        return Done(RegOpenKeyExA(root, path.c_str(), 0, access, &key_));
    }
    LONG Create(HKEY root, const std::string& path, REGSAM access) {
        return Done(RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                    nullptr, &key_, nullptr));
    }
    HKEY get() const { return key_; }

  private:
    LONG Done(LONG status) {
        if (status != ERROR_SUCCESS) key_ = nullptr;
        return status;
    }
    HKEY key_ = nullptr;
};

LONG SubkeyNames(HKEY key, std::vector<std::string>& names) {
    char name[KeyNameBufferSize];
    for (DWORD index = 0;; ++index) {
        DWORD length = KeyNameBufferSize;
        const LONG status =
            RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS) return status;
        names.emplace_back(name, length);
    }
}

LONG ReadValues(HKEY key, std::vector<RegistryValue>& values) {
    std::vector<char> name(ValueNameBufferSize);
    std::string data(ValueBufferSize, '\0');
    for (DWORD index = 0;; ++index) {
        RegistryValue value;
        LONG status = ERROR_MORE_DATA;
        for (int attempt = 0; status == ERROR_MORE_DATA && attempt < MaxReadAttempts; ++attempt) {
            DWORD nameLength = ValueNameBufferSize;
            DWORD size = static_cast<DWORD>(data.size());
            status = RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &value.type,
                                   reinterpret_cast<BYTE*>(data.data()), &size);
            if (status == ERROR_SUCCESS) {
                value.name.assign(name.data(), nameLength);
                value.data.assign(data.data(), size);
            } else if (status == ERROR_MORE_DATA) {
                data.resize(size > data.size() ? size : 2 * data.size());
            }
        }
        if (status == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS) return status;
        values.push_back(std::move(value));
    }
}

LONG ReadTree(HKEY root, const std::string& path, const std::string& relative,
              std::vector<RegistryKeyContents>& tree) {
    OpenedKey key;
    LONG status = key.Open(root, path, KEY_READ);
    if (status != ERROR_SUCCESS) return status;
    RegistryKeyContents contents{relative, {}};
    std::vector<std::string> children;
    if ((status = ReadValues(key.get(), contents.values)) != ERROR_SUCCESS ||
        (status = SubkeyNames(key.get(), children)) != ERROR_SUCCESS) {
        return status;
    }
    tree.push_back(std::move(contents));
    for (const std::string& child : children) {
        status = ReadTree(root, path + "\\" + child,
                          relative.empty() ? child : relative + "\\" + child, tree);
        // A subkey deleted since the listing is simply no longer part of the tree.
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
    }
    return ERROR_SUCCESS;
}

}  // namespace

std::string RegistryReadValue(HKEY root, const std::string& subKey, const std::string& valueName) {
    OpenedKey key;
    if (key.Open(root, subKey, KEY_READ) != ERROR_SUCCESS) return {};
    std::vector<char> buffer(ValueBufferSize);
    DWORD size = ValueBufferSize;
    LONG status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(buffer.data()), &size);
    // A longer value is read whole rather than cut: a shortened command saved
    // for restoring would later be written back broken.
    for (int attempt = 1; status == ERROR_MORE_DATA && attempt < MaxReadAttempts; ++attempt) {
        buffer.resize(size > buffer.size() ? size : 2 * buffer.size());
        size = static_cast<DWORD>(buffer.size());
        status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    }
    if (status != ERROR_SUCCESS) return {};
    // The stored data need not end in a NUL; only the bytes read count.
    std::string text(buffer.data(), size < buffer.size() ? size : buffer.size());
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return text;
}

LONG RegistryWriteValue(HKEY root, const std::string& subKey, const std::string& valueName,
                        const std::string& text) {
    return RegistrySetValue(root, subKey,
                            {valueName, REG_SZ, std::string(text.c_str(), text.size() + 1)});
}

LONG RegistryDeleteKey(HKEY root, const std::string& subKey) {
    // The system would read an empty path as the root itself.
    if (subKey.empty()) return ERROR_INVALID_PARAMETER;
    std::vector<std::string> children;
    {
        OpenedKey key;
        const LONG status = key.Open(root, subKey, KEY_READ);
        if (status != ERROR_SUCCESS) return status;
        SubkeyNames(key.get(), children);
    }
    for (const std::string& child : children) {
        RegistryDeleteKey(root, subKey + "\\" + child);
    }
    return RegDeleteKeyA(root, subKey.c_str());
}

LONG RegistryReadTree(HKEY root, const std::string& subKey,
                      std::vector<RegistryKeyContents>& tree) {
    tree.clear();
    const LONG status = ReadTree(root, subKey, "", tree);
    if (status != ERROR_SUCCESS) tree.clear();
    return status;
}

LONG RegistryKeyStatus(HKEY root, const std::string& subKey) {
    OpenedKey key;
    return key.Open(root, subKey, KEY_READ);
}

LONG RegistrySubkeyNames(HKEY root, const std::string& subKey, std::vector<std::string>& names) {
    names.clear();
    OpenedKey key;
    LONG status = key.Open(root, subKey, KEY_READ);
    if (status == ERROR_SUCCESS) status = SubkeyNames(key.get(), names);
    if (status != ERROR_SUCCESS) names.clear();
    return status;
}

LONG RegistryCreateKey(HKEY root, const std::string& subKey) {
    OpenedKey key;
    return key.Create(root, subKey, KEY_WRITE);
}

LONG RegistrySetValue(HKEY root, const std::string& subKey, const RegistryValue& value) {
    OpenedKey key;
    const LONG status = key.Create(root, subKey, KEY_ALL_ACCESS);
    if (status != ERROR_SUCCESS) return status;
    return RegSetValueExA(key.get(), value.name.c_str(), 0, value.type,
                          reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size()));
}

LONG RegistryDeleteValue(HKEY root, const std::string& subKey, const std::string& valueName) {
    OpenedKey key;
    const LONG status = key.Open(root, subKey, KEY_SET_VALUE);
    if (status != ERROR_SUCCESS) return status;
    return RegDeleteValueA(key.get(), valueName.c_str());
}

LONG RegistryDeleteEmptyKey(HKEY root, const std::string& subKey) {
    if (subKey.empty()) return ERROR_INVALID_PARAMETER;
    DWORD subkeys = 0;
    DWORD values = 0;
    {
        OpenedKey key;
        LONG status = key.Open(root, subKey, KEY_READ);
        if (status == ERROR_SUCCESS) {
            status = RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr,
                                      nullptr, &values, nullptr, nullptr, nullptr, nullptr);
        }
        if (status != ERROR_SUCCESS) return status;
    }
    if (subkeys != 0 || values != 0) return ERROR_DIR_NOT_EMPTY;
    return RegDeleteKeyA(root, subKey.c_str());
}

}  // namespace quillot
