// The three registry routines behind the file-type associations. Every call
// opens the key by path, does its one job and closes it again; failures are
// reported by status or an empty result, never by an exception.
#pragma once

#include <windows.h>

#include <string>

namespace quillot {

// The value's text up to its first NUL, or empty when the key cannot be
// opened or the value cannot be read. Texts that do not fit the usual 999-byte
// buffer are read whole.
std::string RegistryReadValue(HKEY root, const std::string& subKey, const std::string& valueName);
// Creates or opens the key with its whole path and sets the value as REG_SZ.
void RegistryWriteValue(HKEY root, const std::string& subKey, const std::string& valueName,
                        const std::string& text);
// Deletes the key with all its subkeys; returns the system status of the
// final deletion (ERROR_FILE_NOT_FOUND for a missing key). An empty path is
// refused with ERROR_INVALID_PARAMETER instead of emptying the root.
LONG RegistryDeleteKey(HKEY root, const std::string& subKey);

}  // namespace quillot
