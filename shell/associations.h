// File-type associations in the registry under HKEY_CLASSES_ROOT: a fresh
// install creates the program's own file type for the extension; where the
// extension already names a file type, only that type's Open command is taken
// over and the previous values are saved in the INI file for the removal.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "shell/registry.h"

namespace quillot {

// extName: "XML" or "PAD" (any case); install: 1 installs, 0 removes, other
// values do nothing. Registry failures are silent.
void AssociateFileType(const std::string& extName, const std::string& description, uint8_t install);

// The names one extension name stands for, "xMl" giving ".xml",
// "Tovrel.XML_file", "Kelvo.XML_file" and "XML_PrvReg".
struct AssociationNames {
    std::string extensionKey;
    std::string ownProgId;
    std::string olderProgId;  // an earlier version's file type, only ever deleted
    std::string backupSection;
};
AssociationNames AssociationNamesFor(const std::string& extName);

// "<program path>" "%1", the quoted path, a blank and the quoted placeholder.
std::string AssociationOpenCommand(const std::string& programPath);
// <program path>,0 without quotes.
std::string AssociationIconReference(const std::string& programPath);

}  // namespace quillot
