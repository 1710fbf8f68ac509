#include "bench/pad_generator.h"

#include <fstream>
#include <stdexcept>

namespace quillot::bench {
namespace {

constexpr const char* kHead =
    "<?xml version=\"1.0\" encoding=\"Windows-1252\" ?>\r\n"
    "<XML_DIZ_INFO>\r\n"
    "\t<MASTER_PAD_VERSION_INFO>\r\n"
    "\t\t<MASTER_PAD_VERSION>3.11</MASTER_PAD_VERSION>\r\n"
    "\t\t<MASTER_PAD_EDITOR>Benchmark generator</MASTER_PAD_EDITOR>\r\n"
    "\t</MASTER_PAD_VERSION_INFO>\r\n"
    "\t<Company_Info>\r\n"
    "\t\t<Company_Name>Bench &amp; Mark Software</Company_Name>\r\n"
    "\t\t<Address_1>1 Sample Street</Address_1>\r\n"
    "\t\t<City_Town>Sampleton</City_Town>\r\n"
    "\t\t<Country>Nowhere</Country>\r\n"
    "\t\t<Company_WebSite_URL>https://bench.invalid/</Company_WebSite_URL>\r\n"
    "\t\t<Contact_Info>\r\n"
    "\t\t\t<Author_First_Name>Ada</Author_First_Name>\r\n"
    "\t\t\t<Author_Last_Name>Sample</Author_Last_Name>\r\n"
    "\t\t\t<Author_Email>ada@bench.invalid</Author_Email>\r\n"
    "\t\t</Contact_Info>\r\n"
    "\t</Company_Info>\r\n"
    "\t<Program_Info>\r\n"
    "\t\t<Program_Name>Generated Tool</Program_Name>\r\n"
    "\t\t<Program_Version>9.8.7</Program_Version>\r\n"
    "\t\t<Program_Release_Month>06</Program_Release_Month>\r\n"
    "\t\t<Program_Release_Day>15</Program_Release_Day>\r\n"
    "\t\t<Program_Release_Year>2024</Program_Release_Year>\r\n"
    "\t\t<Program_Cost_Dollars>19.95</Program_Cost_Dollars>\r\n"
    "\t\t<Program_Type>Shareware</Program_Type>\r\n"
    "\t\t<Program_Release_Status>Major Update</Program_Release_Status>\r\n"
    "\t\t<Program_OS_Support>Win7,Win8,Win10,Win11</Program_OS_Support>\r\n"
    "\t\t<Program_Specific_Category>Utilities</Program_Specific_Category>\r\n"
    "\t\t<Program_Categories>Utilities::File Management</Program_Categories>\r\n"
    "\t\t<File_Info>\r\n"
    "\t\t\t<File_Size_K>2048</File_Size_K>\r\n"
    "\t\t\t<File_Size_MB>2.00</File_Size_MB>\r\n"
    "\t\t</File_Info>\r\n"
    "\t\t<Expire_Info>\r\n"
    "\t\t\t<Has_Expire_Info>Y</Has_Expire_Info>\r\n"
    "\t\t\t<Expire_Count>30</Expire_Count>\r\n"
    "\t\t</Expire_Info>\r\n"
    "\t</Program_Info>\r\n"
    "\t<Program_Descriptions>\r\n";

constexpr const char* kTail =
    "\t</Program_Descriptions>\r\n"
    "\t<Web_Info>\r\n"
    "\t\t<Application_URLs>\r\n"
    "\t\t\t<Application_Info_URL>https://bench.invalid/tool</Application_Info_URL>\r\n"
    "\t\t\t<Application_XML_File_URL>https://bench.invalid/pad.xml</Application_XML_File_URL>\r\n"
    "\t\t</Application_URLs>\r\n"
    "\t\t<Download_URLs>\r\n"
    "\t\t\t<Primary_Download_URL>https://bench.invalid/tool.zip</Primary_Download_URL>\r\n"
    "\t\t</Download_URLs>\r\n"
    "\t</Web_Info>\r\n"
    "</XML_DIZ_INFO>\r\n";

constexpr const char* kSentence =
    "The tool renames, sorts &amp; files documents by their content; caf&eacute; menus "
    "included.";

// One line of running text of about 90 characters.
void AppendTextLines(std::string& out, int lines) {
    for (int i = 0; i < lines; ++i) {
        out += i == 0 ? "" : "\r\n\t\t\t\t";
        out += kSentence;
    }
}

void AppendLanguageSection(std::string& out, size_t number) {
    const std::string language = number == 0 ? "English" : "Language" + std::to_string(number);
    out += "\t\t<" + language + ">\r\n";
    out += "\t\t\t<Keywords>rename, sort, files, documents, batch, " + language + "</Keywords>\r\n";
    out += "\t\t\t<Char_Desc_45>Sorts documents by content</Char_Desc_45>\r\n";
    out +=
        "\t\t\t<Char_Desc_80>Sorts and renames documents by their content, fast</Char_Desc_80>\r\n";
    out += "\t\t\t<Char_Desc_250>";
    AppendTextLines(out, 2);
    out += "</Char_Desc_250>\r\n\t\t\t<Char_Desc_450>";
    AppendTextLines(out, 4);
    out += "</Char_Desc_450>\r\n\t\t\t<Char_Desc_2000>";
    AppendTextLines(out, 18);
    out += "</Char_Desc_2000>\r\n";
    out += "\t\t</" + language + ">\r\n";
}

constexpr const char* kUtf8Declaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Char_Desc_2000>";

struct ShapeParts {
    std::string head;
    std::string line;  // repeated until the text is long enough
    std::string tail;
};

ShapeParts PartsOf(MemoryShape shape) {
    switch (shape) {
        case MemoryShape::TinyFields:
            return {"", "<Program_Name>x</Program_Name>\r\n", ""};
        case MemoryShape::LongSectionName:
            return {"<Program_Descriptions>\n<" + std::string(100000, 'x') + ">\n",
                    "<EULA>x</EULA>\n", ""};
        case MemoryShape::DensestFields:
            return {"", "<EULA/>x", ""};
        case MemoryShape::DensestLines:
            return {"", "<", ""};
        case MemoryShape::OneLargeValue:
            return {"<Char_Desc_2000>",
                    "Every line of this description says the same thing &amp; a little more.\r\n",
                    "</Char_Desc_2000>\r\n"};
        case MemoryShape::RtfSpecialsValue:
            return {"<Char_Desc_2000>", "\\{}", "</Char_Desc_2000>\r\n"};
        case MemoryShape::ChineseValue:
            return {kUtf8Declaration, "\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97",
                    "</Char_Desc_2000>\r\n"};
        case MemoryShape::EmojiValue:
            return {kUtf8Declaration, "\xF0\x9F\x98\x80", "</Char_Desc_2000>\r\n"};
        case MemoryShape::LongComment:
            return {"<!--", "<Program_Name>x</Program_Name>\r\n", "-->\r\n"};
        case MemoryShape::UnclosedComment:
            return {"<!--", "<Program_Name>x</Program_Name>\r\n", ""};
    }
    throw std::logic_error("unknown shape");
}

}  // namespace

std::string GenerateShapeText(MemoryShape shape, size_t minBytes) {
    const ShapeParts parts = PartsOf(shape);
    const size_t fixed = parts.head.size() + parts.tail.size();
    const size_t lines =
        minBytes > fixed ? (minBytes - fixed + parts.line.size() - 1) / parts.line.size() : 0;
    std::string text;
    text.reserve(fixed + lines * parts.line.size());
    text += parts.head;
    for (size_t i = 0; i < lines; ++i)
        text += parts.line;
    text += parts.tail;
    return text;
}

size_t LongSectionNameBytes(size_t eulaLines) {
    const ShapeParts parts = PartsOf(MemoryShape::LongSectionName);
    return parts.head.size() + eulaLines * parts.line.size();
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string GeneratePadText(size_t minBytes) {
    const std::string tail = kTail;
    std::string text = kHead;
    text.reserve(minBytes + 8192);
    for (size_t section = 0; text.size() + tail.size() < minBytes; ++section)
        AppendLanguageSection(text, section);
    text += tail;
    return text;
}

size_t WritePadFile(const std::string& path, size_t minBytes) {
    const std::string text = GeneratePadText(minBytes);
    WriteTextFile(path, text);
    return text.size();
}

}  // namespace quillot::bench
