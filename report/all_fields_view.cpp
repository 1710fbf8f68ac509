#include "report/all_fields_view.h"

#include "reader/pad_document.h"
#include "reader/vocabulary.h"
#include "report/report_file.h"
#include "report/rtf_text.h"

namespace quillot {

void WriteAllFieldsView(const ReportSettings& settings) {
    ReportFile file(settings, AllFieldsReportName, false);
    const FieldTable& fields = CurrentPadFieldList();
    for (size_t tag = 0; tag < PadTagTable.size(); ++tag) {
        const FieldTable::Positions positions = fields.PositionsOfTag(static_cast<int32_t>(tag));
        const PadField field = positions.empty() ? PadField{} : fields[positions.front()];
        file.Write("\\plain\\f0\\fs16\\cf1\\ul ");
        file.Write(PadTagTable[tag]);
        if (positions.empty() || field.IsShort == 1) {
            file.Write("\\plain\\f0\\fs16\\cf2\\b  ");
        } else {
            file.WriteLine("\\plain\\f0\\fs16\\cf0");
            file.Write("\\par \\plain\\f0\\fs16\\cf2\\b ");
        }
        // The value goes straight into the file, escaped on the way, so that
        // even a value of the size of the document is never copied twice.
        file.WriteEscaped(field.Value, SourceEncoding);
        file.WriteLine("\\plain\\f0\\fs16\\cf0");
        file.WriteLine("\\par");
    }
    file.Close();
}

}  // namespace quillot
