// File names in the INI file: a name the ANSI code page holds is stored as
// its bytes in that code page, as earlier versions store and read it; any
// other name in the marked form; both read back exactly, also from an INI
// file whose own path the code page cannot hold.
#include "settings/stored_name.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "reader/wide_text.h"
#include "settings/settings_store.h"
#include "tests/settings/message_box_recorder.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

TEST(StoredFileName, AnsiNamesAsTheirBytesOthersMarkedAndEscaped) {
    const struct {
        const char* name;
        const char* stored;
    } rows[] = {
        {"C:\\pads\\tool.xml", "C:\\pads\\tool.xml"},
        {"C:\\pads\\Müller €.xml", "C:\\pads\\M\xFCller \x80.xml"},
        {"C:\\Программа.xml",
         "<utf-8>C:\\%D0%9F%D1%80%D0%BE%D0%B3%D1%80%D0%B0%D0%BC%D0%BC%D0%B0.xml"},
        {"软件.pad", "<utf-8>%E8%BD%AF%E4%BB%B6.pad"},
        {"Łódź\\notes 😀 100%.xml", "<utf-8>%C5%81%C3%B3d%C5%BA\\notes %F0%9F%98%80 100%25.xml"},
        {"<utf-8>x.xml", "<utf-8><utf-8>x.xml"},  // the marker itself is escaped into the form
        {"100%.xml", "100%.xml"},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(StoredFileName(row.name), row.stored) << row.name;
        EXPECT_EQ(FileNameFromStored(row.stored), row.name) << row.stored;
    }
    // What is not an escape stays as it stands.
    EXPECT_EQ(FileNameFromStored("<utf-8>a%2%zz%41"), "a%2%zzA");
}

// The store on an INI file in a folder whose name the ANSI code page lacks.
class StoredNameIniTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ini_ = test::JoinPath(folder_.MakeFolder("Łódź Программы"), "Quillot.ini");
        DefaultIniFile = ini_;
        CurrentIniFile = ini_;
        WriteErrorShown = false;
    }
    void TearDown() override {
        DefaultIniFile.clear();
        CurrentIniFile.clear();
        CurrentMode = 0;
    }
    void Write(const std::string& name) {
        BeginSection("", "Main", WriteMode);
        ExchangeString("fName", StoredFileName(name));
        EndSection(4);
    }
    std::string Read() {
        BeginSection("", "Main", ReadMode);
        return FileNameFromStored(ExchangeString("fName", ""));
    }

    test::TempFolder folder_;
    std::string ini_;
    test::MessageBoxRecorder messageBoxes_;
};

TEST_F(StoredNameIniTest, NamesGoThereAndBackExactly) {
    for (const char* name :
         {"C:\\Łódź\\Программа.xml", "D:\\软件.pad", "notes 😀.xml", "C:\\pads\\Müller ÿ€.xml"}) {
        Write(name);
        EXPECT_EQ(Read(), name);
    }
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

// The file as the single-byte calls of earlier versions write it reads the
// same, and a name they can hold is written as they write it.
TEST_F(StoredNameIniTest, AnIniOfEarlierVersionsReadsAndIsWrittenAsBefore) {
    test::TempFolder plain;
    const std::string old = plain.File("old.ini");
    const std::string ansiName = "C:\\pads\\M\xFCller \x80\xFF.xml";
    ASSERT_TRUE(WritePrivateProfileStringA("Main", "fName", ansiName.c_str(), old.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Main", "fSrc", "\xE9t\xE9", old.c_str()));
    test::WriteWholeFile(ini_, test::ReadWholeFile(old));

    EXPECT_EQ(Read(), "C:\\pads\\Müller €ÿ.xml");
    BeginSection("", "Main", ReadMode);
    EXPECT_EQ(ExchangeString("fSrc", ""), "\xE9t\xE9");
    Write(Read());
    EXPECT_EQ(test::ReadWholeFile(ini_), test::ReadWholeFile(old));
}

}  // namespace
}  // namespace quillot
