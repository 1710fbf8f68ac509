// File-type associations in the registry under HKEY_CLASSES_ROOT: a fresh
// install creates the program's own file type for the extension; where the
// extension already names a file type, only that type's Open command is taken
// over and the previous values are saved in the INI file for the removal.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace quillot {

// extName: "XML" or "PAD" (any case); install: 1 installs, 0 removes, other
// values do nothing. Registry failures are silent.
void AssociateFileType(const std::string& extName, const std::string& description,
                       uint8_t install);

// The value's text up to its first NUL (999-byte buffer), or empty.
std::string RegistryReadValue(HKEY root, const std::string& subKey, const std::string& valueName);
// Creates or opens the key with its whole path and sets the value as REG_SZ.
void RegistryWriteValue(HKEY root, const std::string& subKey, const std::string& valueName,
                        const std::string& text);
// Deletes the key with all its subkeys; returns the system status.
LONG RegistryDeleteKey(HKEY root, const std::string& subKey);

}  // namespace quillot
