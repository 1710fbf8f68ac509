#include "report/compositions.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "reader/file_names.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"

namespace quillot {
namespace {

constexpr size_t kMaxNameCharacters = 255;

// The first characters of a UTF-8 text (a byte outside a valid sequence
// counting as one).
std::string FirstCharacters(std::string_view utf8, size_t count) {
    size_t end = 0;
    for (size_t n = 0; end < utf8.size() && n < count; ++n) {
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceAt(utf8, end, codePoint);
        end += length == 0 ? 1 : length;
    }
    return std::string(utf8.substr(0, end));
}

// The document's file name (UTF-8, as the program holds names) in the
// encoding of the document's text. A single-byte document gets the name's
// bytes in the ANSI code page, as they always were, unless that code page
// lacks one of its characters: then the name stays UTF-8, whose characters
// the writers escape for RTF, as they do those of a UTF-8 document.
struct ReportName {
    std::string text;
    TextEncoding encoding;
};
ReportName NameInDocumentEncoding(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    std::string ansi;
    if (SourceEncoding == TextEncoding::Windows1252 && AnsiFileName(name, ansi)) {
        return {ansi.substr(0, kMaxNameCharacters), TextEncoding::Windows1252};
    }
    return {FirstCharacters(name, kMaxNameCharacters), TextEncoding::Utf8};
}

}  // namespace

ReportText ExpiryText() {
    const auto value = [](const char* tag) {
        return ReportText::Document(FieldValueView(tag), SourceEncoding);
    };
    const std::string_view has = FieldValueView("Has_Expire_Info");
    const std::string_view count = FieldValueView("Expire_Count");
    if (has.empty() || ToAsciiUpper(has[0]) != 'Y' || count.empty())
        return value("Has_Expire_Info");

    const std::string_view basedOn = FieldValueView("Expire_Based_On");
    ReportText basis =
        basedOn.empty() || basedOn == "Either/Or" ? ReportText("Days") : value("Expire_Based_On");
    const bool day = !FieldValueView("Expire_Day").empty();
    const bool month = !FieldValueView("Expire_Month").empty();
    const bool year = !FieldValueView("Expire_Year").empty();
    if (day && month && year) {
        basis = "Days, Either/Or (Y-M-D): " + value("Expire_Year") + "-" + value("Expire_Month") +
                "-" + value("Expire_Day");
    } else if (day && !month && !year) {
        basis = "Days, Either/Or " + value("Expire_Day") + "Days";
    }
    return value("Has_Expire_Info") + ", " + value("Expire_Count") + " " + std::move(basis);
}

ReportText XmlFileUrl(std::string_view currentFilePath) {
    const std::string_view url = FieldValueView("Application_XML_File_URL");
    if (!url.empty()) return ReportText::Document(url, SourceEncoding);

    ReportName reportName = NameInDocumentEncoding(currentFilePath);
    std::string& name = reportName.text;
    const TextEncoding encoding = reportName.encoding;
    std::replace(name.begin(), name.end(), '`', '/');
    const std::string_view rest = std::string_view(name).substr(std::min<size_t>(2, name.size()));
    if (name.rfind("h!", 0) == 0)
        return ReportText::DocumentCopy("==http://" + std::string(rest), encoding);
    if (name.rfind("w!", 0) == 0)
        return ReportText::DocumentCopy("==http://www." + std::string(rest), encoding);
    if (name.rfind("f!", 0) == 0)
        return ReportText::DocumentCopy("==ftp://" + std::string(rest), encoding);
    return ReportText::DocumentCopy(std::move(name), encoding);
}

}  // namespace quillot
