#include "tests/support/reader_fixture.h"

#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/vocabulary.h"

namespace quillot::test {

void ReaderTest::SetUp() {
    InitPadReader(ReaderSetup{});
    SourceLines.Clear();
    PadFieldList.Clear();
    EnglishOnly = false;
}

void LoadDocumentText(std::string_view text) {
    LineSplitter splitter;
    splitter.Feed(text.data(), text.size());
    splitter.Finish();
    ExtractPadFields();
}

std::vector<std::string> SourceLinesAsVector() {
    std::vector<std::string> lines;
    for (size_t i = 0; i < SourceLines.Count(); ++i)
        lines.emplace_back(SourceLines[i]);
    return lines;
}

std::string ShowCr(std::string_view text) {
    std::string shown;
    for (char c : text) {
        if (c == '\r') {
            shown += "\xE2\x8F\x8E";
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string RequiredPadFields(const std::string& padVersion) {
    const std::pair<const char*, const char*> values[] = {
        {"MASTER_PAD_VERSION", padVersion.c_str()},
        {"Company_Name", "Quillot Developers"},
        {"City_Town", "Krak\xC3\xB3w"},
        {"Country", "Poland"},
        {"Company_WebSite_URL", "http://quillot.invalid"},
        {"Author_First_Name", "Ada"},
        {"Author_Last_Name", "Lovelace"},
        {"Author_Email", "ada@quillot.invalid"},
        {"Contact_First_Name", "Ada"},
        {"Contact_Last_Name", "Lovelace"},
        {"Contact_Email", "ada@quillot.invalid"},
        {"Sales_Email", "sales@quillot.invalid"},
        {"Support_Email", "help@quillot.invalid"},
        {"General_Email", "info@quillot.invalid"},
        {"Program_Name", "Quillot"},
        {"Program_Version", "1.3.0"},
        {"Program_Release_Month", "05"},
        {"Program_Release_Day", "31"},
        {"Program_Release_Year", "2024"},
        {"Program_Type", "Freeware"},
        {"Program_Release_Status", "Major Update"},
        {"Program_Install_Support", "Install and Uninstall"},
        {"Program_OS_Support", "WinXP,Win7 x64, WinOther"},
        {"Program_Language", "English,German"},
        {"File_Size_Bytes", "1048576"},
        {"File_Size_K", "1024"},
        {"File_Size_MB", "1"},
        {"Has_Expire_Info", "N"},
        {"Program_Category_Class", "Business::Accounting &amp; Finance"},
        {"Application_Info_URL", "http://quillot.invalid/info"},
        {"Application_Screenshot_URL", "http://quillot.invalid/shot.png"},
        {"Application_Icon_URL", "http://quillot.invalid/icon.gif"},
        {"Application_XML_File_URL", "http://quillot.invalid/pad.xml"},
        {"Primary_Download_URL", "ftp://quillot.invalid/setup.exe"},
    };
    std::string text;
    for (const auto& [tag, value] : values)
        text += std::string("<") + tag + ">" + value + "</" + tag + ">\n";
    return text;
}

}  // namespace quillot::test
