#include "report/compositions.h"

#include <gtest/gtest.h>

#include "tests/report/report_test_support.h"

namespace quillot {
namespace {

class CompositionsTest : public test::ReportTest {
  protected:
    std::string Expiry(const std::string& fields) {
        Load(fields);
        return ExpiryText().Rtf();
    }
    static std::string Url(const std::string& path) { return XmlFileUrl(path).Rtf(); }
};

TEST_F(CompositionsTest, ExpiryText) {
    const struct {
        const char* fields;
        const char* expected;
    } rows[] = {
        {"<Has_Expire_Info>No</Has_Expire_Info><Expire_Count>30</Expire_Count>", "No"},
        {"<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>", "Y, 30 Days"},
        {"<Has_Expire_Info>yes</Has_Expire_Info><Expire_Count>30</Expire_Count>"
         "<Expire_Based_On>Either/Or</Expire_Based_On>",
         "yes, 30 Days"},
        {"<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>"
         "<Expire_Based_On>Uses</Expire_Based_On>",
         "Y, 30 Uses"},
        {"<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>"
         "<Expire_Based_On>either/or</Expire_Based_On>",
         "Y, 30 either/or"},
        {"<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>"
         "<Expire_Day>5</Expire_Day><Expire_Month>6</Expire_Month><Expire_Year>2027</Expire_Year>",
         "Y, 30 Days, Either/Or (Y-M-D): 2027-6-5"},
        {"<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>"
         "<Expire_Day>5</Expire_Day>",
         "Y, 30 Days, Either/Or 5Days"},
        {"<Has_Expire_Info>Y</Has_Expire_Info><Expire_Count>30</Expire_Count>"
         "<Expire_Day>5</Expire_Day><Expire_Year>2027</Expire_Year>",
         "Y, 30 Days"},
        {"<Has_Expire_Info>Yes</Has_Expire_Info><Expire_Day>5</Expire_Day>", "Yes"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Expiry(row.fields), row.expected) << row.fields;
}

TEST_F(CompositionsTest, XmlFileUrl) {
    const struct {
        const char* path;
        const char* expected;
    } rows[] = {
        {"C:\\pads\\h!example.com`files`tool.xml", "==http://example.com/files/tool.xml"},
        {"C:\\pads\\w!example.com`tool.xml", "==http://www.example.com/tool.xml"},
        {"C:\\pads\\f!ftp.example.com`pub`tool.pad", "==ftp://ftp.example.com/pub/tool.pad"},
        {"C:\\pads\\H!example.com`x.xml", "H!example.com/x.xml"},
        {"C:\\pads\\plain.xml", "plain.xml"},
        {"D:h!", "==http://"},
        {"", ""},
    };
    Load("");
    for (const auto& row : rows)
        EXPECT_EQ(Url(row.path), row.expected) << row.path;

    const std::string longName(300, 'n');
    EXPECT_EQ(Url("C:\\" + longName), std::string(255, 'n'));

    Load("<Application_XML_File_URL>http://x/pad.xml</Application_XML_File_URL>");
    EXPECT_EQ(Url("C:\\h!a`b.xml"), "http://x/pad.xml");
}

// The path is UTF-8. A single-byte document writes the name in Windows-1252
// when that holds it, as the name's bytes always were; otherwise, and in a
// UTF-8 document, the characters beyond ASCII are escaped.
TEST_F(CompositionsTest, XmlFileUrlWritesTheNameInTheDocumentsEncoding) {
    const struct {
        const char* document;
        const char* path;
        const char* expected;
    } rows[] = {
        {"<Program_Name>\xFC</Program_Name>", "C:\\pads\\Müller €.xml", "M\xFCller \x80.xml"},
        {"<Program_Name>\xFC</Program_Name>", "C:\\h!Łódź.pl`x.xml",
         "==http://\\u321?\\u243?d\\u378?.pl/x.xml"},
        {"<Program_Name>\xFC</Program_Name>", "C:\\notes 😀.xml", "notes \\u-10179?\\u-8704?.xml"},
        {"<Program_Name>ü</Program_Name>", "C:\\pads\\Müller.xml", "M\\u252?ller.xml"},
    };
    for (const auto& row : rows) {
        Load(row.document);
        EXPECT_EQ(Url(row.path), row.expected) << row.path;
    }
    Load("<Program_Name>\xFC</Program_Name>");
    EXPECT_EQ(Url("C:\\" + std::string(300, '\xC3')), std::string(255, '\xC3'));
    EXPECT_EQ(Url("C:\\" + std::string(300, 'z') + "ж"), std::string(255, 'z'));
}

}  // namespace
}  // namespace quillot
