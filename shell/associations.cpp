#include "shell/associations.h"

#include "reader/text_util.h"
#include "settings/program_location.h"
#include "settings/settings_store.h"

namespace quillot {
namespace {

// The Open command's keys that a take-over replaces, below
// <file type>\shell\Open; each doubles as its key in the backup section.
constexpr const char* SavedOpenKeys[] = {"command", "ddeexec", "ddeexec\\application",
                                         "ddeexec\\topic"};

// Paths name the same file whatever the letter case.
bool SameCommand(const std::string& a, const std::string& b) {
    return EqualsIgnoreAsciiCase(a, b);
}

// Reading a profile value drops the quote marks around it when it begins and
// ends with the same one, which would turn a saved "C:\x.exe" "%1" into
// C:\x.exe" "%1. Such a value is saved inside one more pair of quotes.
std::string ProtectedForProfile(const std::string& value) {
    if (value.empty()) return value;
    const char first = value.front();
    if ((first == '"' || first == '\'') && value.back() == first) return '"' + value + '"';
    return value;
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
    const std::string openKey = fileType + "\\shell\\Open\\";
    const std::string openCommand = AssociationOpenCommand(programPath);
    // When the command already is ours, the type was taken over before and
    // the section holds the user's own values: saving again would replace
    // them with ours.
    if (!SameCommand(ReadDefault(openKey + "command"), openCommand)) {
        BeginSection("", names.backupSection, WriteMode);
        ExchangeString("KeyName", ProtectedForProfile(fileType));
        for (const char* saved : SavedOpenKeys) {
            ExchangeString(saved, ProtectedForProfile(ReadDefault(openKey + saved)));
        }
    }
    DeleteKey(openKey + "command");
    DeleteKey(openKey + "ddeexec");
    WriteDefault(openKey + "command", openCommand);
}

void Install(const AssociationNames& names, const std::string& description) {
    const std::string fileType = ReadDefault(names.extensionKey);
    const std::string programPath = ProgramFilePath();
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
        DeleteKey(names.extensionKey);
        return;
    }
    BeginSection("", names.backupSection, ReadMode);
    const std::string savedType = ExchangeString("KeyName", "");
    // Only the type that was taken over gets its values back; an extension
    // that names another type by now is left alone, and so is the section.
    if (fileType.empty() || fileType != savedType) return;
    const std::string openKey = fileType + "\\shell\\Open\\";
    for (const char* saved : SavedOpenKeys) {
        WriteDefault(openKey + saved, ExchangeString(saved, ""));
    }
    BeginSection("", names.backupSection, ReplaceMode);
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
