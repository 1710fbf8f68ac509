#include <gtest/gtest.h>

#include <algorithm>

#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "report/report_settings.h"
#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

using test::kBlank;
using test::Lines;

// A value as the All view shows it: the text (already in its RTF form) and
// whether it stands beside its tag name or in a paragraph of its own.
struct ShownField {
    const char* tag;
    std::string value;
    bool beside = true;
};
constexpr bool kOwnParagraph = false;

class CorpusReportsTest : public test::ReportTest {
  protected:
    void LoadCorpusFile(const std::string& name) {
        const std::string path = test::CorpusPath(name);
        ASSERT_TRUE(ReadSourceLines(path)) << path;
        ExtractPadFields();
        settings_.currentFilePath = path;
    }

    // The All view's body for a document whose first occurrences are
    // `shown`; every other tag gets its line with an empty value.
    static Lines AllFieldsBody(const std::vector<ShownField>& shown) {
        Lines body;
        size_t used = 0;
        for (const std::string& tag : PadTagTable) {
            const ShownField* field = nullptr;
            for (const ShownField& candidate : shown) {
                if (tag == candidate.tag) field = &candidate;
            }
            used += field != nullptr;
            const std::string value = field != nullptr ? field->value : "";
            if (field == nullptr || field->beside) {
                body.push_back("\\plain\\f0\\fs16\\cf1\\ul " + tag + "\\plain\\f0\\fs16\\cf2\\b  " +
                               value + "\\plain\\f0\\fs16\\cf0");
            } else {
                body.push_back("\\plain\\f0\\fs16\\cf1\\ul " + tag + "\\plain\\f0\\fs16\\cf0");
                body.push_back("\\par \\plain\\f0\\fs16\\cf2\\b " + value +
                               "\\plain\\f0\\fs16\\cf0");
            }
            body.push_back("\\par");
        }
        EXPECT_EQ(used, shown.size()) << "a tag of the expectation is misspelt";
        return body;
    }

    // Renders the loaded document and compares each report's body line by line.
    void ExpectReports(const Lines& allFields, const Lines& standard, const Lines& summary) {
        WriteAllReports(settings_);
        ExpectLines(Body(ReadReport(AllFieldsReportName), 3), allFields, AllFieldsReportName);
        ExpectLines(Body(ReadReport(StandardReportName), 4), standard, StandardReportName);
        ExpectLines(Body(ReadReport(SummaryReportName), 4), summary, SummaryReportName);
    }

  private:
    Lines ReadReport(const char* name) {
        return test::SplitCrLfLines(test::ReadWholeFile(folder_.File(name)));
    }

    static void ExpectLines(const Lines& actual, const Lines& expected, const char* report) {
        for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
            const std::string got = i < actual.size() ? actual[i] : "<missing>";
            const std::string want = i < expected.size() ? expected[i] : "<none>";
            EXPECT_EQ(test::ShowCr(got), test::ShowCr(want)) << report << ", body line " << i + 1;
        }
    }
};

TEST_F(CorpusReportsTest, EveryRealFileLoadsAndRenders) {
    const auto files = test::CorpusFiles();
    ASSERT_GE(files.size(), 60u);
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(ReadSourceLines(path));
        ExtractPadFields();
        settings_.currentFilePath = path;
        const bool englishOnly = EnglishOnly;
        ASSERT_NO_THROW(WriteAllReports(settings_));
        // Rendered again into memory, the reports are the files byte for byte.
        ReportTexts memory;
        ReportSettings inMemory = settings_;
        inMemory.folder = folder_.File("no-such-folder") + test::Separator;
        inMemory.memory = &memory;
        EnglishOnly = englishOnly;
        ASSERT_NO_THROW(WriteAllReports(inMemory));
        EXPECT_EQ(memory.size(), 3u);
        // A file that names its program in a plain element shows that name.
        if (test::ReadWholeFile(path).find("<Program_Name>") != std::string::npos) {
            EXPECT_NE(GetFieldValue("Program_Name"), "");
        }
        for (const char* report : {AllFieldsReportName, StandardReportName, SummaryReportName}) {
            const std::string text = test::ReadWholeFile(folder_.File(report));
            EXPECT_TRUE(memory[report] == text) << report;
            const Lines lines = test::SplitCrLfLines(text);
            ASSERT_GE(lines.size(), 4u);
            EXPECT_EQ(lines.front(), "{\\rtf1\\ansi\\deff0\\deflang1031");
            EXPECT_EQ(lines.back(), "}");  // also proves every line ends in CR LF
        }
    }
}

// Values that begin on the line after their tag, and numeric character
// references: each report line that shows them, as written.
TEST_F(CorpusReportsTest, ValuesOnTheNextLineAndNumericReferencesReachTheReports) {
    const struct {
        const char* file;
        const char* report;
        const char* line;  // the start of a line of the report
    } rows[] = {
        {"postsai_postsai.github.io_pad_file.xml", AllFieldsReportName,
         "\\par \\plain\\f0\\fs16\\cf2\\b Permission is hereby granted, free of charge,"},
        {"teknopaul_binjs_pad_file.xml", AllFieldsReportName,
         "\\plain\\f0\\fs16\\cf1\\ul EULA\\plain\\f0\\fs16\\cf2\\b  GNU GENERAL PUBLIC LICENSE"},
        {"Eliminater74_DVDStyler_pad.xml", AllFieldsReportName,
         "\\plain\\f0\\fs16\\cf1\\ul Company_Name\\plain\\f0\\fs16\\cf2\\b  Alex Th\\u252?ring\\"},
        {"Eliminater74_DVDStyler_pad.xml", AllFieldsReportName,
         "\\plain\\f0\\fs16\\cf1\\ul Program_Category_Class\\plain\\f0\\fs16\\cf2\\b  "
         "Audio & Multimedia::CD Burners\\"},
        {"Eliminater74_DVDStyler_pad.xml", StandardReportName,
         "\\cf1 Author: {\\cf2 Alex Th\\u252?ring},"},
        {"davidwed_MP4Tools_pad.xml", StandardReportName,
         "\\cf1 Company: {\\cf2 Alex Th\\u252?ring - Germany},"},
    };
    for (const auto& row : rows) {
        LoadCorpusFile(row.file);
        WriteAllReports(settings_);
        const Lines lines = test::SplitCrLfLines(test::ReadWholeFile(folder_.File(row.report)));
        EXPECT_TRUE(
            std::any_of(lines.begin(), lines.end(),
                        [&](const std::string& line) { return line.rfind(row.line, 0) == 0; }))
            << row.file << ", " << row.report << ": no line begins with " << row.line;
    }
}

// Several tags on one line, self-closing empty elements, a comment after an
// end tag, and "Program_Description" (singular) around the English element,
// which is therefore no language section: every field has an empty section.
TEST_F(CorpusReportsTest, UnusualLayoutOfGetxbook) {
    LoadCorpusFile("phracker_getxbook_pad.xml");
    for (const PadField& field : PadFieldList)
        EXPECT_EQ(field.Section, "") << PadTagTable[static_cast<size_t>(field.TagNumber)];

    const std::string desc250 =
        "getxbook is a collection of tools to download books from websites.\r"
        "* getgbook - downloads from google books' \"book preview\"\r"
        "* getabook - downloads from amazon's \"look inside the book\"\r"
        "* getbnbook - downloads from barnes and noble's \"book viewer\"";
    const std::string license =
        "ISC License\r"
        "Copyright 2011 Nick White njw.me.uk\r"
        "Permission to use, copy, modify, and/or distribute this software for any\r"
        "purpose with or without fee is hereby granted, provided that the above\r"
        "copyright notice and this permission notice appear in all copies.";
    const Lines allFields = AllFieldsBody({
        {"MASTER_PAD_VERSION", "3.11"},
        {"Company_Name", "Nick J White (njw)"},
        {"Company_WebSite_URL", "http://njw.me.uk"},
        {"Author_First_Name", "Nick"},
        {"Author_Last_Name", "White"},
        {"Author_Email", "pad@njw.me.uk"},
        {"Contact_First_Name", "Nick"},
        {"Contact_Last_Name", "White"},
        {"Contact_Email", "pad@njw.me.uk"},
        {"Sales_Email", "pad@njw.me.uk"},
        {"Support_Email", "pad@njw.me.uk"},
        {"General_Email", "pad@njw.me.uk"},
        {"Program_Name", "getxbook"},
        {"Program_Version", "1.0"},
        {"Program_Type", "Freeware"},
        {"Program_Release_Status", "Major Update"},
        {"Program_Install_Support", "No Install Support"},
        {"Program_OS_Support", "Linux,Unix,WinXP"},
        {"Program_Language", "English"},
        {"Program_Category_Class", "Network & Internet::Download Managers"},
        {"Has_Expire_Info", "n"},
        {"Keywords", "books,downloader,google books,amazon,barnes and noble,ocr"},
        {"Char_Desc_45", "A collection of tools to download books"},
        {"Char_Desc_250", desc250, kOwnParagraph},
        {"Application_Info_URL", "http://njw.me.uk/software/getxbook"},
        {"Application_Screenshot_URL", "http://njw.me.uk/software/getxbook/screenshot1.png"},
        {"Application_XML_File_URL", "http://njw.me.uk/software/getxbook/pad.xml"},
        {"Primary_Download_URL", "http://njw.me.uk/software/getxbook/getxbook-1.0-win.zip"},
        {"Distribution_Permissions", license, kOwnParagraph},
    });
    const Lines description = {
        R"({\cf2 getxbook is a collection of tools to download books from websites. \par)",
        R"(* getgbook - downloads from google books' "book preview" \par)",
        R"(* getabook - downloads from amazon's "look inside the book" \par)",
        R"(* getbnbook - downloads from barnes and noble's "book viewer"} \par)",
    };
    Lines standard = {
        R"(\cf1 PAD version: {\cf2 3.11} \par)",
        kBlank,
        R"({\cf2\b getxbook}\cf1  - Version: {\cf2\b 1.0},   )"
        R"({\cf2\b A collection of tools to download books} \par)",
        kBlank,
        R"(\cf1 Company: {\cf2 Nick J White (njw)},   \cf1 Web: {\cf2 http://njw.me.uk} \par)",
        R"(\cf1 Author: {\cf2 Nick White},   \cf1 Email: {\cf2 pad@njw.me.uk} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2 --},   \cf1 Status: {\cf2\b Major Update},   )"
        R"(\cf1 Install Support: {\cf2 No Install Support} \par)",
        R"(\cf1 File Size: {\cf2 },   \cf1 Type: {\cf2 Freeware},   \cf1 Cost: {\cf2 } \par)",
        R"(\cf1 Expires: {\cf2 n} \par)",
        kBlank,
        R"(\cf1 Operating System(s): {\cf2 Linux,Unix,WinXP} \par)",
        R"(\cf1 Categories: ,   Category Class: )"
        R"({\cf2\b Network & Internet::Download Managers} \par)",
        kBlank,
        R"({\cf1\b Keywords: }{\cf2 books,downloader,google books,amazon,barnes and noble,ocr} \par)",
        kBlank,
        R"({\cf1\b Description: } \par)",
    };
    standard.insert(standard.end(), description.begin(), description.end());
    standard.insert(
        standard.end(),
        {
            kBlank,
            R"({\cf1\b Contact Info: } \par)",
            R"(\cf1 General Email: {\cf2 pad@njw.me.uk} \par)",
            R"(\cf1 Sales Email: {\cf2 pad@njw.me.uk} \par)",
            R"(\cf1 Support Email: {\cf2 pad@njw.me.uk} \par)",
            R"(\cf1 Order Online: {\cf2 } \par)",
            kBlank,
            R"({\cf1\b Download URLs: } \par)",
            R"({\cf2 http://njw.me.uk/software/getxbook/getxbook-1.0-win.zip} \par)",
            kBlank,
            R"({\cf1\b Application URLs: } \par)",
            R"(\cf1 Icon: {\cf2 } \par)",
            R"(\cf1 ScnShot: {\cf2 http://njw.me.uk/software/getxbook/screenshot1.png} \par)",
            R"(\cf1 Info: {\cf2 http://njw.me.uk/software/getxbook} \par)",
            R"(\cf1 XML: {\cf2 http://njw.me.uk/software/getxbook/pad.xml} \par)",
            kBlank,
        });
    Lines summary = {
        R"({\cf2\b getxbook}\cf1  - Version: {\cf2\b 1.0} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2\b --},  \cf1 Size: {\cf2\b  kB},  {\cf2\b Freeware ()} \par)",
        kBlank,
        R"({\cf2\b A collection of tools to download books} \par)",
        R"(\cf1 Status: {\cf2\b Major Update} \par)",
        kBlank,
        R"(\cf1 By: {\cf2 Nick J White (njw)} \par)",
        kBlank,
        R"(\cf1 AppXML: {\cf2 http://njw.me.uk/software/getxbook/pad.xml} \par)",
        kBlank,
        R"(\cf1 Operating System(s): {\cf2\b Linux,Unix,WinXP} \par)",
        kBlank,
        R"(\cf1 Categories: {\cf2\b  - } \par)",
        kBlank,
        R"(\cf1 Expiration: {\cf2 n} \par)",
        kBlank,
        R"(\cf1 Description:  \par)",
    };
    summary.insert(summary.end(), description.begin(), description.end());
    summary.insert(summary.end(),
                   {kBlank, R"(\cf1 Operating System(s): {\cf2\b Linux,Unix,WinXP} \par)"});

    ExpectReports(allFields, standard, summary);
}

// &quot; and &apos; in several fields, descriptions over many lines with
// blank lines among them, and backslashes in the long description, which the
// reports escape. CR LF line ends.
TEST_F(CorpusReportsTest, EntitiesAndBackslashesOfCmdLineHere) {
    LoadCorpusFile("aubhall_cmdlinehere_pad_file.xml");

    const std::string padInfo =
        "Portable Application Description, or PAD for short, is a data set that is used by "
        "shareware authors to disseminate information to anyone interested in their software "
        "products. To find out more go to http://www.asp-shareware.org/pad";
    const std::string adds =
        "This adds an item named \"Command Line Here\" to the context menus of folders";
    const std::string explorer =
        "in Windows Explorer which, when selected, opens a command prompt window with\r"
        "the folder as the current directory.";
    const std::string author =
        "by Aubrey Hall - whoamint.dk3.com - aubhall@yahoo.com\r"
        "Last updated: 16-03-2000\r";
    const std::string index = "http://www.angelfire.com/electronic/jademan/cmdline/index.htm";
    const std::string padFile = "http://www.angelfire.com/electronic/jademan/cmdline/pad_file.htm";
    const Lines allFields = AllFieldsBody({
        {"MASTER_PAD_VERSION", "1.15"},
        {"MASTER_PAD_INFO", padInfo, kOwnParagraph},
        {"Company_Name", "Aubrey Hall"},
        {"Address_1", "Rockdell"},
        {"Address_2", "Cootehill"},
        {"City_Town", "Co.Cavan"},
        {"Country", "Ireland"},
        {"Company_WebSite_URL", "http://whoamint.dk3.com"},
        {"Author_First_Name", "Aubrey"},
        {"Author_Last_Name", "Hall"},
        {"Author_Email", "aubhall@yahoo.com"},
        {"Sales_Email", "aubhall@yahoo.com"},
        {"Support_Email", "aubhall@yahoo.com"},
        {"General_Email", "aubhall@yahoo.com"},
        {"Program_Name", "Cmd Line Here"},
        {"Program_Version", "1.0"},
        {"Program_Release_Month", "03"},
        {"Program_Release_Day", "18"},
        {"Program_Release_Year", "2002"},
        {"Program_Type", "Freeware"},
        {"Program_Release_Status", "New Release"},
        {"Program_Install_Support", "Install and Uninstall"},
        {"Program_OS_Support", "Win95,Win98,WinME,WinNT 3.x,WinNT 4.x,WinXP,Windows2000"},
        {"Program_Language", "English"},
        {"Program_Specific_Category", "Utilities"},
        {"Program_Categories", "desktop,mis"},
        {"Program_System_Requirements", "Windows Nt3.51 or Windows '95"},
        {"Includes_JAVA_VM", "N"},
        {"Includes_VB_Runtime", "N"},
        {"Includes_DirectX", "N"},
        {"Filename_Generic", "cmdline.zip"},
        {"File_Size_Bytes", "266,752"},
        {"File_Size_K", "260"},
        {"File_Size_MB", "0"},
        {"Has_Expire_Info", "N"},
        {"Expire_Based_On", "Days"},
        {"Keywords", "Command,Line,Here,"},
        {"Char_Desc_45", "Command Line Here"},
        {"Char_Desc_80", adds},
        {"Char_Desc_250", adds + "\r" + explorer, kOwnParagraph},
        {"Char_Desc_450", "Command line Here\r" + author + adds + "\r" + explorer, kOwnParagraph},
        {"Char_Desc_2000",
         "Command line Here\r" + author + adds + "\r" + explorer +
             "\rUnder Windows NT/2000/XP\r"
             "By default, it uses %SystemRoot%\\\\system32\\\\cmd.exe as the command interpreter.\r"
             "Under Windows '95/98/ME\r"
             "By default, it uses c:\\\\windows\\\\command.com as the command interpreter.",
         kOwnParagraph},
        {"Application_Info_URL", index},
        {"Application_Order_URL", index},
        {"Application_XML_File_URL", padFile},
        {"Primary_Download_URL", index},
    });
    const Lines description = {
        R"({\cf2 Command line Here \par)",
        R"(by Aubrey Hall - whoamint.dk3.com - aubhall@yahoo.com \par)",
        R"(Last updated: 16-03-2000 \par)",
        R"(This adds an item named "Command Line Here" to the context menus of folders \par)",
        R"(in Windows Explorer which, when selected, opens a command prompt window with \par)",
        R"(the folder as the current directory. \par)",
        R"(Under Windows NT/2000/XP \par)",
        R"(By default, it uses %SystemRoot%\\system32\\cmd.exe as the command interpreter. \par)",
        R"(Under Windows '95/98/ME \par)",
        R"(By default, it uses c:\\windows\\command.com as the command interpreter.} \par)",
    };
    const std::string os =
        R"(\cf1 Operating System(s): {\cf2 Win95,Win98,WinME,WinNT 3.x,WinNT 4.x,WinXP,Windows2000} \par)";
    Lines standard = {
        R"(\cf1 PAD version: {\cf2 1.15} \par)",
        kBlank,
        R"({\cf2\b Cmd Line Here}\cf1  - Version: {\cf2\b 1.0},   {\cf2\b Command Line Here} \par)",
        kBlank,
        R"(\cf1 Company: {\cf2 Aubrey Hall - Ireland},   \cf1 Web: {\cf2 http://whoamint.dk3.com} \par)",
        R"(\cf1 Author: {\cf2 Aubrey Hall},   \cf1 Email: {\cf2 aubhall@yahoo.com} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2 2002-03-18},   \cf1 Status: {\cf2\b New Release},   )"
        R"(\cf1 Install Support: {\cf2 Install and Uninstall} \par)",
        R"(\cf1 File Size: {\cf2 260 kB - 0 MB},   \cf1 Type: {\cf2 Freeware},   )"
        R"(\cf1 Cost: {\cf2 } \par)",
        R"(\cf1 Expires: {\cf2 N} \par)",
        kBlank,
        os,
        R"(\cf1 Categories: {\cf2\b Utilities}{\cf2  - desktop,mis} \par)",
        kBlank,
        R"({\cf1\b Keywords: }{\cf2 Command,Line,Here,} \par)",
        kBlank,
        R"({\cf1\b Description: } \par)",
    };
    standard.insert(standard.end(), description.begin(), description.end());
    standard.insert(standard.end(), {
                                        kBlank,
                                        R"({\cf1\b System Requirements: } \par)",
                                        R"({\cf2 Windows Nt3.51 or Windows '95} \par)",
                                        kBlank,
                                        R"({\cf1\b Contact Info: } \par)",
                                        R"(\cf1 General Email: {\cf2 aubhall@yahoo.com} \par)",
                                        R"(\cf1 Sales Email: {\cf2 aubhall@yahoo.com} \par)",
                                        R"(\cf1 Support Email: {\cf2 aubhall@yahoo.com} \par)",
                                        R"(\cf1 Order Online: {\cf2 )" + index + R"(} \par)",
                                        kBlank,
                                        R"({\cf1\b Download URLs: } \par)",
                                        R"({\cf2 )" + index + R"(} \par)",
                                        kBlank,
                                        R"({\cf1\b Application URLs: } \par)",
                                        R"(\cf1 Icon: {\cf2 } \par)",
                                        R"(\cf1 ScnShot: {\cf2 } \par)",
                                        R"(\cf1 Info: {\cf2 )" + index + R"(} \par)",
                                        R"(\cf1 XML: {\cf2 )" + padFile + R"(} \par)",
                                        kBlank,
                                    });
    const std::string osStrong =
        R"(\cf1 Operating System(s): {\cf2\b Win95,Win98,WinME,WinNT 3.x,WinNT 4.x,WinXP,Windows2000} \par)";
    Lines summary = {
        R"({\cf2\b Cmd Line Here}\cf1  - Version: {\cf2\b 1.0} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2\b 2002-03-18},  \cf1 Size: {\cf2\b 260 kB},  )"
        R"({\cf2\b Freeware ()} \par)",
        kBlank,
        R"({\cf2\b Command Line Here} \par)",
        R"(\cf1 Status: {\cf2\b New Release} \par)",
        kBlank,
        R"(\cf1 By: {\cf2 Aubrey Hall, Ireland} \par)",
        kBlank,
        R"(\cf1 AppXML: {\cf2 )" + padFile + R"(} \par)",
        kBlank,
        osStrong,
        kBlank,
        R"(\cf1 Categories: {\cf2\b Utilities - desktop,mis} \par)",
        kBlank,
        R"(\cf1 Expiration: {\cf2 N} \par)",
        kBlank,
        R"(\cf1 Description:  \par)",
    };
    summary.insert(summary.end(), description.begin(), description.end());
    summary.insert(summary.end(), {kBlank, osStrong});

    ExpectReports(allFields, standard, summary);
}

// Four language sections (English, German, French, Spanish) with all fields
// in each: the reports show the English ones, the All view the first ones.
TEST_F(CorpusReportsTest, FourLanguageSectionsOfEmphasize) {
    LoadCorpusFile("MartinHartnagel_emphasize.de_pad.xml");
    Lines keywordSections;
    for (const PadField& field : PadFieldList) {
        if (field.TagNumber == FindPadTag("Keywords")) keywordSections.emplace_back(field.Section);
    }
    EXPECT_EQ(keywordSections, (Lines{"English", "German", "French", "Spanish"}));

    const std::string keywords =
        "time management tracking projects reporting work acquisition log implementation block "
        "pay employment Employed Freelance Report";
    const std::string desc2000[] = {
        "At work with different employers, must often use many different time management "
        "systems, each with far too cumbersome implemented \"time registration\"?",
        "This approach is based on the idea that time and attendance could be as simple as a "
        "board game. There is an customizable playing field on which an character can be placed "
        "according to the current activity. With scissors and glue-up icon in the corner you can "
        "change the field partitions yourself. By moving the pointer to the timeline one can "
        "correct time entries.",
        "Time recording runs in therowser, so no need to install anything.",
    };
    const std::string os =
        "iPhone,Mac OS X,Unix,Win2000,Win7 x32,Win7 x64,WinVista,WinVista x64,WinXP";
    const Lines allFields = AllFieldsBody({
        {"MASTER_PAD_VERSION", "3.10"},
        {"MASTER_PAD_EDITOR", "Online PAD Generator 1.33 - http://www.padbuilder.com"},
        {"MASTER_PAD_INFO",
         "Portable Application Description, or PAD for short, is a data set that is used by "
         "shareware authors to disseminate information to anyone interested in their software "
         "products. To find out more go to http://www.asp-shareware.org/pad",
         kOwnParagraph},
        {"Company_Name", "emphasize.de"},
        {"Company_WebSite_URL", "http://emphasize.de"},
        {"Author_First_Name", "Martin"},
        {"Author_Last_Name", "Hartnagel"},
        {"Contact_Email", "emphasize@emphasize.de"},
        {"Program_Name", "Emphasize"},
        {"Program_Version", "next"},
        {"Program_Release_Month", "02"},
        {"Program_Release_Day", "29"},
        {"Program_Release_Year", "2012"},
        {"Program_Type", "Freeware"},
        {"Program_Release_Status", "Beta"},
        {"Program_OS_Support", os},
        {"Program_Language", "English,French,German,Spanish"},
        {"Program_Specific_Category", "Business"},
        {"Program_Category_Class", "Business::Project Management"},
        {"Program_Categories", "Time Reporting"},
        {"Program_System_Requirements", "Browser"},
        {"File_Size_Bytes", "603858"},
        {"File_Size_K", "589"},
        {"File_Size_MB", "0.57"},
        {"Has_Expire_Info", "N"},
        {"Keywords", keywords, kOwnParagraph},
        {"Char_Desc_45", "free, web based time reporting service"},
        {"Char_Desc_80", "Emphasize is a web based, free & simple time reporting service"},
        {"Char_Desc_250",
         "time tracking as simple as a board game: adjustable board, edit timeline, simple "
         "reports showing monthly / daily totals of recorded times",
         kOwnParagraph},
        {"Char_Desc_450",
         "Based on the idea that time and attendance could be as simple as a board game, there "
         "is a playing field which can be customized by each user individually. With scissors "
         "and glue, you can change the available partitions. By moving the pointer on the "
         "timeline one may correct time entries. Reports show monthly / daily totals of the "
         "recorded times.",
         kOwnParagraph},
        {"Char_Desc_2000", desc2000[0] + "\r" + desc2000[1] + "\r" + desc2000[2], kOwnParagraph},
        {"Application_Info_URL", "http://emphasize.de"},
        {"Application_Order_URL", "http://emphasize.de"},
        {"Application_Screenshot_URL", "http://pad.emphasize.de/emphasize.de_bg.png"},
        {"Application_Icon_URL", "http://pad.emphasize.de/emphasize.de.png"},
        {"Application_XML_File_URL", "http://emphasize.de/pad.xml"},
        {"Primary_Download_URL", "http://emphasize.de/util/download.php"},
        {"Distribution_Permissions", "free and web based"},
        {"EULA", "Read and accept the Terms and Conditions: http://emphasize.de?agb"},
    });
    const Lines description = {
        R"({\cf2 )" + desc2000[0] + R"( \par)",
        desc2000[1] + R"( \par)",
        desc2000[2] + R"(} \par)",
    };
    Lines standard = {
        R"(\cf1 PAD version: {\cf2 3.10} \par)",
        kBlank,
        R"({\cf2\b Emphasize}\cf1  - Version: {\cf2\b next},   )"
        R"({\cf2\b free, web based time reporting service} \par)",
        kBlank,
        R"(\cf1 Company: {\cf2 emphasize.de},   \cf1 Web: {\cf2 http://emphasize.de} \par)",
        R"(\cf1 Author: {\cf2 Martin Hartnagel} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2 2012-02-29},   \cf1 Status: {\cf2\b Beta},   )"
        R"(\cf1 Install Support: {\cf2 } \par)",
        R"(\cf1 File Size: {\cf2 589 kB - 0.57 MB},   \cf1 Type: {\cf2 Freeware},   )"
        R"(\cf1 Cost: {\cf2 } \par)",
        R"(\cf1 Expires: {\cf2 N} \par)",
        kBlank,
        R"(\cf1 Operating System(s): {\cf2 )" + os + R"(} \par)",
        R"(\cf1 Categories: {\cf2\b Business}{\cf2  - Time Reporting},   )"
        R"(Category Class: {\cf2\b Business::Project Management} \par)",
        kBlank,
        R"({\cf1\b Keywords: }{\cf2 )" + keywords + R"(} \par)",
        kBlank,
        R"({\cf1\b Description: } \par)",
    };
    standard.insert(standard.end(), description.begin(), description.end());
    standard.insert(standard.end(),
                    {
                        kBlank,
                        R"({\cf1\b System Requirements: } \par)",
                        R"({\cf2 Browser} \par)",
                        kBlank,
                        R"({\cf1\b Contact Info: } \par)",
                        R"(\cf1 General Email: {\cf2 } \par)",
                        R"(\cf1 Sales Email: {\cf2 } \par)",
                        R"(\cf1 Support Email: {\cf2 } \par)",
                        R"(\cf1 Order Online: {\cf2 http://emphasize.de} \par)",
                        kBlank,
                        R"({\cf1\b Download URLs: } \par)",
                        R"({\cf2 http://emphasize.de/util/download.php} \par)",
                        kBlank,
                        R"({\cf1\b Application URLs: } \par)",
                        R"(\cf1 Icon: {\cf2 http://pad.emphasize.de/emphasize.de.png} \par)",
                        R"(\cf1 ScnShot: {\cf2 http://pad.emphasize.de/emphasize.de_bg.png} \par)",
                        R"(\cf1 Info: {\cf2 http://emphasize.de} \par)",
                        R"(\cf1 XML: {\cf2 http://emphasize.de/pad.xml} \par)",
                        kBlank,
                    });
    const std::string osStrong = R"(\cf1 Operating System(s): {\cf2\b )" + os + R"(} \par)";
    Lines summary = {
        R"({\cf2\b Emphasize}\cf1  - Version: {\cf2\b next} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2\b 2012-02-29},  \cf1 Size: {\cf2\b 589 kB},  )"
        R"({\cf2\b Freeware ()} \par)",
        kBlank,
        R"({\cf2\b free, web based time reporting service} \par)",
        R"(\cf1 Status: {\cf2\b Beta} \par)",
        kBlank,
        R"(\cf1 By: {\cf2 emphasize.de} \par)",
        kBlank,
        R"(\cf1 AppXML: {\cf2 http://emphasize.de/pad.xml} \par)",
        kBlank,
        osStrong,
        kBlank,
        R"(\cf1 Categories: {\cf2\b Business - Time Reporting} \par)",
        kBlank,
        R"(\cf1 Expiration: {\cf2 N} \par)",
        kBlank,
        R"(\cf1 Description:  \par)",
    };
    summary.insert(summary.end(), description.begin(), description.end());
    summary.insert(summary.end(), {kBlank, osStrong});

    ExpectReports(allFields, standard, summary);
}

// A two-line long description and a licence of many lines with blank ones
// among them; a short description of exactly 79 characters still stands
// beside its tag name. The price of 0 dollars is shown as "$0".
TEST_F(CorpusReportsTest, MultiLineDescriptionsOfAutoVer) {
    LoadCorpusFile("hunterbeanland_AutoVer_pad_file.xml");

    const std::string os =
        "Windows2000,WinXP,Windows2003,Windows Vista Starter,Windows Vista Home Basic,Windows "
        "Vista Home Premium,Windows Vista Business,Windows Vista Enterprise,Windows Vista "
        "Ultimate,Windows Vista Home Basic x64,Windows Vista Home Premium x64,Windows Vista "
        "Business x64,Windows Vista Enterprise x64,Windows Vista Ultimate x64, Windows 7, "
        "Windows 7 x64";
    const std::string desc250 =
        "AutoVer is a configurable automatic or real time backup and personal version control "
        "system. It can be used as a simple real time backup or as a more complex, but "
        "transparent version control system (like a realtime incremental backup).";
    const std::string distribution =
        "AutoVer may not be sold or be included in a product or package which intends to "
        "receive benefits through the inclusion of AutoVer - unless authorised by the author. "
        "AutoVer may be included in any free or non-profit packages, products, cover CDs or web "
        "sites providing that it is distributed in its original binary form (setup package).";
    const std::string desc2000[] = {
        "AutoVer is a configurable automatic or real time backup and personal versioning system. "
        "It can be used as a simple real time backup or as a more complex, but transparent "
        "version control system (like a realtime incremental backup). The beauty of this system "
        "is that once you set it up (which is extremely simple) it does everything. No "
        "remembering to backup or to check in or check out files. Every time you save a file it "
        "is copied to your backup folder, drive or FTP server. You can include and exclude "
        "certain files and browse the backups with the Backup Explorer.",
        "Great for backing up (or one way synchronising) your work or home documents to flash "
        "memory or saving every change you make to your source code or image files.",
    };
    const std::string eula =
        "Please read the following terms and conditions carefully before using this software. "
        "Installation or use of this software signifies that you accept the terms of this "
        "licence agreement and warranty.\r"
        "1. Disclaimer of Warranty\r"
        "AutoVer is provided \"as-is\" and without warranty of any kind, express, implied or "
        "otherwise, including without limitation, any warranty of fitness for a particular "
        "purpose. USE AT YOUR OWN RISK.\r"
        "In no event shall the author of this software be held liable for data loss, damages, "
        "loss of profits or any other kind of loss while using or misusing this software.\r"
        "2. Licence\r"
        "AutoVer is provided as FREEWARE for use by any party (private, educational, government "
        "or commercial use). If you find this product useful, please consider making a small "
        "donation to continue its development.\r"
        "3. Distribution\r" +
        distribution +
        "\r"
        "4. Restrictions on Use\r"
        "This software must not be decompiled, disassembled, reverse engineered or otherwise "
        "modified. You may not emulate, clone, rent, lease, or sell AutoVer.\r"
        "5. Linked Modules\r"
        "This application makes use of linked modules which are covered by their own licences: "
        "SharpZipLibrary by ICSharpCode.net (GPL with exceptions).\r"
        "Copyright (C) 2007-2010 by Hunter Beanland. All rights reserved.";
    const Lines allFields = AllFieldsBody({
        {"MASTER_PAD_VERSION", "3.01"},
        {"MASTER_PAD_EDITOR", "PADGen 3.0.1.35 http://www.padgen.org"},
        {"MASTER_PAD_INFO",
         "Portable Application Description, or PAD for short, is a data set that is used by "
         "shareware authors to disseminate information to anyone interested in their software "
         "products. To find out more go to http://www.asp-shareware.org/pad",
         kOwnParagraph},
        {"Company_Name", "Bean"},
        {"Country", "Australia"},
        {"Company_WebSite_URL", "beanland.net.au"},
        {"Author_First_Name", "Hunter"},
        {"Author_Last_Name", "Beanland"},
        {"Author_Email", "hunter@beanland.net.au"},
        {"Contact_First_Name", "Hunter"},
        {"Contact_Last_Name", "Beanland"},
        {"Contact_Email", "hunter@beanland.net.au"},
        {"General_Email", "hunter@beanland.net.au"},
        {"Program_Name", "AutoVer"},
        {"Program_Version", "1.4.0"},
        {"Program_Release_Month", "04"},
        {"Program_Release_Day", "28"},
        {"Program_Release_Year", "2010"},
        {"Program_Cost_Dollars", "0"},
        {"Program_Type", "Freeware"},
        {"Program_Release_Status", "Major Update"},
        {"Program_Install_Support", "Install and Uninstall"},
        {"Program_OS_Support", os, kOwnParagraph},
        {"Program_Language", "English"},
        {"Program_Specific_Category", "Utilities"},
        {"Program_Category_Class", "System Utilities::Backup & Restore"},
        {"Program_System_Requirements", ".NET 2.0 Framework"},
        {"File_Size_Bytes", "1008204"},
        {"File_Size_K", "984"},
        {"File_Size_MB", "0.98"},
        {"Has_Expire_Info", "N"},
        {"Expire_Based_On", "Days"},
        {"Keywords", "versioning, version control, real time backup, FTP"},
        {"Char_Desc_45", "Automatic backup and personal version control"},
        {"Char_Desc_80",
         "AutoVer is an automatic or real time backup and personal version control system"},
        {"Char_Desc_250", desc250, kOwnParagraph},
        {"Char_Desc_450",
         desc250 +
             " No remembering to backup or to check in or check out files. Every time you save a "
             "file it is copied to your backup folder, drive or FTP server.",
         kOwnParagraph},
        {"Char_Desc_2000", desc2000[0] + "\r" + desc2000[1], kOwnParagraph},
        {"Application_Info_URL", "http://beanland.net.au/AutoVer/"},
        {"Application_Screenshot_URL", "http://beanland.net.au/AutoVer/screen-composite.png"},
        {"Application_Icon_URL", "http://beanland.net.au/AutoVer/AutoVerLogo.jpg"},
        {"Application_XML_File_URL", "http://beanland.net.au/AutoVer/pad_file.xml"},
        {"Primary_Download_URL", "http://beanland.net.au/AutoVer/AutoVer-setup.exe"},
        {"Distribution_Permissions", distribution, kOwnParagraph},
        {"EULA", eula, kOwnParagraph},
    });
    const Lines description = {
        R"({\cf2 )" + desc2000[0] + R"( \par)",
        desc2000[1] + R"(} \par)",
    };
    Lines standard = {
        R"(\cf1 PAD version: {\cf2 3.01} \par)",
        kBlank,
        R"({\cf2\b AutoVer}\cf1  - Version: {\cf2\b 1.4.0},   )"
        R"({\cf2\b Automatic backup and personal version control} \par)",
        kBlank,
        R"(\cf1 Company: {\cf2 Bean - Australia},   \cf1 Web: {\cf2 beanland.net.au} \par)",
        R"(\cf1 Author: {\cf2 Hunter Beanland},   \cf1 Email: {\cf2 hunter@beanland.net.au} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2 2010-04-28},   \cf1 Status: {\cf2\b Major Update},   )"
        R"(\cf1 Install Support: {\cf2 Install and Uninstall} \par)",
        R"(\cf1 File Size: {\cf2 984 kB - 0.98 MB},   \cf1 Type: {\cf2 Freeware},   )"
        R"(\cf1 Cost: {\cf2 $0} \par)",
        R"(\cf1 Expires: {\cf2 N} \par)",
        kBlank,
        R"(\cf1 Operating System(s): {\cf2 )" + os + R"(} \par)",
        R"(\cf1 Categories: {\cf2\b Utilities},   )"
        R"(Category Class: {\cf2\b System Utilities::Backup & Restore} \par)",
        kBlank,
        R"({\cf1\b Keywords: }{\cf2 versioning, version control, real time backup, FTP} \par)",
        kBlank,
        R"({\cf1\b Description: } \par)",
    };
    standard.insert(standard.end(), description.begin(), description.end());
    standard.insert(
        standard.end(),
        {
            kBlank,
            R"({\cf1\b System Requirements: } \par)",
            R"({\cf2 .NET 2.0 Framework} \par)",
            kBlank,
            R"({\cf1\b Contact Info: } \par)",
            R"(\cf1 General Email: {\cf2 hunter@beanland.net.au} \par)",
            R"(\cf1 Sales Email: {\cf2 } \par)",
            R"(\cf1 Support Email: {\cf2 } \par)",
            R"(\cf1 Order Online: {\cf2 } \par)",
            kBlank,
            R"({\cf1\b Download URLs: } \par)",
            R"({\cf2 http://beanland.net.au/AutoVer/AutoVer-setup.exe} \par)",
            kBlank,
            R"({\cf1\b Application URLs: } \par)",
            R"(\cf1 Icon: {\cf2 http://beanland.net.au/AutoVer/AutoVerLogo.jpg} \par)",
            R"(\cf1 ScnShot: {\cf2 http://beanland.net.au/AutoVer/screen-composite.png} \par)",
            R"(\cf1 Info: {\cf2 http://beanland.net.au/AutoVer/} \par)",
            R"(\cf1 XML: {\cf2 http://beanland.net.au/AutoVer/pad_file.xml} \par)",
            kBlank,
        });
    const std::string osStrong = R"(\cf1 Operating System(s): {\cf2\b )" + os + R"(} \par)";
    Lines summary = {
        R"({\cf2\b AutoVer}\cf1  - Version: {\cf2\b 1.4.0} \par)",
        kBlank,
        R"(\cf1 Date (Y-M-D): {\cf2\b 2010-04-28},  \cf1 Size: {\cf2\b 984 kB},  )"
        R"({\cf2\b Freeware ($0)} \par)",
        kBlank,
        R"({\cf2\b Automatic backup and personal version control} \par)",
        R"(\cf1 Status: {\cf2\b Major Update} \par)",
        kBlank,
        R"(\cf1 By: {\cf2 Bean, Australia} \par)",
        kBlank,
        R"(\cf1 AppXML: {\cf2 http://beanland.net.au/AutoVer/pad_file.xml} \par)",
        kBlank,
        osStrong,
        kBlank,
        R"(\cf1 Categories: {\cf2\b Utilities - } \par)",
        kBlank,
        R"(\cf1 Expiration: {\cf2 N} \par)",
        kBlank,
        R"(\cf1 Description:  \par)",
    };
    summary.insert(summary.end(), description.begin(), description.end());
    summary.insert(summary.end(), {kBlank, osStrong});

    ExpectReports(allFields, standard, summary);
}

}  // namespace
}  // namespace quillot
