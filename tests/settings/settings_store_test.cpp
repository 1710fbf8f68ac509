#include "settings/settings_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/settings/message_box_recorder.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

using test::MessageBoxRecorder;
using test::ReadWholeFile;
using test::WriteWholeFile;

// Every test works on its own INI file in a fresh folder, made the default
// file of the store, with the store's state as at the start of a process.
class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ini_ = folder_.File("quillot.ini");
        DefaultIniFile = ini_;
        CurrentIniFile = ini_;
        CurrentSection.clear();
        CurrentMode = 0;
        WriteErrorShown = false;
    }
    void TearDown() override {
        DefaultIniFile.clear();
        CurrentIniFile.clear();
        CurrentSection.clear();
        CurrentMode = 0;
        WriteErrorShown = false;
    }

    void WriteIni(const std::string& content) { WriteWholeFile(ini_, content); }
    std::string IniText() const { return ReadWholeFile(ini_); }

    test::TempFolder folder_;
    std::string ini_;
    MessageBoxRecorder messageBoxes_;
};

// The profile API trims blanks around a stored value unless it is quoted, so
// the rows that need blanks in the value quote it.
TEST_F(SettingsStoreTest, ExchangeIntReadsTheIntegerSyntax) {
    const int32_t def = -99;
    const struct {
        const char* stored;
        int32_t expected;
    } rows[] = {
        {"42", 42},
        {"\"  42\"", 42},
        {"$FF", 255},
        {"$ff", 255},
        {"-5", -5},
        {"", def},
        {"12abc", def},
        {"4.5", def},
        {"$", def},
        {"\"42 \"", def},
        {"2147483648", def},
        {"$FFFFFFFF", -1},
        {"+7", 7},
        {"-2147483647", -2147483647},
        {"-2147483648", def},
        {"$100000000", def},
        {"yes", def},
    };
    for (const auto& row : rows) {
        WriteIni(std::string("[S]\r\nkey=") + row.stored + "\r\n");
        BeginSection("", "S", ReadMode);
        EXPECT_EQ(ExchangeInt("key", def), row.expected) << row.stored;
    }
    BeginSection("", "S", ReadMode);
    EXPECT_EQ(ExchangeInt("missing", def), def);
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(SettingsStoreTest, ExchangeBoolReadsIntegersAsTruth) {
    const struct {
        const char* stored;
        bool ifDefaultFalse;
        bool ifDefaultTrue;
    } rows[] = {
        {"1", true, true},   {"2", true, true},    {"-1", true, true},   {"$10", true, true},
        {"0", false, false}, {"$0", false, false}, {"yes", false, true}, {"True", false, true},
        {"", false, true},   {"1.0", false, true},
    };
    for (const auto& row : rows) {
        WriteIni(std::string("[S]\r\nflag=") + row.stored + "\r\n");
        BeginSection("", "S", ReadMode);
        EXPECT_EQ(ExchangeBool("flag", false), row.ifDefaultFalse) << row.stored;
        EXPECT_EQ(ExchangeBool("flag", true), row.ifDefaultTrue) << row.stored;
    }
    BeginSection("", "S", ReadMode);
    EXPECT_FALSE(ExchangeBool("missing", false));
    EXPECT_TRUE(ExchangeBool("missing", true));
}

TEST_F(SettingsStoreTest, WriteModeStoresDecimalAndDigitBooleans) {
    BeginSection("", "Main", WriteMode);
    EXPECT_EQ(ExchangeInt("neg", -5), -5);
    EXPECT_EQ(ExchangeInt("zero", 0), 0);
    EXPECT_EQ(ExchangeInt("max", 2147483647), 2147483647);
    EXPECT_EQ(ExchangeInt("color", 0x800000), 0x800000);
    EXPECT_TRUE(ExchangeBool("on", true));
    EXPECT_FALSE(ExchangeBool("off", false));
    EXPECT_EQ(ExchangeString("face", "Arial"), "Arial");

    const std::string text = IniText();
    for (const char* line : {"[Main]", "neg=-5", "zero=0", "max=2147483647", "color=8388608",
                             "on=1", "off=0", "face=Arial"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
    EXPECT_EQ(text.find("True"), std::string::npos);
    EXPECT_EQ(text.find("False"), std::string::npos);

    BeginSection("", "Main", ReadMode);
    EXPECT_EQ(ExchangeInt("neg", 1), -5);
    EXPECT_EQ(ExchangeInt("color", 1), 0x800000);
    EXPECT_TRUE(ExchangeBool("on", false));
    EXPECT_FALSE(ExchangeBool("off", true));
    EXPECT_EQ(ExchangeString("face", "x"), "Arial");
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(SettingsStoreTest, ReadModeReturnsTheDefaultForAMissingKeyOrFile) {
    BeginSection("", "Main", ReadMode);
    EXPECT_EQ(ExchangeString("fName", "C:\\x.xml"), "C:\\x.xml");
    EXPECT_FALSE(test::FileExistsForTest(ini_));
    WriteIni("[Main]\r\nother=1\r\n");
    EXPECT_EQ(ExchangeString("fName", "dflt"), "dflt");
    EXPECT_EQ(ExchangeString("other", "dflt"), "1");
}

TEST_F(SettingsStoreTest, WritingAnEmptyTextRemovesTheKey) {
    WriteIni("[Main]\r\nfName=C:\\a.xml\r\nkeep=1\r\n");
    BeginSection("", "Main", WriteMode);
    EXPECT_EQ(ExchangeString("fName", ""), "");
    const std::string text = IniText();
    EXPECT_EQ(text.find("fName"), std::string::npos) << text;
    EXPECT_NE(text.find("keep=1"), std::string::npos) << text;
    BeginSection("", "Main", ReadMode);
    EXPECT_EQ(ExchangeString("fName", "default"), "default");
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(SettingsStoreTest, ALongTextReadsBackAsItsFirst16000Characters) {
    std::string longText(20000, ' ');
    for (size_t i = 0; i < longText.size(); ++i)
        longText[i] = static_cast<char>('a' + i % 26);
    BeginSection("", "Main", WriteMode);
    ExchangeString("long", longText);
    BeginSection("", "Main", ReadMode);
    const std::string read = ExchangeString("long", "");
    EXPECT_EQ(read.size(), 16000u);
    EXPECT_EQ(read, longText.substr(0, 16000));

    const std::string exact(16000, 'q');
    BeginSection("", "Main", WriteMode);
    ExchangeString("exact", exact);
    BeginSection("", "Main", ReadMode);
    EXPECT_EQ(ExchangeString("exact", ""), exact);
}

TEST_F(SettingsStoreTest, ReplaceModeErasesTheSectionAtOnceAndThenWrites) {
    WriteIni("[Backup]\r\nold=1\r\nolder=2\r\n[Other]\r\nkept=3\r\n");
    BeginSection("", "Backup", ReplaceMode);
    EXPECT_EQ(CurrentMode, WriteMode);
    std::string text = IniText();
    EXPECT_EQ(text.find("Backup"), std::string::npos) << text;
    EXPECT_EQ(text.find("old"), std::string::npos) << text;
    EXPECT_NE(text.find("kept=3"), std::string::npos) << text;

    EXPECT_EQ(ExchangeString("new", "4"), "4");
    text = IniText();
    EXPECT_NE(text.find("[Backup]"), std::string::npos) << text;
    EXPECT_NE(text.find("new=4"), std::string::npos) << text;
    EXPECT_TRUE(messageBoxes_.Shown().empty());
}

TEST_F(SettingsStoreTest, OtherModesReturnThePassedValueAndTouchNothing) {
    const std::string before = "[S]\r\ns=stored\r\ni=7\r\nb=1\r\n";
    for (int32_t mode : {0, 3, 5, -1}) {
        WriteIni(before);
        BeginSection("", "S", mode);
        EXPECT_EQ(CurrentMode, mode);
        EXPECT_EQ(ExchangeString("s", "passed"), "passed") << mode;
        EXPECT_EQ(ExchangeString("s", ""), "") << mode;
        EXPECT_EQ(ExchangeInt("i", 99), 99) << mode;
        EXPECT_FALSE(ExchangeBool("b", false)) << mode;
        EXPECT_TRUE(ExchangeBool("new", true)) << mode;
        EXPECT_EQ(IniText(), before) << mode;
    }
}

TEST_F(SettingsStoreTest, ExchangesBeforeAnyBeginSectionDoNothing) {
    EXPECT_EQ(CurrentMode, 0);
    EXPECT_EQ(ExchangeString("s", "passed"), "passed");
    EXPECT_EQ(ExchangeInt("i", 5), 5);
    EXPECT_TRUE(ExchangeBool("b", true));
    EXPECT_FALSE(test::FileExistsForTest(ini_));
}

TEST_F(SettingsStoreTest, EndSectionFourLeavesTheStoreReadingTheParkingSection) {
    WriteIni("[x@#x]\r\nfName=parked\r\n[Main]\r\nfName=main\r\n");
    const std::string other = folder_.File("other.ini");
    BeginSection(other, "Main", WriteMode);
    EndSection(4);
    EXPECT_EQ(CurrentIniFile, ini_);
    EXPECT_EQ(CurrentSection, "x@#x");
    EXPECT_EQ(CurrentMode, ReadMode);
    EXPECT_EQ(ExchangeString("fName", "none"), "parked");
    EXPECT_FALSE(test::FileExistsForTest(other));
    EXPECT_EQ(IniText(), "[x@#x]\r\nfName=parked\r\n[Main]\r\nfName=main\r\n");
}

TEST_F(SettingsStoreTest, EndSectionZeroOnlyReturnsToTheDefaultFile) {
    const std::string other = folder_.File("other.ini");
    BeginSection(other, "Main", WriteMode);
    ExchangeString("k", "in other");
    EndSection(0);
    EXPECT_EQ(CurrentIniFile, ini_);
    EXPECT_EQ(CurrentSection, "Main");
    EXPECT_EQ(CurrentMode, WriteMode);
    ExchangeString("k", "in default");
    EXPECT_NE(ReadWholeFile(other).find("k=in other"), std::string::npos);
    EXPECT_NE(IniText().find("k=in default"), std::string::npos);
}

TEST_F(SettingsStoreTest, BeginSectionWithoutAFileKeepsTheCurrentFile) {
    const std::string other = folder_.File("other.ini");
    BeginSection(other, "A", WriteMode);
    BeginSection("", "B", WriteMode);
    EXPECT_EQ(CurrentIniFile, other);
    ExchangeString("k", "v");
    EXPECT_NE(ReadWholeFile(other).find("[B]\r\nk=v"), std::string::npos);
    EXPECT_FALSE(test::FileExistsForTest(ini_));
}

TEST_F(SettingsStoreTest, ReadKeyAndWriteKeyUseTheCurrentFile) {
    CurrentSection = "ignored by the primitives";
    WriteKey("P", "k", "v=1;x");
    EXPECT_EQ(ReadKey("P", "k", "d"), "v=1;x");
    EXPECT_EQ(ReadKey("P", "missing", "d"), "d");
    EXPECT_EQ(ReadKey("Q", "k", ""), "");
    WriteKey("P", "k", "");
    EXPECT_EQ(ReadKey("P", "k", "gone"), "gone");
}

TEST_F(SettingsStoreTest, EraseSectionRemovesTheCurrentSectionOfTheCurrentFile) {
    WriteIni("[A]\r\na=1\r\n[B]\r\nb=2\r\n");
    CurrentSection = "A";
    EraseSection();
    EXPECT_EQ(IniText().find("a=1"), std::string::npos);
    EXPECT_NE(IniText().find("b=2"), std::string::npos);
}

// A window at the top of the Z order, to be the write error's owner.
class TopmostWindow {
  public:
    TopmostWindow() {
        hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "topmost", WS_POPUP, 0,
                                0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ~TopmostWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

  private:
    HWND hwnd_;
};

// Linux root may write read-only files, so the write is made to fail with a
// folder that does not exist, which fails for everyone.
TEST_F(SettingsStoreTest, TheFirstFailedWriteIsReportedOnceAndLaterOnesAreSilent) {
    TopmostWindow top;
    ASSERT_NE(top.Handle(), nullptr);
    ASSERT_EQ(GetTopWindow(nullptr), top.Handle());
    const std::string unwritable = folder_.File("missing\\quillot.ini");

    BeginSection(unwritable, "Main", WriteMode);
    EXPECT_EQ(ExchangeString("fName", "C:\\a.xml"), "C:\\a.xml");
    ASSERT_EQ(messageBoxes_.Shown().size(), 1u);
    const test::ShownMessageBox& box = messageBoxes_.Shown()[0];
    EXPECT_EQ(box.text, "IniFile WriteError");
    EXPECT_EQ(box.caption, "In File: " + unwritable);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONSTOP | MB_OKCANCEL));
    EXPECT_EQ(box.owner, top.Handle());
    EXPECT_TRUE(WriteErrorShown);

    EXPECT_EQ(ExchangeInt("i", 3), 3);
    EXPECT_TRUE(ExchangeBool("b", true));
    EXPECT_EQ(ExchangeString("fName", ""), "");
    WriteKey("Main", "k", "v");
    BeginSection(unwritable, "Other", ReplaceMode);
    ExchangeString("k", "v");
    EXPECT_EQ(messageBoxes_.Shown().size(), 1u);
    EXPECT_EQ(CurrentIniFile, unwritable);
    EXPECT_EQ(CurrentSection, "Other");
    EXPECT_EQ(CurrentMode, WriteMode);

    // The default file still works afterwards.
    EndSection(0);
    ExchangeString("k", "v");
    EXPECT_NE(IniText().find("k=v"), std::string::npos);
}

TEST_F(SettingsStoreTest, FailedReadsAndErasesSayNothing) {
    const std::string unreachable = folder_.File("missing\\quillot.ini");
    BeginSection(unreachable, "Main", ReadMode);
    EXPECT_EQ(ExchangeString("fName", "d"), "d");
    EXPECT_EQ(ExchangeInt("i", 4), 4);
    BeginSection(unreachable, "Main", ReplaceMode);
    EraseSection();
    EXPECT_TRUE(messageBoxes_.Shown().empty());
    EXPECT_FALSE(WriteErrorShown);
}

}  // namespace
}  // namespace quillot
