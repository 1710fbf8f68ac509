#include "report/summary_view.h"

#include "report/compositions.h"
#include "report/report_file.h"
#include "report/report_paragraph.h"
#include "report/view_fields.h"

namespace quillot {
namespace {

constexpr const char* kSep = ",  ";

ReportText TypeAndCost() {
    ReportText dollars = Field("Program_Cost_Dollars");
    if (!dollars.empty()) return Field("Program_Type") + " ($" + std::move(dollars) + ")";
    return Field("Program_Type") + " (" + Field("Program_Cost_Other") + ")";
}

ReportText Publisher() {
    ReportText company = Field("Company_Name");
    ReportText country = Field("Country");
    if (!country.empty()) company += ", " + std::move(country);
    return company;
}

}  // namespace

void WriteSummaryView(const ReportSettings& settings) {
    ReportFile file(settings, SummaryReportName, true);
    const ReportText os =
        LabelRun("Operating System(s)") + StrongValueRun(Field("Program_OS_Support"));

    WriteParagraph(file, StrongValueRun(Field("Program_Name")) + LabelRun(" - Version") +
                             StrongValueRun(Field("Program_Version")));
    file.WriteParagraph("");
    ReportText date = Field("Program_Release_Year") + "-" + Field("Program_Release_Month") + "-" +
                      Field("Program_Release_Day");
    WriteParagraph(file, LabelRun("Date (Y-M-D)") + StrongValueRun(std::move(date)) + kSep +
                             LabelRun("Size") + StrongValueRun(Field("File_Size_K") + " kB") +
                             kSep + StrongValueRun(TypeAndCost()));
    file.WriteParagraph("");
    WriteParagraph(file, StrongValueRun(FirstField({"Char_Desc_45", "Char_Desc_80"})));
    WriteParagraph(file, LabelRun("Status") + StrongValueRun(Field("Program_Release_Status")));
    file.WriteParagraph("");
    WriteParagraph(file, LabelRun("By") + ValueRun(Publisher()));
    file.WriteParagraph("");
    WriteParagraph(file, LabelRun("AppXML") + ValueRun(XmlFileUrl(settings.currentFilePath)));
    file.WriteParagraph("");
    WriteParagraph(file, os);
    file.WriteParagraph("");
    WriteParagraph(
        file, LabelRun("Categories") + StrongValueRun(Field("Program_Specific_Category") + " - " +
                                                      Field("Program_Categories")));
    file.WriteParagraph("");
    if (!FieldValueView("Has_Expire_Info").empty()) {
        WriteParagraph(file, LabelRun("Expiration") + ValueRun(ExpiryText()));
        file.WriteParagraph("");
    }
    ReportText otherExpiry = Field("Expire_Other_Info");
    if (!otherExpiry.empty()) {
        WriteParagraph(file,
                       "\\par " + LabelRun("Expire Other Info") + ValueRun(std::move(otherExpiry)));
    }
    file.WriteParagraph(LabelRun("Description"));
    WriteParagraph(file,
                   ValueRun(FirstField({"Char_Desc_2000", "Char_Desc_450", "Char_Desc_250"})));
    file.WriteParagraph("");
    WriteParagraph(file, os);
    file.Close();
}

}  // namespace quillot
