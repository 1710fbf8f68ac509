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
        const FieldTable::Positions positions =
            PadFieldList.PositionsOfTag(static_cast<int32_t>(tag));
        const PadField field = positions.empty() ? PadField{} : PadFieldList[positions.front()];
        const std::string_view value = field.Value;
        line.assign("\\plain\\f0\\fs16\\cf1\\ul ").append(name);
        // The value goes straight into the file, escaped on the way, so that
        // even a value of the size of the document is never copied twice.
        if (positions.empty() || field.IsShort == 1) {
            line.append("\\plain\\f0\\fs16\\cf2\\b  ");
        } else {
            line.append("\\plain\\f0\\fs16\\cf0");
            file.WriteLine(line);
            line.assign("\\par \\plain\\f0\\fs16\\cf2\\b ");
        }
        file.Write(line);
        file.WriteEscaped(value, SourceEncoding);
        file.WriteLine("\\plain\\f0\\fs16\\cf0");
        file.WriteLine("\\par");
    }
    file.Close();
}

}  // namespace quillot
