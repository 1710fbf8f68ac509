#include "shell/associations.h"

#include "reader/text_util.h"
#include "reader/wide_text.h"
#include "settings/program_location.h"
#include "settings/settings_store.h"
#include "shell/association_backup.h"

namespace quillot {
namespace {

// Paths name the same file whatever the letter case.
bool SameCommand(const std::string& a, const std::string& b) {
    return EqualsIgnoreAsciiCase(a, b);
}

// The registry values are single-byte texts in the ANSI code page: the
// program's path as that code page has it (as GetModuleFileNameA gives it).
std::string ProgramPathForRegistry() {
    return WideToAnsi(Utf8ToWide(ProgramFilePath()));
}

std::string ReadDefault(const std::string& key) {
    return RegistryReadValue(HKEY_CLASSES_ROOT, key, "");
}

void WriteDefault(const std::string& key, const std::string& text) {
    RegistryWriteValue(HKEY_CLASSES_ROOT, key, "", text);
}

void DeleteKey(const std::string& key) {
    RegistryDeleteKey(HKEY_CLASSES_ROOT, key);
}

void CreateOwnFileType(const AssociationNames& names, const std::string& description,
                       const std::string& programPath) {
    WriteDefault(names.extensionKey, names.ownProgId);
    WriteDefault(names.ownProgId, description + " file");
    WriteDefault(names.ownProgId + "\\DefaultIcon", AssociationIconReference(programPath));
    WriteDefault(names.ownProgId + "\\shell\\Open\\command", AssociationOpenCommand(programPath));
}

void TakeOverOpenCommand(const AssociationNames& names, const std::string& fileType,
                         const std::string& programPath) {
    const std::string commandKey = fileType + "\\" + OpenCommandKey;
    const std::string openCommand = AssociationOpenCommand(programPath);
    // When the command already is ours, the type was taken over before and
    // the section holds the user's own values: saving again would replace
    // them with ours. Without its backup a take-over could never be undone,
    // so then nothing is changed.
    if (!SameCommand(ReadDefault(commandKey), openCommand) &&
        !SaveOpenCommand(names.backupSection, fileType)) {
        return;
    }
    DeleteKey(commandKey);
    DeleteKey(fileType + "\\" + OpenDdeKey);
    WriteDefault(commandKey, openCommand);
}

void Install(const AssociationNames& names, const std::string& description) {
    const std::string fileType = ReadDefault(names.extensionKey);
    const std::string programPath = ProgramPathForRegistry();
    if (fileType.empty()) {
        CreateOwnFileType(names, description, programPath);
    } else {
        TakeOverOpenCommand(names, fileType, programPath);
    }
}

void Remove(const AssociationNames& names) {
    const std::string fileType = ReadDefault(names.extensionKey);
    if (fileType == names.ownProgId) {
        DeleteKey(names.ownProgId);
        DeleteKey(names.olderProgId);
        // Other software and the system keep values and subkeys of their own
        // in the extension key (Content Type, OpenWithProgids, ShellNew):
        // only the value the install wrote goes, and the key once it is empty.
        RegistryDeleteValue(HKEY_CLASSES_ROOT, names.extensionKey, "");
        RegistryDeleteEmptyKey(HKEY_CLASSES_ROOT, names.extensionKey);
        return;
    }
    BeginSection("", names.backupSection, ReadMode);
    const std::string savedType = ExchangeString(BackupFileTypeKey, "");
    // Only the type that was taken over gets its values back; an extension
    // that names another type by now is left alone, and so is the section.
    if (fileType.empty() || fileType != savedType) return;
    // A section whose values did not all get back stays for another try.
    if (RestoreOpenCommand(names.backupSection, fileType)) {
        BeginSection("", names.backupSection, ReplaceMode);
    }
}

}  // namespace

AssociationNames AssociationNamesFor(const std::string& extName) {
    const std::string upper = AsciiUpper(extName);
    return {"." + AsciiLower(extName), "Tovrel." + upper + "_file", "Kelvo." + upper + "_file",
            upper + "_PrvReg"};
}

std::string AssociationOpenCommand(const std::string& programPath) {
    return "\"" + programPath + "\" \"%1\"";
}

std::string AssociationIconReference(const std::string& programPath) {
    return programPath + ",0";
}

void AssociateFileType(const std::string& extName, const std::string& description,
                       uint8_t install) {
    if (install == 1) {
        Install(AssociationNamesFor(extName), description);
    } else if (install == 0) {
        Remove(AssociationNamesFor(extName));
    }
}

}  // namespace quillot
