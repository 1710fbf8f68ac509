#include "report/summary_view.h"

#include "report/compositions.h"
#include "report/report_file.h"
#include "report/view_fields.h"

namespace quillot {
namespace {

constexpr const char* kSep = ",  ";

std::string TypeAndCost() {
    const std::string dollars = Field("Program_Cost_Dollars");
    if (!dollars.empty()) return Field("Program_Type") + " ($" + dollars + ")";
    return Field("Program_Type") + " (" + Field("Program_Cost_Other") + ")";
}

std::string Publisher() {
    std::string company = Field("Company_Name");
    const std::string country = Field("Country");
    if (!country.empty()) company += ", " + country;
    return company;
}

}  // namespace

void WriteSummaryView(const ReportSettings& settings) {
    ReportFile file(settings, SummaryReportName, true);
    const std::string os =
        LabelRun("Operating System(s)") + StrongValueRun(Field("Program_OS_Support"));

    file.WriteParagraph(StrongValueRun(Field("Program_Name")) + LabelRun(" - Version") +
                        StrongValueRun(Field("Program_Version")));
    file.WriteParagraph("");
    const std::string date = Field("Program_Release_Year") + "-" + Field("Program_Release_Month") +
                             "-" + Field("Program_Release_Day");
    file.WriteParagraph(LabelRun("Date (Y-M-D)") + StrongValueRun(date) + kSep + LabelRun("Size") +
                        StrongValueRun(Field("File_Size_K") + " kB") + kSep +
                        StrongValueRun(TypeAndCost()));
    file.WriteParagraph("");
    file.WriteParagraph(StrongValueRun(FirstField({"Char_Desc_45", "Char_Desc_80"})));
    file.WriteParagraph(LabelRun("Status") + StrongValueRun(Field("Program_Release_Status")));
    file.WriteParagraph("");
    file.WriteParagraph(LabelRun("By") + ValueRun(Publisher()));
    file.WriteParagraph("");
    file.WriteParagraph(LabelRun("AppXML") +
                        ValueRun(DocumentText(XmlFileUrl(settings.currentFilePath))));
    file.WriteParagraph("");
    file.WriteParagraph(os);
    file.WriteParagraph("");
    file.WriteParagraph(
        LabelRun("Categories") +
        StrongValueRun(Field("Program_Specific_Category") + " - " + Field("Program_Categories")));
    file.WriteParagraph("");
    if (!GetFieldValue("Has_Expire_Info").empty()) {
        file.WriteParagraph(LabelRun("Expiration") + ValueRun(DocumentText(ExpiryText())));
        file.WriteParagraph("");
    }
    const std::string otherExpiry = Field("Expire_Other_Info");
    if (!otherExpiry.empty()) {
        file.WriteParagraph("\\par " + LabelRun("Expire Other Info") + ValueRun(otherExpiry));
    }
    file.WriteParagraph(LabelRun("Description"));
    file.WriteParagraph(ValueRun(FirstField({"Char_Desc_2000", "Char_Desc_450", "Char_Desc_250"})));
    file.WriteParagraph("");
    file.WriteParagraph(os);
    file.Close();
}

}  // namespace quillot
