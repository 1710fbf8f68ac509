#include "report/all_fields_view.h"

#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "report/report_file.h"
#include "report/rtf_text.h"

namespace quillot {

void WriteAllFieldsView(const ReportSettings& settings) {
    ReportFile file(settings, AllFieldsReportName, false);
    for (size_t tag = 0; tag < PadTagTable.size(); ++tag) {
        const std::string& name = PadTagTable[tag];
        const auto& positions = PadFieldList.PositionsOfTag(static_cast<int32_t>(tag));
        std::string value;
        bool oneLine = true;
        if (!positions.empty()) {
            const PadField& field = PadFieldList[positions.front()];
            value = EscapeRtf(field.Value);
            oneLine = field.IsShort == 1;
        }
        if (oneLine) {
            file.WriteLine("\\plain\\f0\\fs16\\cf1\\ul " + name + "\\plain\\f0\\fs16\\cf2\\b  " +
                           value + "\\plain\\f0\\fs16\\cf0");
        } else {
            file.WriteLine("\\plain\\f0\\fs16\\cf1\\ul " + name + "\\plain\\f0\\fs16\\cf0");
            file.WriteLine("\\par \\plain\\f0\\fs16\\cf2\\b " + value + "\\plain\\f0\\fs16\\cf0");
        }
        file.WriteLine("\\par");
    }
    file.Close();
}

}  // namespace quillot
