// The backup section of a take-over install: everything the take-over
// deletes or creates below the other program's file type, kept in the store's
// current INI file so that the removal can put it back value by value.
//
// The section holds "KeyName" (the file type) and the default values of the
// Open command's four keys under their sub-paths ("command", "ddeexec",
// "ddeexec\application", "ddeexec\topic"), as earlier versions wrote it, and
// beside them "Items" and the items "Item1" to "ItemN": "key|<path>" for each
// key that existed, "<type>|<path>|<name>|<data>" for each value with its
// type as a decimal number and its bytes as stored. Paths are relative to
// the file type; every field has its bytes outside "!" to "~" and its "%" and
// "|" written as %XX. A section without usable items is restored from the
// four default values alone, as earlier versions did.
#pragma once

#include <string>

namespace quillot {

// Below a file type: the Open command a take-over replaces, and the DDE
// settings it deletes with it.
constexpr char OpenCommandKey[] = "shell\\Open\\command";
constexpr char OpenDdeKey[] = "shell\\Open\\ddeexec";
// The section's key that names the file type taken over.
constexpr char BackupFileTypeKey[] = "KeyName";

// Writes the section for `fileType` and reads it back. False when the
// registry could not be read whole or the section did not read back as
// written; the section is then erased as far as the file allows, so that no
// partial backup is ever restored.
bool SaveOpenCommand(const std::string& section, const std::string& fileType);

// Puts back below `fileType` what the section saved, replacing the Open
// command and DDE keys that are there now. True when every write succeeded.
bool RestoreOpenCommand(const std::string& section, const std::string& fileType);

}  // namespace quillot
