#include "report/standard_view.h"

#include "reader/text_util.h"
#include "report/compositions.h"
#include "report/report_file.h"
#include "report/view_fields.h"

namespace quillot {
namespace {

constexpr const char* kSep = ",   ";

bool StartsWithY(const std::string& value) {
    return !value.empty() && ToAsciiUpper(value[0]) == 'Y';
}

std::string IncludedRuntimes() {
    std::string list;
    const std::pair<const char*, const char*> runtimes[] = {{"Includes_JAVA_VM", "JAVA VM"},
                                                            {"Includes_VB_Runtime", "VB Runtime"},
                                                            {"Includes_DirectX", "DirectX"}};
    for (const auto& [tag, label] : runtimes) {
        if (!StartsWithY(GetFieldValue(tag))) continue;
        if (!list.empty()) list += ", ";
        list += label;
    }
    return list;
}

std::string SizeText() {
    std::string k = Field("File_Size_K");
    std::string m = Field("File_Size_MB");
    if (!k.empty()) k += " kB";
    if (!m.empty()) m += " MB";
    if (!k.empty() && !m.empty()) k += " - ";
    return k + m;
}

std::string CostText() {
    std::string dollars = Field("Program_Cost_Dollars");
    return dollars.empty() ? Field("Program_Cost_Other") : "$" + dollars;
}

void WriteNameRow(ReportFile& file) {
    const std::string shortDescription =
        FirstFieldPreferringEnglish({"Char_Desc_45", "Char_Desc_80"});
    std::string row = StrongValueRun(Field("Program_Name")) + LabelRun(" - Version") +
                      StrongValueRun(Field("Program_Version"));
    if (!shortDescription.empty()) row += kSep + StrongValueRun(shortDescription);
    file.WriteParagraph(row);
}

void WritePublisherRows(ReportFile& file) {
    std::string company = Field("Company_Name");
    const std::string country = Field("Country");
    if (!country.empty()) company += " - " + country;
    std::string row = LabelRun("Company") + ValueRun(company);
    const std::string web = Field("Company_WebSite_URL");
    if (!web.empty()) row += kSep + LabelRun("Web") + ValueRun(web);
    file.WriteParagraph(row);

    const std::string first = Field("Author_First_Name");
    const std::string last = Field("Author_Last_Name");
    if (!first.empty() && !last.empty()) {
        row = LabelRun("Author") + ValueRun(first + " " + last);
        const std::string email = Field("Author_Email");
        if (!email.empty()) row += kSep + LabelRun("Email") + ValueRun(email);
        file.WriteParagraph(row);
    }
}

void WriteReleaseRows(ReportFile& file) {
    const std::string date = Field("Program_Release_Year") + "-" + Field("Program_Release_Month") +
                             "-" + Field("Program_Release_Day");
    file.WriteParagraph(LabelRun("Date (Y-M-D)") + ValueRun(date) + kSep + LabelRun("Status") +
                        StrongValueRun(Field("Program_Release_Status")) + kSep +
                        LabelRun("Install Support") + ValueRun(Field("Program_Install_Support")));
    file.WriteParagraph(LabelRun("File Size") + ValueRun(SizeText()) + kSep + LabelRun("Type") +
                        ValueRun(Field("Program_Type")) + kSep + LabelRun("Cost") +
                        ValueRun(CostText()));

    if (!GetFieldValue("Has_Expire_Info").empty()) {
        file.WriteParagraph(LabelRun("Expires") + ValueRun(DocumentText(ExpiryText())));
        const std::string other = Field("Expire_Other_Info");
        if (!other.empty()) file.WriteParagraph(LabelRun("Expire Other Info") + ValueRun(other));
        file.WriteParagraph("");
    }

    const std::string includes = IncludedRuntimes();
    if (!includes.empty()) file.WriteParagraph(LabelRun("Includes") + StrongValueRun(includes));
}

void WriteCategoryRows(ReportFile& file) {
    file.WriteParagraph(LabelRun("Operating System(s)") + ValueRun(Field("Program_OS_Support")));

    const std::string specific = Field("Program_Specific_Category");
    const std::string categories = Field("Program_Categories");
    std::string row = LabelRun("Categories");
    if (!specific.empty()) row += StrongValueRun(specific);
    if (!specific.empty() && !categories.empty()) {
        row += ValueRun(" - " + categories);
    } else if (!categories.empty()) {
        row += ValueRun(categories);
    }
    const std::string categoryClass = Field("Program_Category_Class");
    if (!categoryClass.empty()) row += ",   Category Class: " + StrongValueRun(categoryClass);
    file.WriteParagraph(row);
    file.WriteParagraph("");
}

void WriteNotesRows(ReportFile& file) {
    const std::string change = Field("Program_Change_Info");
    if (!change.empty() && !EqualsIgnoreAsciiCase(GetFieldValue("Program_Change_Info"), "N/A")) {
        file.WriteParagraph(HeadingRun("Change Info") + ValueRun(change));
        file.WriteParagraph("");
    }

    EnglishOnly = false;
    const std::string keywords = Field("Keywords");
    if (!keywords.empty()) {
        file.WriteParagraph(HeadingRun("Keywords") + ValueRun(keywords));
        file.WriteParagraph("");
    }

    file.WriteParagraph(HeadingRun("Description"));
    file.WriteParagraph(ValueRun(FirstFieldPreferringEnglish(
        {"Char_Desc_2000", "Char_Desc_450", "Char_Desc_250", "Char_Desc_80", "Char_Desc_45"})));
    file.WriteParagraph("");

    const std::string requirements = Field("Program_System_Requirements");
    if (!requirements.empty() &&
        !EqualsIgnoreAsciiCase(GetFieldValue("Program_System_Requirements"), "none")) {
        file.WriteParagraph(HeadingRun("System Requirements"));
        file.WriteParagraph(ValueRun(requirements));
        file.WriteParagraph("");
    }
}

void WriteAddressRows(ReportFile& file, const ReportSettings& settings) {
    file.WriteParagraph(HeadingRun("Contact Info"));
    file.WriteParagraph(LabelRun("General Email") + ValueRun(Field("General_Email")));
    file.WriteParagraph(LabelRun("Sales Email") + ValueRun(Field("Sales_Email")));
    file.WriteParagraph(LabelRun("Support Email") + ValueRun(Field("Support_Email")));
    file.WriteParagraph(LabelRun("Order Online") + ValueRun(Field("Application_Order_URL")));
    file.WriteParagraph("");

    file.WriteParagraph(HeadingRun("Download URLs"));
    file.WriteParagraph(ValueRun(Field("Primary_Download_URL")));
    for (const char* tag :
         {"Secondary_Download_URL", "Additional_Download_URL_1", "Additional_Download_URL_2"}) {
        const std::string url = Field(tag);
        if (!url.empty()) file.WriteParagraph(ValueRun(url));
    }
    file.WriteParagraph("");

    file.WriteParagraph(HeadingRun("Application URLs"));
    file.WriteParagraph(LabelRun("Icon") + ValueRun(Field("Application_Icon_URL")));
    file.WriteParagraph(LabelRun("ScnShot") + ValueRun(Field("Application_Screenshot_URL")));
    file.WriteParagraph(LabelRun("Info") + ValueRun(Field("Application_Info_URL")));
    file.WriteParagraph(LabelRun("XML") +
                        ValueRun(DocumentText(XmlFileUrl(settings.currentFilePath))));
    file.WriteParagraph("");
}

}  // namespace

void WriteStandardView(const ReportSettings& settings) {
    ReportFile file(settings, StandardReportName, true);
    const std::string padVersion = Field("MASTER_PAD_VERSION");
    if (!padVersion.empty()) file.WriteParagraph(LabelRun("PAD version") + ValueRun(padVersion));
    file.WriteParagraph("");
    WriteNameRow(file);
    file.WriteParagraph("");
    WritePublisherRows(file);
    file.WriteParagraph("");
    WriteReleaseRows(file);
    WriteCategoryRows(file);
    WriteNotesRows(file);
    WriteAddressRows(file, settings);
    file.Close();
}

}  // namespace quillot
