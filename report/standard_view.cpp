#include "report/standard_view.h"

#include "reader/text_util.h"
#include "report/compositions.h"
#include "report/report_file.h"
#include "report/report_paragraph.h"
#include "report/view_fields.h"

namespace quillot {
namespace {

constexpr const char* kSep = ",   ";

bool StartsWithY(std::string_view value) {
    return !value.empty() && ToAsciiUpper(value[0]) == 'Y';
}

std::string IncludedRuntimes() {
    std::string list;
    const std::pair<const char*, const char*> runtimes[] = {{"Includes_JAVA_VM", "JAVA VM"},
                                                            {"Includes_VB_Runtime", "VB Runtime"},
                                                            {"Includes_DirectX", "DirectX"}};
    for (const auto& [tag, label] : runtimes) {
        if (!StartsWithY(FieldValueView(tag))) continue;
        if (!list.empty()) list += ", ";
        list += label;
    }
    return list;
}

ReportText SizeText() {
    ReportText k = Field("File_Size_K");
    ReportText m = Field("File_Size_MB");
    if (!k.empty()) k += " kB";
    if (!m.empty()) m += " MB";
    if (!k.empty() && !m.empty()) k += " - ";
    return std::move(k) + std::move(m);
}

ReportText CostText() {
    ReportText dollars = Field("Program_Cost_Dollars");
    return dollars.empty() ? Field("Program_Cost_Other") : "$" + std::move(dollars);
}

void WriteNameRow(ReportFile& file) {
    ReportText shortDescription = FirstFieldPreferringEnglish({"Char_Desc_45", "Char_Desc_80"});
    ReportText row = StrongValueRun(Field("Program_Name")) + LabelRun(" - Version") +
                     StrongValueRun(Field("Program_Version"));
    if (!shortDescription.empty()) row += kSep + StrongValueRun(std::move(shortDescription));
    WriteParagraph(file, row);
}

void WritePublisherRows(ReportFile& file) {
    ReportText company = Field("Company_Name");
    ReportText country = Field("Country");
    if (!country.empty()) company += " - " + std::move(country);
    ReportText row = LabelRun("Company") + ValueRun(std::move(company));
    ReportText web = Field("Company_WebSite_URL");
    if (!web.empty()) row += kSep + LabelRun("Web") + ValueRun(std::move(web));
    WriteParagraph(file, row);

    ReportText first = Field("Author_First_Name");
    ReportText last = Field("Author_Last_Name");
    if (!first.empty() && !last.empty()) {
        row = LabelRun("Author") + ValueRun(std::move(first) + " " + std::move(last));
        ReportText email = Field("Author_Email");
        if (!email.empty()) row += kSep + LabelRun("Email") + ValueRun(std::move(email));
        WriteParagraph(file, row);
    }
}

void WriteReleaseRows(ReportFile& file) {
    ReportText date = Field("Program_Release_Year") + "-" + Field("Program_Release_Month") + "-" +
                      Field("Program_Release_Day");
    WriteParagraph(file, LabelRun("Date (Y-M-D)") + ValueRun(std::move(date)) + kSep +
                             LabelRun("Status") + StrongValueRun(Field("Program_Release_Status")) +
                             kSep + LabelRun("Install Support") +
                             ValueRun(Field("Program_Install_Support")));
    WriteParagraph(file, LabelRun("File Size") + ValueRun(SizeText()) + kSep + LabelRun("Type") +
                             ValueRun(Field("Program_Type")) + kSep + LabelRun("Cost") +
                             ValueRun(CostText()));

    if (!FieldValueView("Has_Expire_Info").empty()) {
        WriteParagraph(file, LabelRun("Expires") + ValueRun(ExpiryText()));
        ReportText other = Field("Expire_Other_Info");
        if (!other.empty()) {
            WriteParagraph(file, LabelRun("Expire Other Info") + ValueRun(std::move(other)));
        }
        file.WriteParagraph("");
    }

    std::string includes = IncludedRuntimes();
    if (!includes.empty()) {
        WriteParagraph(file, LabelRun("Includes") + StrongValueRun(std::move(includes)));
    }
}

void WriteCategoryRows(ReportFile& file) {
    WriteParagraph(file, LabelRun("Operating System(s)") + ValueRun(Field("Program_OS_Support")));

    ReportText specific = Field("Program_Specific_Category");
    ReportText categories = Field("Program_Categories");
    ReportText row = LabelRun("Categories");
    const bool bothCategories = !specific.empty() && !categories.empty();
    if (!specific.empty()) row += StrongValueRun(std::move(specific));
    if (bothCategories) {
        row += ValueRun(" - " + std::move(categories));
    } else if (!categories.empty()) {
        row += ValueRun(std::move(categories));
    }
    ReportText categoryClass = Field("Program_Category_Class");
    if (!categoryClass.empty()) {
        row += ",   Category Class: " + StrongValueRun(std::move(categoryClass));
    }
    WriteParagraph(file, row);
    file.WriteParagraph("");
}

void WriteNotesRows(ReportFile& file) {
    const std::string_view change = FieldValueView("Program_Change_Info");
    if (!change.empty() && !EqualsIgnoreAsciiCase(change, "N/A")) {
        WriteParagraph(file, HeadingRun("Change Info") +
                                 ValueRun(ReportText::Document(change, SourceEncoding)));
        file.WriteParagraph("");
    }

    EnglishOnly = false;
    ReportText keywords = Field("Keywords");
    if (!keywords.empty()) {
        WriteParagraph(file, HeadingRun("Keywords") + ValueRun(std::move(keywords)));
        file.WriteParagraph("");
    }

    file.WriteParagraph(HeadingRun("Description"));
    WriteParagraph(file, ValueRun(FirstFieldPreferringEnglish({"Char_Desc_2000", "Char_Desc_450",
                                                               "Char_Desc_250", "Char_Desc_80",
                                                               "Char_Desc_45"})));
    file.WriteParagraph("");

    const std::string_view requirements = FieldValueView("Program_System_Requirements");
    if (!requirements.empty() && !EqualsIgnoreAsciiCase(requirements, "none")) {
        file.WriteParagraph(HeadingRun("System Requirements"));
        WriteParagraph(file, ValueRun(ReportText::Document(requirements, SourceEncoding)));
        file.WriteParagraph("");
    }
}

void WriteAddressRows(ReportFile& file, const ReportSettings& settings) {
    file.WriteParagraph(HeadingRun("Contact Info"));
    WriteParagraph(file, LabelRun("General Email") + ValueRun(Field("General_Email")));
    WriteParagraph(file, LabelRun("Sales Email") + ValueRun(Field("Sales_Email")));
    WriteParagraph(file, LabelRun("Support Email") + ValueRun(Field("Support_Email")));
    WriteParagraph(file, LabelRun("Order Online") + ValueRun(Field("Application_Order_URL")));
    file.WriteParagraph("");

    file.WriteParagraph(HeadingRun("Download URLs"));
    WriteParagraph(file, ValueRun(Field("Primary_Download_URL")));
    for (const char* tag :
         {"Secondary_Download_URL", "Additional_Download_URL_1", "Additional_Download_URL_2"}) {
        ReportText url = Field(tag);
        if (!url.empty()) WriteParagraph(file, ValueRun(std::move(url)));
    }
    file.WriteParagraph("");

    file.WriteParagraph(HeadingRun("Application URLs"));
    WriteParagraph(file, LabelRun("Icon") + ValueRun(Field("Application_Icon_URL")));
    WriteParagraph(file, LabelRun("ScnShot") + ValueRun(Field("Application_Screenshot_URL")));
    WriteParagraph(file, LabelRun("Info") + ValueRun(Field("Application_Info_URL")));
    WriteParagraph(file, LabelRun("XML") + ValueRun(XmlFileUrl(settings.currentFilePath)));
    file.WriteParagraph("");
}

}  // namespace

void WriteStandardView(const ReportSettings& settings) {
    ReportFile file(settings, StandardReportName, true);
    ReportText padVersion = Field("MASTER_PAD_VERSION");
    if (!padVersion.empty()) {
        WriteParagraph(file, LabelRun("PAD version") + ValueRun(std::move(padVersion)));
    }
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
