#include "tests/shell/registry_probe.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace quillot::test {
namespace {

class OpenKey {
  public:
    OpenKey(const std::string& path) {
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_;
};

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return names;
        }
        names.emplace_back(name, length);
    }
}

// The name as the registry stores it, found among the subkeys of
// HKEY_CLASSES_ROOT (lookups by name ignore letter case).
std::string StoredTopName(const std::string& name) {
    for (const std::string& stored : SubkeyNames(HKEY_CLASSES_ROOT)) {
        if (lstrcmpiA(stored.c_str(), name.c_str()) == 0) return stored;
    }
    return name;
}

void DumpKey(const std::string& shownPath, const std::string& path,
             std::vector<std::string>& lines) {
    OpenKey key(path);
    if (!key.get()) return;
    lines.push_back(shownPath);
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        std::string data(size, '\0');
        nameLength = sizeof name;
        RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type,
                      reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
        if ((type == REG_SZ || type == REG_EXPAND_SZ) && !data.empty() && data.back() == '\0') {
            data.pop_back();
        }
        std::string line =
            shownPath + " " + (nameLength == 0 ? "@" : std::string(name)) + " = " + data;
        if (type != REG_SZ) line += " [type " + std::to_string(type) + "]";
        lines.push_back(line);
    }
    for (const std::string& child : SubkeyNames(key.get())) {
        DumpKey(shownPath + "\\" + child, path + "\\" + child, lines);
    }
}

}  // namespace

bool KeyExists(const std::string& path) {
    return OpenKey(path).get() != nullptr;
}

std::string DefaultText(const std::string& path) {
    OpenKey key(path);
    DWORD size = 0;
    if (!key.get() ||
        RegQueryValueExA(key.get(), "", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return "<none>";
    }
    std::string data(size, '\0');
    RegQueryValueExA(key.get(), "", nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    data.resize(size);
    return data.substr(0, data.find('\0'));
}

void SetRegistryValue(const std::string& path, const std::string& name, DWORD type,
                      const std::string& bytes) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create HKCR\\" + path);
    }
    const LONG status =
        RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) throw std::runtime_error("cannot set a value of HKCR\\" + path);
}

void SetDefaultText(const std::string& path, const std::string& text) {
    SetRegistryValue(path, "", REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void CreateKey(const std::string& path, bool isVolatile) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr,
                        isVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create HKCR\\" + path);
    }
    RegCloseKey(key);
}

std::string Sz(const std::string& text) {
    return text + '\0';
}

void SetEntries(const std::vector<RegistryEntry>& entries,
                const std::vector<std::string>& emptyKeys) {
    for (const RegistryEntry& entry : entries)
        SetRegistryValue(entry.path, entry.name, entry.type, entry.bytes);
    for (const std::string& key : emptyKeys)
        CreateKey(key);
}

void DeleteTree(const std::string& path) {
    if (path.empty()) throw std::invalid_argument("refusing to empty HKEY_CLASSES_ROOT");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, path.c_str());
    if (KeyExists(path)) throw std::runtime_error("cannot delete HKCR\\" + path);
}

std::vector<std::string> DumpTree(const std::string& path) {
    std::vector<std::string> lines;
    const size_t separator = path.find('\\');
    const std::string top = StoredTopName(path.substr(0, separator));
    DumpKey(separator == std::string::npos ? top : top + path.substr(separator), path, lines);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<std::string> IniSectionLines(const std::string& iniFile, const std::string& section) {
    std::string buffer(32767, '\0');
    const DWORD length = GetPrivateProfileSectionA(
        section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()), iniFile.c_str());
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < length) {
        const size_t end = buffer.find('\0', start);
        lines.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string ModulePath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) throw std::runtime_error("no module path");
    return std::string(path, length);
}

RegistryCleanup::RegistryCleanup(std::vector<std::string> keys) : keys_(std::move(keys)) {
    DeleteAll();
}

RegistryCleanup::~RegistryCleanup() {
    try {
        DeleteAll();
    } catch (const std::exception&) {
        // A key left behind is removed by the next run's constructor.
    }
}

void RegistryCleanup::DeleteAll() const {
    for (const std::string& key : keys_)
        DeleteTree(key);
}

}  // namespace quillot::test
