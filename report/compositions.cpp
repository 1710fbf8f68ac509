#include "report/compositions.h"

#include <algorithm>

#include "reader/pad_document.h"
#include "reader/text_util.h"

namespace quillot {

std::string ExpiryText() {
    const std::string has = GetFieldValue("Has_Expire_Info");
    const std::string count = GetFieldValue("Expire_Count");
    if (has.empty() || ToAsciiUpper(has[0]) != 'Y' || count.empty()) return has;

    std::string basis = GetFieldValue("Expire_Based_On");
    if (basis.empty() || basis == "Either/Or") basis = "Days";
    const std::string day = GetFieldValue("Expire_Day");
    const std::string month = GetFieldValue("Expire_Month");
    const std::string year = GetFieldValue("Expire_Year");
    if (!day.empty() && !month.empty() && !year.empty()) {
        basis = "Days, Either/Or (Y-M-D): " + year + "-" + month + "-" + day;
    } else if (!day.empty() && month.empty() && year.empty()) {
        basis = "Days, Either/Or " + day + "Days";
    }
    return has + ", " + count + " " + basis;
}

std::string XmlFileUrl(std::string_view currentFilePath) {
    std::string url = GetFieldValue("Application_XML_File_URL");
    if (!url.empty()) return url;

    std::string name(FileNamePart(currentFilePath).substr(0, 255));
    std::replace(name.begin(), name.end(), '`', '/');
    const std::string_view rest = std::string_view(name).substr(std::min<size_t>(2, name.size()));
    if (name.rfind("h!", 0) == 0) return "==http://" + std::string(rest);
    if (name.rfind("w!", 0) == 0) return "==http://www." + std::string(rest);
    if (name.rfind("f!", 0) == 0) return "==ftp://" + std::string(rest);
    return name;
}

}  // namespace quillot
