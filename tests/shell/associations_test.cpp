#include "shell/associations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_store.h"
#include "tests/settings/message_box_recorder.h"
#include "tests/shell/registry_probe.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

using test::DumpTree;
using test::KeyExists;
using test::RegistryEntry;
using test::SetDefaultText;
using test::Sz;
using Lines = std::vector<std::string>;

const std::string ExtKey = ".qxt";
const std::string OwnType = "Tovrel.QXT_file";
const std::string OlderType = "Kelvo.QXT_file";
const std::string OtherType = "QuillotTest.OtherFile";
const std::string ThirdType = "QuillotTest.ThirdFile";
const std::string Section = "QXT_PrvReg";

const std::string OtherOpen = OtherType + "\\shell\\open";
const std::string OtherCommand = "\"C:\\Other Tools\\other.exe\" /dde";
const std::string OtherDde = "[open(\"%1\")]";

Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

Lines Joined(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string OurCommand() {
    return "\"" + test::ModulePath() + "\" \"%1\"";
}

// The store is pointed at a fresh INI file for each test and put back after.
class AssociationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = {DefaultIniFile, CurrentIniFile, CurrentSection, CurrentMode, WriteErrorShown};
        UseIni(folder_.File("Quillot.ini"));
        WriteErrorShown = false;
    }

    void TearDown() override {
        DefaultIniFile = saved_.defaultIni;
        CurrentIniFile = saved_.currentIni;
        CurrentSection = saved_.section;
        CurrentMode = saved_.mode;
        WriteErrorShown = saved_.writeErrorShown;
    }

    void UseIni(const std::string& path) {
        ini_ = path;
        DefaultIniFile = ini_;
        CurrentIniFile = ini_;
    }

    // Every key a test may create, in one listing.
    Lines Registry() const {
        return Joined({DumpTree(ExtKey), DumpTree(OwnType), DumpTree(OlderType),
                       DumpTree(OtherType), DumpTree(ThirdType)});
    }
    Lines Backup() const { return test::IniSectionLines(ini_, Section); }
    std::string BackupValue(const std::string& key) const {
        char value[4096];
        GetPrivateProfileStringA(Section.c_str(), key.c_str(), "<absent>", value, sizeof value,
                                 ini_.c_str());
        return value;
    }
    bool IniFileWritten() const { return test::FileExistsForTest(ini_); }
    void WriteIni(const std::string& key, const std::string& value) const {
        WritePrivateProfileStringA(Section.c_str(), key.c_str(), value.c_str(), ini_.c_str());
    }

    // .qxt names a file type of another program that opens files through DDE.
    static void CreateOtherFileType(const std::string& command = OtherCommand) {
        SetDefaultText(ExtKey, OtherType);
        SetDefaultText(OtherType, "Other document");
        SetDefaultText(OtherType + "\\DefaultIcon", "C:\\Other Tools\\other.exe,1");
        SetDefaultText(OtherType + "\\shell\\edit\\command", "edit.exe \"%1\"");
        SetDefaultText(OtherOpen + "\\command", command);
        SetDefaultText(OtherOpen + "\\ddeexec", OtherDde);
        SetDefaultText(OtherOpen + "\\ddeexec\\application", "OtherApp");
        SetDefaultText(OtherOpen + "\\ddeexec\\topic", "");
        SetDefaultText(OtherOpen + "\\ddeexec\\ifexec", "[noop]");
    }

    // The other file type as a take-over leaves it.
    static Lines OtherTypeTakenOver() {
        return Sorted({
            OtherType,
            OtherType + " @ = Other document",
            OtherType + "\\DefaultIcon",
            OtherType + "\\DefaultIcon @ = C:\\Other Tools\\other.exe,1",
            OtherType + "\\shell",
            OtherType + "\\shell\\edit",
            OtherType + "\\shell\\edit\\command",
            OtherType + "\\shell\\edit\\command @ = edit.exe \"%1\"",
            OtherOpen,
            OtherOpen + "\\command",
            OtherOpen + "\\command @ = " + OurCommand(),
        });
    }

    static Lines ExtensionNaming(const std::string& type) {
        return {ExtKey, ExtKey + " @ = " + type};
    }

    static Lines FreshInstall(const std::string& description) {
        const std::string program = test::ModulePath();
        return Joined(
            {ExtensionNaming(OwnType), Sorted({
                                           OwnType,
                                           OwnType + " @ = " + description,
                                           OwnType + "\\DefaultIcon",
                                           OwnType + "\\DefaultIcon @ = " + program + ",0",
                                           OwnType + "\\shell",
                                           OwnType + "\\shell\\Open",
                                           OwnType + "\\shell\\Open\\command",
                                           OwnType + "\\shell\\Open\\command @ = " + OurCommand(),
                                       })});
    }

    test::TempFolder folder_;
    std::string ini_;
    test::RegistryCleanup cleanup_{{ExtKey, OwnType, OlderType, OtherType, ThirdType}};
    test::MessageBoxRecorder messageBoxes_;

  private:
    struct StoreState {
        std::string defaultIni;
        std::string currentIni;
        std::string section;
        int32_t mode;
        bool writeErrorShown;
    } saved_;
};

TEST(AssociationNamesTest, FormsKeysAndSectionFromTheExtensionName) {
    struct Case {
        const char* extName;
        AssociationNames expected;
    };
    const Case cases[] = {
        {"XML", {".xml", "Tovrel.XML_file", "Kelvo.XML_file", "XML_PrvReg"}},
        {"PAD", {".pad", "Tovrel.PAD_file", "Kelvo.PAD_file", "PAD_PrvReg"}},
        {"xMl", {".xml", "Tovrel.XML_file", "Kelvo.XML_file", "XML_PrvReg"}},
        {"pad", {".pad", "Tovrel.PAD_file", "Kelvo.PAD_file", "PAD_PrvReg"}},
        {"7z_", {".7z_", "Tovrel.7Z__file", "Kelvo.7Z__file", "7Z__PrvReg"}},
        // Only ASCII letters change case.
        {"\xE9t\xC9",
         {".\xE9t\xC9", "Tovrel.\xE9T\xC9_file", "Kelvo.\xE9T\xC9_file", "\xE9T\xC9_PrvReg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extName);
        const AssociationNames names = AssociationNamesFor(c.extName);
        EXPECT_EQ(names.extensionKey, c.expected.extensionKey);
        EXPECT_EQ(names.ownProgId, c.expected.ownProgId);
        EXPECT_EQ(names.olderProgId, c.expected.olderProgId);
        EXPECT_EQ(names.backupSection, c.expected.backupSection);
    }
}

TEST(AssociationNamesTest, QuotesTheProgramPathOnlyInTheOpenCommand) {
    struct Case {
        const char* path;
        const char* command;
        const char* icon;
    };
    const Case cases[] = {
        {"C:\\Tools\\Quillot.exe", "\"C:\\Tools\\Quillot.exe\" \"%1\"", "C:\\Tools\\Quillot.exe,0"},
        {"C:\\Program Files\\My Tools\\Quillot.exe",
         "\"C:\\Program Files\\My Tools\\Quillot.exe\" \"%1\"",
         "C:\\Program Files\\My Tools\\Quillot.exe,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(AssociationOpenCommand(c.path), c.command);
        EXPECT_EQ(AssociationIconReference(c.path), c.icon);
    }
}

TEST_F(AssociationTest, FreshInstallCreatesExactlyTheFourKeysAndNoBackup) {
    AssociateFileType("QXT", "XML Pad", 1);
    EXPECT_EQ(Registry(), FreshInstall("XML Pad file"));
    EXPECT_FALSE(IniFileWritten());
}

TEST_F(AssociationTest, FreshInstallWithAnEmptyDescription) {
    AssociateFileType("QXT", "", 1);
    EXPECT_EQ(Registry(), FreshInstall(" file"));
}

TEST_F(AssociationTest, MixedCaseExtensionNameGivesTheUpperCaseNamesAndALowerCaseExtension) {
    AssociateFileType("qXt", "Xml PAD", 1);
    // The listing shows the names in the letter case they were created in.
    EXPECT_EQ(Registry(), FreshInstall("Xml PAD file"));
}

TEST_F(AssociationTest, FreshInstallTwiceWritesNoBackup) {
    AssociateFileType("QXT", "XML Pad", 1);
    AssociateFileType("QXT", "XML Pad", 1);
    EXPECT_EQ(Registry(), FreshInstall("XML Pad file"));
    EXPECT_FALSE(IniFileWritten());
}

TEST_F(AssociationTest, TakeOverReplacesOnlyTheOpenCommandAndSavesTheOldValues) {
    CreateOtherFileType();
    AssociateFileType("QXT", "XML Pad", 1);
    EXPECT_EQ(Registry(), Joined({ExtensionNaming(OtherType), OtherTypeTakenOver()}));
    EXPECT_EQ(BackupValue("KeyName"), OtherType);
    EXPECT_EQ(BackupValue("command"), OtherCommand);
    EXPECT_EQ(BackupValue("ddeexec"), OtherDde);
    EXPECT_EQ(BackupValue("ddeexec\\application"), "OtherApp");
    // The empty topic is not stored at all.
    EXPECT_EQ(BackupValue("ddeexec\\topic"), "<absent>");
}

TEST_F(AssociationTest, TakeOverOverwritesAnOldBackupKeyByKey) {
    WriteIni("command", "stale command");
    WriteIni("ddeexec\\topic", "stale topic");
    WriteIni("Unrelated", "kept");
    CreateOtherFileType();
    AssociateFileType("QXT", "XML Pad", 1);
    EXPECT_EQ(BackupValue("command"), OtherCommand);
    EXPECT_EQ(BackupValue("ddeexec\\topic"), "<absent>");
    EXPECT_EQ(BackupValue("Unrelated"), "kept");
}

TEST_F(AssociationTest, TakeOverWithAMixedCaseExtensionNameUsesTheUpperCaseSection) {
    CreateOtherFileType();
    const Lines before = Registry();
    AssociateFileType("qXt", "XML Pad", 1);
    EXPECT_EQ(BackupValue("KeyName"), OtherType);
    AssociateFileType("Qxt", "", 0);
    EXPECT_EQ(Registry(), before);
}

TEST_F(AssociationTest, RemovalAfterTakeOverRestoresTheOpenCommandAndErasesTheBackup) {
    CreateOtherFileType();
    const Lines before = Registry();
    AssociateFileType("QXT", "XML Pad", 1);
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), before);
    EXPECT_TRUE(Backup().empty());
}

// Whatever a take-over deletes or creates below the file type comes back, or
// goes again, with every name, type and byte.
TEST_F(AssociationTest, RemovalAfterTakeOverPutsBackEveryValueWithItsType) {
    struct Case {
        const char* name;
        std::vector<RegistryEntry> entries;
        Lines emptyKeys;
    };
    const std::vector<Case> cases = {
        {"DelegateExecute and an expandable command",
         {{OtherOpen + "\\command", "", REG_EXPAND_SZ, Sz("%SystemRoot%\\other.exe \"%1\"")},
          {OtherOpen + "\\command", "DelegateExecute", REG_SZ,
           Sz("{4A2F6A37-1DDF-4E1A-8F20-2E2C5A3B9C11}")},
          {OtherOpen + "\\ddeexec", "", REG_SZ, Sz("[open(\"%1\")] ")},
          {OtherOpen + "\\ddeexec", "NoActivateHandler", REG_SZ, Sz("")},
          {OtherOpen + "\\ddeexec\\Application", "", REG_SZ, Sz("OtherApp")},
          {OtherOpen + "\\ddeexec\\ifexec", "", REG_SZ, Sz("[noop]")}},
         {OtherOpen + "\\ddeexec\\Topic"}},
        {"values of every kind and odd names",
         {{OtherOpen + "\\Command", "", REG_SZ, "x.exe %1"},  // stored without a NUL
          {OtherOpen + "\\Command", "Multi", REG_MULTI_SZ, std::string("a b\0|c\0\0", 8)},
          {OtherOpen + "\\Command", "Flags", REG_DWORD, std::string("\x01\0\0\x80", 4)},
          {OtherOpen + "\\Command", "; odd|name = %1 ", REG_BINARY,
           std::string("\0%|\xFF \r\n\"", 8)},
          {OtherOpen + "\\Command\\Sub key", "", REG_SZ, Sz("'quoted'")}},
         {}},
        {"no Open verb", {{OtherType + "\\shell\\edit\\command", "", REG_SZ, Sz("e.exe")}}, {}},
        {"an Open verb without command", {{OtherOpen, "MUIVerb", REG_SZ, Sz("&Open it")}}, {}},
        {"no key for the file type", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cleanup_.DeleteAll();
        SetDefaultText(ExtKey, OtherType);
        test::SetEntries(c.entries, c.emptyKeys);
        const Lines before = Registry();
        AssociateFileType("QXT", "XML Pad", 1);
        EXPECT_EQ(test::DefaultText(OtherOpen + "\\command"), OurCommand());
        AssociateFileType("QXT", "", 0);
        EXPECT_EQ(Registry(), before);
        EXPECT_TRUE(Backup().empty());
    }
}

// Earlier versions saved "KeyName" and the four default values only. Such
// a section restores as it always did: all four keys are written as REG_SZ,
// an absent one as empty.
TEST_F(AssociationTest, BackupInTheFiveKeyFormRestoresAsBefore) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> section;  // as the file holds it
        Lines restored;  // command, ddeexec, application, topic
    };
    const std::vector<Case> cases = {
        {"nothing saved", {}, {"", "", "", ""}},
        {"command and DDE",
         {{"command", OtherCommand}, {"ddeexec", OtherDde}, {"ddeexec\\application", "OtherApp"}},
         {OtherCommand, OtherDde, "OtherApp", ""}},
        {"command in the extra quotes of a quoted one",
         {{"command", "\"\"C:\\x.exe\" \"%1\"\""}},
         {"\"C:\\x.exe\" \"%1\"", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cleanup_.DeleteAll();
        SetDefaultText(ExtKey, OtherType);
        SetDefaultText(OtherOpen + "\\command", OurCommand());
        WriteIni("KeyName", OtherType);
        for (const auto& [key, value] : c.section)
            WriteIni(key, value);
        AssociateFileType("QXT", "", 0);
        EXPECT_EQ(Registry(), Joined({ExtensionNaming(OtherType),
                                      Sorted({
                                          OtherType,
                                          OtherType + "\\shell",
                                          OtherOpen,
                                          OtherOpen + "\\command",
                                          OtherOpen + "\\command @ = " + c.restored[0],
                                          OtherOpen + "\\ddeexec",
                                          OtherOpen + "\\ddeexec @ = " + c.restored[1],
                                          OtherOpen + "\\ddeexec\\application",
                                          OtherOpen + "\\ddeexec\\application @ = " + c.restored[2],
                                          OtherOpen + "\\ddeexec\\topic",
                                          OtherOpen + "\\ddeexec\\topic @ = " + c.restored[3],
                                      })}));
        EXPECT_TRUE(Backup().empty());
    }
}

TEST_F(AssociationTest, RepeatedTakeOverKeepsTheFirstBackup) {
    CreateOtherFileType();
    const Lines before = Registry();
    AssociateFileType("QXT", "XML Pad", 1);
    const Lines firstBackup = Backup();
    AssociateFileType("QXT", "XML Pad", 1);
    EXPECT_EQ(Backup(), firstBackup);
    EXPECT_EQ(BackupValue("command"), OtherCommand);
    EXPECT_EQ(Registry(), Joined({ExtensionNaming(OtherType), OtherTypeTakenOver()}));
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), before);
}

TEST_F(AssociationTest, TakeOverOfACommandThatDiffersOnlyInLetterCaseKeepsTheBackup) {
    CreateOtherFileType();
    AssociateFileType("QXT", "XML Pad", 1);
    std::string command = OurCommand();
    for (char& c : command)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    SetDefaultText(OtherOpen + "\\command", command);
    AssociateFileType("QXT", "XML Pad", 1);
    EXPECT_EQ(BackupValue("command"), OtherCommand);
}

TEST_F(AssociationTest, LongCommandSurvivesTakeOverAndRemoval) {
    const std::string longCommand = "\"C:\\Other Tools\\other.exe\" /x:" + std::string(1500, 'L');
    CreateOtherFileType(longCommand);
    const Lines before = Registry();
    AssociateFileType("QXT", "XML Pad", 1);
    EXPECT_EQ(BackupValue("command"), longCommand);
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), before);
}

TEST_F(AssociationTest, QuotedCommandsSurviveTakeOverAndRemoval) {
    // The profile functions drop one pair of quotes around a whole value.
    for (const std::string command : {"\"C:\\Other Tools\\other.exe\" \"%1\"", "'x.exe' '%1'",
                                      "\"C:\\Other Tools\\other.exe\"", "\"", "\"\""}) {
        SCOPED_TRACE(command);
        CreateOtherFileType(command);
        const Lines before = Registry();
        AssociateFileType("QXT", "XML Pad", 1);
        EXPECT_EQ(BackupValue("command"), command);
        AssociateFileType("QXT", "", 0);
        EXPECT_EQ(Registry(), before);
    }
}

TEST_F(AssociationTest, RemovalWhenTheExtensionNamesAThirdTypeChangesNothing) {
    CreateOtherFileType();
    AssociateFileType("QXT", "XML Pad", 1);
    SetDefaultText(ExtKey, ThirdType);
    SetDefaultText(ThirdType + "\\shell\\open\\command", "third.exe \"%1\"");
    const Lines registry = Registry();
    const Lines backup = Backup();
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), registry);
    EXPECT_EQ(Backup(), backup);
    EXPECT_FALSE(backup.empty());
}

TEST_F(AssociationTest, RemovalComparesTheSavedTypeInExactLetterCase) {
    CreateOtherFileType();
    AssociateFileType("QXT", "XML Pad", 1);
    WriteIni("KeyName", "QUILLOTTEST.OTHERFILE");
    const Lines registry = Registry();
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), registry);
    EXPECT_EQ(BackupValue("KeyName"), "QUILLOTTEST.OTHERFILE");
}

TEST_F(AssociationTest, RemovalOfTheOwnTypeDeletesOwnOlderAndExtensionKeys) {
    SetDefaultText(OlderType + "\\shell\\Open\\command", "old.exe \"%1\"");
    SetDefaultText(OlderType + "\\DefaultIcon", "old.exe,0");
    WriteIni("KeyName", OtherType);
    AssociateFileType("QXT", "XML Pad", 1);
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), Lines{});
    // The section is not the own type's business and stays.
    EXPECT_EQ(Backup(), Lines{"KeyName=" + OtherType});
}

// Other software and the system keep values and subkeys of their own in the
// extension key, put there before the install or while it is in place.
TEST_F(AssociationTest, RemovalOfAFreshInstallKeepsWhatOthersPutIntoTheExtensionKey) {
    struct Case {
        const char* name;
        std::vector<RegistryEntry> entries;
        Lines emptyKeys;
        bool addedWhileInstalled;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, {}, false},
        {"Content Type and PerceivedType",
         {{ExtKey, "Content Type", REG_SZ, Sz("text/x-qxt")},
          {ExtKey, "PerceivedType", REG_SZ, Sz("text")}},
         {},
         false},
        {"ShellNew", {{ExtKey + "\\ShellNew", "NullFile", REG_SZ, Sz("")}}, {}, false},
        {"OpenWithProgids",
         {{ExtKey + "\\OpenWithProgids", OwnType, REG_NONE, ""},
          {ExtKey + "\\OpenWithProgids", OtherType, REG_NONE, ""}},
         {},
         true},
        {"an expandable value and an empty subkey",
         {{ExtKey, "Tool", REG_EXPAND_SZ, Sz("%ProgramFiles%\\t.exe")}},
         {ExtKey + "\\PersistentHandler"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cleanup_.DeleteAll();
        test::SetEntries(c.entries, c.emptyKeys);
        const Lines foreign = Registry();
        if (c.addedWhileInstalled) cleanup_.DeleteAll();
        AssociateFileType("QXT", "XML Pad", 1);
        EXPECT_EQ(test::DefaultText(ExtKey), OwnType);
        if (c.addedWhileInstalled) test::SetEntries(c.entries, c.emptyKeys);
        AssociateFileType("QXT", "", 0);
        EXPECT_EQ(Registry(), foreign);
    }
}

TEST_F(AssociationTest, RemovalWithoutFileTypeAndBackupChangesNothing) {
    SetDefaultText(OlderType, "older");
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), Joined({Lines{OlderType, OlderType + " @ = older"}}));
    EXPECT_FALSE(IniFileWritten());
}

TEST_F(AssociationTest, RemovalWithoutFileTypeLeavesABackupAlone) {
    CreateOtherFileType();
    AssociateFileType("QXT", "XML Pad", 1);
    SetDefaultText(ExtKey, "");
    const Lines registry = Registry();
    const Lines backup = Backup();
    AssociateFileType("QXT", "", 0);
    EXPECT_EQ(Registry(), registry);
    EXPECT_EQ(Backup(), backup);
}

TEST_F(AssociationTest, OtherInstallValuesChangeNothing) {
    for (uint8_t install : {2, 3, 255}) {
        SCOPED_TRACE(install);
        AssociateFileType("QXT", "XML Pad", install);
        EXPECT_EQ(Registry(), Lines{});
        CreateOtherFileType();
        const Lines registry = Registry();
        AssociateFileType("QXT", "XML Pad", install);
        EXPECT_EQ(Registry(), registry);
        test::DeleteTree(ExtKey);
        test::DeleteTree(OtherType);
    }
    EXPECT_FALSE(IniFileWritten());
}

// A take-over without a backup that reads back whole could never be undone,
// so it changes nothing. A removal whose writes fail keeps the section, and a
// later removal finishes the job.
TEST_F(AssociationTest, NothingIsLostWhenTheBackupCannotBeWrittenOrRestored) {
    struct TakeOverCase {
        const char* name;
        std::string ini;
        std::string command;
    };
    const TakeOverCase takeOvers[] = {
        {"INI file in a missing folder", folder_.File("missing\\Quillot.ini"), OtherCommand},
        {"command too long to read back", folder_.File("Quillot.ini"),
         "other.exe /x:" + std::string(20000, 'L')},
    };
    for (const TakeOverCase& c : takeOvers) {
        SCOPED_TRACE(c.name);
        cleanup_.DeleteAll();
        UseIni(c.ini);
        CreateOtherFileType(c.command);
        const Lines before = Registry();
        AssociateFileType("QXT", "XML Pad", 1);
        EXPECT_EQ(Registry(), before);
        EXPECT_TRUE(Backup().empty());
    }
    EXPECT_EQ(messageBoxes_.Shown().size(), 1u);  // the store's "IniFile WriteError"

    UseIni(folder_.File("Quillot.ini"));
    for (const bool fiveKeyForm : {true, false}) {
        SCOPED_TRACE(fiveKeyForm ? "five-key section" : "section with items");
        cleanup_.DeleteAll();
        CreateOtherFileType();
        const Lines before = Registry();
        if (fiveKeyForm) {
            WriteIni("KeyName", OtherType);
            WriteIni("command", OtherCommand);
        } else {
            AssociateFileType("QXT", "XML Pad", 1);
        }
        const Lines backup = Backup();
        ASSERT_FALSE(backup.empty());
        // No lasting key can be created below a volatile one.
        test::DeleteTree(OtherOpen);
        test::CreateKey(OtherOpen, true);
        AssociateFileType("QXT", "", 0);
        EXPECT_EQ(Backup(), backup);

        test::DeleteTree(OtherOpen);
        test::CreateKey(OtherOpen);
        AssociateFileType("QXT", "", 0);
        EXPECT_TRUE(Backup().empty());
        EXPECT_EQ(test::DefaultText(OtherOpen + "\\command"), OtherCommand);
        if (!fiveKeyForm) {
            EXPECT_EQ(Registry(), before);
        }
    }
}

// Run by ProgramPathWithSpacesIsQuotedOnlyInTheOpenCommand from a copy of
// this program in a folder whose name holds blanks.
TEST(AssociationChild, DISABLED_FreshInstallOfQxs) {
    test::TempFolder folder;
    DefaultIniFile = CurrentIniFile = folder.File("child.ini");
    AssociateFileType("QXS", "Child", 1);
}

TEST_F(AssociationTest, ProgramPathWithSpacesIsQuotedOnlyInTheOpenCommand) {
    test::RegistryCleanup childKeys({".qxs", "Tovrel.QXS_file"});
    const std::string copyFolder = folder_.File("Program Files");
    ASSERT_TRUE(CreateDirectoryA(copyFolder.c_str(), nullptr));
    const std::string copy = copyFolder + "\\Quillot tests.exe";
    ASSERT_TRUE(CopyFileA(test::ModulePath().c_str(), copy.c_str(), TRUE));

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const std::string logPath = folder_.File("child.log");
    HANDLE log = CreateFileA(logPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(log, INVALID_HANDLE_VALUE);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = log;
    std::string commandLine = "\"" + copy +
                              "\" --gtest_also_run_disabled_tests"
                              " --gtest_filter=AssociationChild.DISABLED_FreshInstallOfQxs";
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(copy.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               nullptr, &startup, &process));
    CloseHandle(log);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    ASSERT_EQ(exitCode, 0u) << test::ReadWholeFile(logPath);

    EXPECT_EQ(DumpTree("Tovrel.QXS_file"),
              Sorted({
                  "Tovrel.QXS_file",
                  "Tovrel.QXS_file @ = Child file",
                  "Tovrel.QXS_file\\DefaultIcon",
                  "Tovrel.QXS_file\\DefaultIcon @ = " + copy + ",0",
                  "Tovrel.QXS_file\\shell",
                  "Tovrel.QXS_file\\shell\\Open",
                  "Tovrel.QXS_file\\shell\\Open\\command",
                  "Tovrel.QXS_file\\shell\\Open\\command @ = \"" + copy + "\" \"%1\"",
              }));
}

}  // namespace
}  // namespace quillot
