#include "shell/association_backup.h"

#include <windows.h>

#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "reader/text_util.h"
#include "settings/settings_store.h"
#include "shell/registry.h"

namespace quillot {
namespace {

constexpr char OpenKey[] = "shell\\Open";
// The four keys of the section's first form: default values below
// <file type>\shell\Open, each under its sub-path.
constexpr const char* DefaultValueKeys[] = {"command", "ddeexec", "ddeexec\\application",
                                            "ddeexec\\topic"};
// The keys a take-over deletes, each with everything below it.
constexpr const char* ReplacedTrees[] = {OpenCommandKey, OpenDdeKey};
// The keys on the way to the command, which the take-over creates where they
// are missing; parents first.
constexpr const char* PathKeys[] = {"", "shell", OpenKey};

constexpr char ItemCountKey[] = "Items";
constexpr char KeyItemTag[] = "key";
constexpr char FieldSeparator = '|';
constexpr char EscapeMark = '%';

using SavedKeys = std::vector<RegistryKeyContents>;

std::string ItemKey(size_t number) {
    return "Item" + std::to_string(number);
}

std::string Below(const std::string& fileType, const std::string& path) {
    return path.empty() ? fileType : fileType + "\\" + path;
}

bool IsPathKey(std::string_view path) {
    for (const char* key : PathKeys) {
        if (EqualsIgnoreAsciiCase(path, key)) return true;
    }
    return false;
}

bool IsReplacedTree(std::string_view path) {
    for (const char* tree : ReplacedTrees) {
        if (EqualsIgnoreAsciiCase(path, tree)) return true;
    }
    return false;
}

// The top of a replaced tree or a key below it, with no empty name on the way.
bool IsInReplacedTree(std::string_view path) {
    if (path.empty() || path.back() == '\\' || path.find("\\\\") != std::string_view::npos) {
        return false;
    }
    for (std::string_view tree : ReplacedTrees) {
        if (EqualsIgnoreAsciiCase(path.substr(0, tree.size()), tree) &&
            (path.size() == tree.size() || path[tree.size()] == '\\')) {
            return true;
        }
    }
    return false;
}

const RegistryKeyContents* FindKey(const SavedKeys& keys, std::string_view path) {
    for (const RegistryKeyContents& key : keys) {
        if (EqualsIgnoreAsciiCase(key.path, path)) return &key;
    }
    return nullptr;
}

// What RegistryReadValue gives for the key's default value: its text up to
// the first NUL, empty where there is none.
std::string DefaultText(const SavedKeys& keys, const std::string& path) {
    if (const RegistryKeyContents* key = FindKey(keys, path)) {
        for (const RegistryValue& value : key->values) {
            if (value.name.empty()) return value.data.substr(0, value.data.find('\0'));
        }
    }
    return {};
}

// The keys of the file type that a take-over deletes or creates: the path
// keys that exist, without their values, which it leaves alone, and the two
// replaced trees whole, with their names in the stored letter case. False
// when something could not be read.
bool ReadReplacedKeys(const std::string& fileType, SavedKeys& keys) {
    for (const char* path : PathKeys) {
        const LONG status = RegistryKeyStatus(HKEY_CLASSES_ROOT, Below(fileType, path));
        if (status == ERROR_FILE_NOT_FOUND) continue;
        if (status != ERROR_SUCCESS) return false;
        keys.push_back({path, {}});
    }
    std::vector<std::string> names;
    const LONG status = RegistrySubkeyNames(HKEY_CLASSES_ROOT, Below(fileType, OpenKey), names);
    if (status == ERROR_FILE_NOT_FOUND) return true;
    if (status != ERROR_SUCCESS) return false;
    for (const std::string& name : names) {
        const std::string tree = OpenKey + ("\\" + name);
        if (!IsReplacedTree(tree)) continue;
        SavedKeys below;
        if (RegistryReadTree(HKEY_CLASSES_ROOT, Below(fileType, tree), below) != ERROR_SUCCESS) {
            return false;
        }
        for (RegistryKeyContents& key : below) {
            key.path = key.path.empty() ? tree : tree + "\\" + key.path;
            keys.push_back(std::move(key));
        }
    }
    return true;
}

std::string Escaped(std::string_view field) {
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte >= 0x7F || c == EscapeMark || c == FieldSeparator) {
            text += EscapeMark;
            text += hex[byte >> 4];
            text += hex[byte & 0xF];
        } else {
            text += c;
        }
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool Unescaped(std::string_view field, std::string& bytes) {
    bytes.clear();
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != EscapeMark) {
            bytes += field[i];
            continue;
        }
        const int high = i + 2 < field.size() ? HexDigit(field[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(field[i + 2]) : -1;
        if (low < 0) return false;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

std::vector<std::string_view> Fields(std::string_view item) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t end = item.find(FieldSeparator, start);
        fields.push_back(item.substr(start, end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

bool ParseType(std::string_view text, DWORD& type) {
    if (text.empty() || text.size() > 10) return false;
    unsigned long long number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    if (number > 0xFFFFFFFFull) return false;
    type = static_cast<DWORD>(number);
    return true;
}

std::vector<std::string> ItemsOf(const SavedKeys& keys) {
    std::vector<std::string> items;
    const std::string separator(1, FieldSeparator);
    for (const RegistryKeyContents& key : keys) {
        const std::string path = Escaped(key.path);
        items.push_back(KeyItemTag + separator + path);
        for (const RegistryValue& value : key.values) {
            items.push_back(std::to_string(value.type) + separator + path + separator +
                            Escaped(value.name) + separator + Escaped(value.data));
        }
    }
    return items;
}

// Adds one item to `keys`; false for an item that is not one of ours.
bool ParseItem(std::string_view item, SavedKeys& keys) {
    const std::vector<std::string_view> fields = Fields(item);
    std::string path;
    if (fields.size() < 2 || !Unescaped(fields[1], path)) return false;
    if (fields[0] == KeyItemTag) {
        if (fields.size() != 2 || !(IsPathKey(path) || IsInReplacedTree(path))) return false;
        keys.push_back({path, {}});
        return true;
    }
    RegistryValue value;
    if (fields.size() != 4 || !IsInReplacedTree(path) || !ParseType(fields[0], value.type) ||
        !Unescaped(fields[2], value.name) || !Unescaped(fields[3], value.data)) {
        return false;
    }
    if (keys.empty() || keys.back().path != path) keys.push_back({path, {}});
    keys.back().values.push_back(std::move(value));
    return true;
}

// The items of the section begun for reading; false when there are none or
// one of them is damaged.
bool ReadItems(SavedKeys& keys) {
    int32_t count = 0;
    if (!ParseIniInteger(ExchangeString(ItemCountKey, ""), count) || count < 0) return false;
    for (int32_t number = 1; number <= count; ++number) {
        if (!ParseItem(ExchangeString(ItemKey(static_cast<size_t>(number)), ""), keys)) {
            return false;
        }
    }
    return true;
}

// Reading a profile value drops the quote marks around it when it begins and
// ends with the same one, which would turn a saved "C:\x.exe" "%1" into
// C:\x.exe" "%1. Such a value is saved inside one more pair of quotes. Items
// begin with a letter or digit and need no such care.
std::string ProtectedForProfile(const std::string& value) {
    if (value.empty()) return value;
    const char first = value.front();
    if ((first == '"' || first == '\'') && value.back() == first) return '"' + value + '"';
    return value;
}

// Items beyond the count, left by an earlier, longer backup.
void RemoveItemsFrom(const std::string& section, size_t number) {
    for (;; ++number) {
        const std::string key = ItemKey(number);
        if (ReadKey(section, key, "").empty()) return;
        WriteKey(section, key, "");
        if (!ReadKey(section, key, "").empty()) return;  // the file cannot be written
    }
}

bool Succeeded(LONG status) {
    return status == ERROR_SUCCESS;
}

// A missing key needs no deleting, and a key with content is kept.
bool DeletedOrNeedless(LONG status) {
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ||
           status == ERROR_DIR_NOT_EMPTY;
}

bool RestoreDefaultValues(const std::string& fileType) {
    bool allWritten = true;
    for (const char* subPath : DefaultValueKeys) {
        allWritten &= Succeeded(RegistryWriteValue(HKEY_CLASSES_ROOT,
                                                   fileType + "\\" + OpenKey + "\\" + subPath, "",
                                                   ExchangeString(subPath, "")));
    }
    return allWritten;
}

bool RestoreKeys(const std::string& fileType, const SavedKeys& keys) {
    bool allWritten = true;
    for (const std::string tree : ReplacedTrees) {
        allWritten &=
            DeletedOrNeedless(RegistryDeleteKey(HKEY_CLASSES_ROOT, Below(fileType, tree)));
    }
    for (const RegistryKeyContents& key : keys) {
        const std::string path = Below(fileType, key.path);
        allWritten &= Succeeded(RegistryCreateKey(HKEY_CLASSES_ROOT, path));
        for (const RegistryValue& value : key.values) {
            allWritten &= Succeeded(RegistrySetValue(HKEY_CLASSES_ROOT, path, value));
        }
    }
    // The keys the take-over created on the way to its command go again,
    // deepest first, unless something else has been put into them since.
    for (size_t i = std::size(PathKeys); i-- > 0;) {
        if (FindKey(keys, PathKeys[i])) continue;
        allWritten &= DeletedOrNeedless(
            RegistryDeleteEmptyKey(HKEY_CLASSES_ROOT, Below(fileType, PathKeys[i])));
    }
    return allWritten;
}

}  // namespace

bool SaveOpenCommand(const std::string& section, const std::string& fileType) {
    SavedKeys keys;
    if (!ReadReplacedKeys(fileType, keys)) return false;
    const std::vector<std::string> items = ItemsOf(keys);

    BeginSection("", section, WriteMode);
    ExchangeString(BackupFileTypeKey, ProtectedForProfile(fileType));
    for (const char* subPath : DefaultValueKeys) {
        ExchangeString(subPath, ProtectedForProfile(
                                    DefaultText(keys, OpenKey + ("\\" + std::string(subPath)))));
    }
    for (size_t i = 0; i < items.size(); ++i) {
        ExchangeString(ItemKey(i + 1), items[i]);
    }
    ExchangeString(ItemCountKey, std::to_string(items.size()));
    RemoveItemsFrom(section, items.size() + 1);

    // Only what reads back as written is a backup: a file that cannot be
    // written, or a value too long for the store to read whole, is not.
    BeginSection("", section, ReadMode);
    bool complete = ExchangeString(BackupFileTypeKey, "") == fileType &&
                    ExchangeString(ItemCountKey, "") == std::to_string(items.size());
    for (size_t i = 0; complete && i < items.size(); ++i) {
        complete = ExchangeString(ItemKey(i + 1), "") == items[i];
    }
    if (!complete) BeginSection("", section, ReplaceMode);
    return complete;
}

bool RestoreOpenCommand(const std::string& section, const std::string& fileType) {
    BeginSection("", section, ReadMode);
    SavedKeys keys;
    if (!ReadItems(keys)) return RestoreDefaultValues(fileType);
    return RestoreKeys(fileType, keys);
}

}  // namespace quillot
