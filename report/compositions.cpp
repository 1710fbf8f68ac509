#include "report/compositions.h"

#include <algorithm>

#include "reader/pad_document.h"
#include "reader/text_util.h"

namespace quillot {

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

    std::string name(FileNamePart(currentFilePath).substr(0, 255));
    std::replace(name.begin(), name.end(), '`', '/');
    const std::string_view rest = std::string_view(name).substr(std::min<size_t>(2, name.size()));
    if (name.rfind("h!", 0) == 0)
        return ReportText::DocumentCopy("==http://" + std::string(rest), SourceEncoding);
    if (name.rfind("w!", 0) == 0) {
        return ReportText::DocumentCopy("==http://www." + std::string(rest), SourceEncoding);
    }
    if (name.rfind("f!", 0) == 0)
        return ReportText::DocumentCopy("==ftp://" + std::string(rest), SourceEncoding);
    return ReportText::DocumentCopy(std::move(name), SourceEncoding);
}

}  // namespace quillot
