// The registry routines behind the file-type associations. Every call opens
// the key by path, does its one job and closes it again; failures are
// reported by status or an empty result, never by an exception.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillot {

// The value's text up to its first NUL, or empty when the key cannot be
// opened or the value cannot be read. Texts that do not fit the usual 999-byte
// buffer are read whole.
std::string RegistryReadValue(HKEY root, const std::string& subKey, const std::string& valueName);
// Creates or opens the key with its whole path and sets the value as REG_SZ;
// returns the system status of the first step that failed.
LONG RegistryWriteValue(HKEY root, const std::string& subKey, const std::string& valueName,
                        const std::string& text);
// Deletes the key with all its subkeys; returns the system status of the
// final deletion (ERROR_FILE_NOT_FOUND for a missing key). An empty path is
// refused with ERROR_INVALID_PARAMETER instead of emptying the root.
LONG RegistryDeleteKey(HKEY root, const std::string& subKey);

// One value as the registry holds it: its name ("" for the default value),
// its type and its bytes as stored, terminating NULs included.
struct RegistryValue {
    std::string name;
    DWORD type = REG_NONE;
    std::string data;
};

// One key of a tree: its path below the tree's top ("" for the top itself,
// names in their stored letter case) and its values.
struct RegistryKeyContents {
    std::string path;
    std::vector<RegistryValue> values;
};

// Reads the key and every key below it, parents before their subkeys, into
// `tree`. ERROR_FILE_NOT_FOUND with an empty tree when the key does not
// exist; any other failure to read a key or value is returned as it is.
LONG RegistryReadTree(HKEY root, const std::string& subKey, std::vector<RegistryKeyContents>& tree);
// ERROR_SUCCESS when the key exists and can be read, ERROR_FILE_NOT_FOUND
// when it does not exist, or why it cannot be read.
LONG RegistryKeyStatus(HKEY root, const std::string& subKey);
// The names of the key's subkeys in their stored letter case.
LONG RegistrySubkeyNames(HKEY root, const std::string& subKey, std::vector<std::string>& names);
// Creates the key, or opens it where it exists, with its whole path.
LONG RegistryCreateKey(HKEY root, const std::string& subKey);
// Creates or opens the key with its whole path and sets the value with its
// own type and bytes.
LONG RegistrySetValue(HKEY root, const std::string& subKey, const RegistryValue& value);
// Deletes one value ("" the default value) of the key.
LONG RegistryDeleteValue(HKEY root, const std::string& subKey, const std::string& valueName);
// Deletes the key when it holds neither values nor subkeys, and returns
// ERROR_DIR_NOT_EMPTY without touching it otherwise.
LONG RegistryDeleteEmptyKey(HKEY root, const std::string& subKey);

}  // namespace quillot
