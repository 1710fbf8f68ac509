// The views read back as UTF-16: the text of a UTF-8 document shows every
// character as itself, that of a single-byte document as before.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "tests/app/frm_fixture.h"

namespace quillot {
namespace {

using test::FrmTest;

std::wstring Decode(std::string_view text, UINT codePage) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(length > 0 ? length : 0));
    return wide;
}

bool Shows(const DocumentView& view, std::string_view utf8) {
    return view.UnicodeText().find(Decode(utf8, CP_UTF8)) != std::wstring::npos;
}

// The text as a rich-edit view keeps it: every line end a single CR.
std::string WithViewLineEnds(std::string text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i] == '\n' ? '\r' : text[i];
    }
    return result;
}

// The document without the named language sections.
std::string WithoutSections(std::string text, std::initializer_list<std::string> sections) {
    for (const std::string& section : sections) {
        const size_t begin = text.find("<" + section + ">");
        const std::string endTag = "</" + section + ">";
        const size_t end = text.find(endTag, begin);
        EXPECT_NE(end, std::string::npos) << section;
        if (end != std::string::npos) text.erase(begin, end + endTag.size() - begin);
    }
    return text;
}

TEST_F(FrmTest, GermanUtf8DocumentShowsItsUmlautsOnEveryTab) {
    const std::string path = test::CorpusPath("floriwan_jogoverein_pad_file.xml");
    const std::string text = test::ReadWholeFile(path);
    TFrm& frm = Open({path});
    EXPECT_TRUE(Shows(frm.View(StandardPage), "Company: Göldenitz - Deutschland"));
    // The German section comes first, so the All tab shows its description.
    frm.SelectPage(AllFieldsPage);
    for (const char* word : {"Kassenführung", "möglich", "lässt", "maßgeschneidertes"}) {
        EXPECT_TRUE(Shows(frm.View(AllFieldsPage), word)) << word;
    }
    frm.SelectPage(SourcePage);
    EXPECT_EQ(frm.View(SourcePage).UnicodeText(), Decode(WithViewLineEnds(text), CP_UTF8));

    // Without the English section, the Std tab shows the German description.
    TFrm& german = Open({documents_.Write("jogoverein.xml", WithoutSections(text, {"English"}))});
    german.SelectPage(StandardPage);
    EXPECT_TRUE(Shows(german.View(StandardPage), "Mitgliederdaten können importiert werden"));
    EXPECT_TRUE(Shows(german.View(StandardPage), "lässt sich sehr flexibel"));
    EXPECT_TRUE(Shows(german.View(StandardPage), "ein maßgeschneidertes System"));
    EXPECT_TRUE(Shows(german.View(StandardPage), "Zählerstände"));

    // A byte-order mark is no character of the text.
    TFrm& marked = Open({test::CorpusPath("Eliminater74_DVDStyler_pad.xml")});
    marked.SelectPage(SourcePage);
    EXPECT_EQ(marked.View(SourcePage).UnicodeText().substr(0, 6), L"<?xml ");
    EXPECT_TRUE(Shows(marked.View(SourcePage), "plattformübergreifende"));
}

TEST_F(FrmTest, NumericReferencesShowAsTheirCharacters) {
    TFrm& frm = Open({test::CorpusPath("davidwed_MP4Tools_pad.xml")});
    frm.SelectPage(StandardPage);
    EXPECT_TRUE(Shows(frm.View(StandardPage), "Company: Alex Thüring - Germany"));
    EXPECT_TRUE(Shows(frm.View(StandardPage), "Author: Alex Thüring"));
    frm.SelectPage(AllFieldsPage);
    EXPECT_TRUE(Shows(frm.View(AllFieldsPage), "Author_Last_Name Thüring"));
}

TEST_F(FrmTest, ArabicUtf8DocumentShowsItsLettersOnEveryTab) {
    const std::string path = test::CorpusPath("monzer15_yalla-video-releases_pad_file.xml");
    const std::string text = test::ReadWholeFile(path);
    TFrm& frm = Open({path});
    frm.SelectPage(SourcePage);
    EXPECT_EQ(frm.View(SourcePage).UnicodeText(), Decode(WithViewLineEnds(text), CP_UTF8));
    EXPECT_TRUE(Shows(frm.View(SourcePage), "تنزيل فيديو سريع يحترم الخصوصية."));

    // With the Arabic section alone, its texts are the ones the reports show.
    TFrm& arabic = Open(
        {documents_.Write("yalla.xml", WithoutSections(text, {"English", "Spanish", "French"}))});
    arabic.SelectPage(StandardPage);
    EXPECT_TRUE(Shows(arabic.View(StandardPage), "ياللا فيديو تطبيق سطح مكتب سريع"));
    EXPECT_TRUE(Shows(arabic.View(StandardPage), "تنزيل فيديو, قوائم التشغيل"));
    arabic.SelectPage(AllFieldsPage);
    EXPECT_TRUE(Shows(arabic.View(AllFieldsPage), "تنزيل فيديو سريع يحترم الخصوصية."));
}

TEST_F(FrmTest, Windows1252DocumentShowsItsBytesAsBefore) {
    const std::string path = test::CorpusPath("mithro_etherbone-core_pad_file.xml");
    TFrm& frm = Open({path});
    frm.SelectPage(AllFieldsPage);
    EXPECT_NE(frm.View(AllFieldsPage).Text().find("DumpHex is Copyright \xA9 2002 Robert Bachmann"),
              std::string::npos);
    EXPECT_TRUE(Shows(frm.View(AllFieldsPage), "DumpHex is Copyright © 2002 Robert Bachmann"));
    frm.SelectPage(SourcePage);
    EXPECT_EQ(frm.View(SourcePage).UnicodeText(),
              Decode(WithViewLineEnds(test::ReadWholeFile(path)), 1252));
}

}  // namespace
}  // namespace quillot
