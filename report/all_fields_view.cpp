#include "report/all_fields_view.h"

#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "report/report_file.h"
#include "report/rtf_text.h"

namespace quillot {

void WriteAllFieldsView(const ReportSettings& settings) {
    ReportFile file(settings, AllFieldsReportName, false);
    std::string line;  // reused, so the lines cost no allocations
    for (size_t tag = 0; tag < PadTagTable.size(); ++tag) {
        const std::string& name = PadTagTable[tag];
        const auto& positions = PadFieldList.PositionsOfTag(static_cast<int32_t>(tag));
        const PadField* field = positions.empty() ? nullptr : &PadFieldList[positions.front()];
        const std::string_view value = field != nullptr ? field->Value : std::string_view();
        line.assign("\\plain\\f0\\fs16\\cf1\\ul ").append(name);
        if (field == nullptr || field->IsShort == 1) {
            line.append("\\plain\\f0\\fs16\\cf2\\b  ");
            AppendEscapedRtf(line, value, SourceEncoding);
            line.append("\\plain\\f0\\fs16\\cf0");
            file.WriteLine(line);
        } else {
            line.append("\\plain\\f0\\fs16\\cf0");
            file.WriteLine(line);
            line.assign("\\par \\plain\\f0\\fs16\\cf2\\b ");
            AppendEscapedRtf(line, value, SourceEncoding);
            line.append("\\plain\\f0\\fs16\\cf0");
            file.WriteLine(line);
        }
        file.WriteLine("\\par");
    }
    file.Close();
}

}  // namespace quillot
