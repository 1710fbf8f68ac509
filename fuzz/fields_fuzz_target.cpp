// Fuzz target over the --fields output of quillot-render: the bytes are read
// and extracted as a PAD file, and WriteFieldsAsJsonLines writes the records
// under a file name taken from the input (the bytes before its first "<", at
// most 40). Every output line must be one JSON object of valid UTF-8
// (json_check.h) whose members carry the record of the same position in
// PadFieldList, in the writer's order of members.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/json_check.h"
#include "reader/field_extractor.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/text_encoding.h"
#include "reader/vocabulary.h"
#include "render/fields_json.h"

namespace quillot::fuzz {
namespace {

constexpr const char* kMemberNames[] = {"file",  "tag",   "number",  "section",
                                        "value", "short", "encoding"};

// The Windows-1252 byte that the writer decodes to each code point of the
// Basic Multilingual Plane (-1: none), to map a decoded value back to the
// bytes of a single-byte document.
std::vector<int16_t> g_byteOf;
JsonObject g_line;  // reused for every line

void SetUp() {
    InitPadReader(ReaderSetup{});
    g_byteOf.assign(0x10000, -1);
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const std::string utf8 = Windows1252ToUtf8(std::string_view(&c, 1));
        uint32_t codePoint = static_cast<uint32_t>(byte);
        FUZZ_CHECK(byte < 0x80 || Utf8SequenceAt(utf8, 0, codePoint) == utf8.size(),
                   "a Windows-1252 byte decodes to more than one character");
        FUZZ_CHECK(codePoint < 0x10000 && g_byteOf[codePoint] < 0,
                   "two Windows-1252 bytes decode to the same character");
        g_byteOf[codePoint] = static_cast<int16_t>(byte);
    }
}

// True when the decoded UTF-8 text, encoded again as Windows-1252, gives the bytes.
bool IsWindows1252Of(std::string_view utf8, std::string_view bytes) {
    size_t next = 0;
    for (size_t at = 0; at < utf8.size(); ++next) {
        uint32_t codePoint = static_cast<unsigned char>(utf8[at]);
        const size_t length = codePoint < 0x80 ? 1 : Utf8SequenceAt(utf8, at, codePoint);
        FUZZ_CHECK(length > 0, "the JSON reader gave invalid UTF-8");
        if (codePoint >= 0x10000 || g_byteOf[codePoint] < 0) return false;
        if (next >= bytes.size() || static_cast<char>(g_byteOf[codePoint]) != bytes[next])
            return false;
        at += length;
    }
    return next == bytes.size();
}

// A record's text as the line must carry it: decoded from Windows-1252 in a
// single-byte document, the bytes themselves where they are valid UTF-8, and
// otherwise what DocumentTextToUtf8 makes of them.
void CheckText(const JsonMember& member, std::string_view recordText) {
    FUZZ_CHECK(member.kind == JsonKind::String, std::string(member.name).c_str());
    if (SourceEncoding == TextEncoding::Windows1252) {
        FUZZ_CHECK(IsWindows1252Of(member.text, recordText),
                   ("the line does not carry the record's " + std::string(member.name)).c_str());
    } else if (IsStrictUtf8(recordText)) {
        FUZZ_CHECK(member.text == recordText,
                   ("valid UTF-8 in the " + std::string(member.name) + " was changed").c_str());
    } else {
        FUZZ_CHECK(member.text == DocumentTextToUtf8(recordText, SourceEncoding),
                   ("the line does not carry the record's " + std::string(member.name)).c_str());
    }
}

// fileName: the name as the line must carry it, in UTF-8.
void CheckLine(std::string_view line, const PadField& field, std::string_view fileName) {
    std::string error;
    FUZZ_CHECK(IsStrictUtf8(line), "a line that is not valid UTF-8");
    FUZZ_CHECK(ReadJsonObject(line, g_line, error), error.c_str());
    const std::vector<JsonMember>& members = g_line.members;
    FUZZ_CHECK(members.size() == std::size(kMemberNames), "a line without its seven members");
    for (size_t i = 0; i < members.size(); ++i)
        FUZZ_CHECK(members[i].name == kMemberNames[i], "the members are not in the writer's order");

    FUZZ_CHECK(members[0].kind == JsonKind::String && members[0].text == fileName,
               "the line does not carry the file name");
    FUZZ_CHECK(members[1].kind == JsonKind::String &&
                   members[1].text == PadTagTable[static_cast<size_t>(field.TagNumber)],
               "the line does not carry the record's tag");
    FUZZ_CHECK(
        members[2].kind == JsonKind::Number && members[2].text == std::to_string(field.TagNumber),
        "the line does not carry the record's tag number");
    CheckText(members[3], field.Section);
    CheckText(members[4], field.Value);
    FUZZ_CHECK(members[5].kind == (field.IsShort ? JsonKind::True : JsonKind::False),
               "the line does not carry the record's short mark");
    FUZZ_CHECK(
        members[6].kind == JsonKind::String &&
            members[6].text == (SourceEncoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252"),
        "the line does not carry the document's encoding");
}

}  // namespace
}  // namespace quillot::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quillot::fuzz::SetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quillot;
    using namespace quillot::fuzz;

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string fileName(bytes.substr(0, std::min<size_t>(bytes.find('<'), 40)));
    LineSplitter splitter;
    for (size_t at = 0; at < size; at += ReadBlockSize)
        splitter.Feed(bytes.data() + at, std::min(ReadBlockSize, size - at));
    splitter.Finish();
    ExtractPadFields();

    std::ostringstream out;
    WriteFieldsAsJsonLines(out, fileName);
    const std::string text = out.str();
    const std::string utf8FileName = FileNameToUtf8(fileName);

    size_t start = 0;
    size_t record = 0;
    for (const PadField& field : PadFieldList) {
        const size_t end = text.find('\n', start);
        FUZZ_CHECK(end != std::string::npos, "fewer lines than records");
        CheckLine(std::string_view(text).substr(start, end - start), field, utf8FileName);
        start = end + 1;
        ++record;
    }
    FUZZ_CHECK(record == PadFieldList.Count(), "the records counted are not the records stored");
    FUZZ_CHECK(start == text.size(), "more lines than records");
    return 0;
}
