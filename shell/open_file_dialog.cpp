#include "shell/open_file_dialog.h"

#include <cstring>
#include <vector>

#include "reader/text_util.h"
#include "shell/shell_strings.h"

namespace quillot {

int32_t CloseGuardCount = 0;
OpenFileNameFunction RunOpenFileDialog = GetOpenFileNameA;

namespace {

constexpr size_t MaxProposedNameChars = 255;
constexpr DWORD MaxChosenPathChars = 260;
constexpr size_t ChosenPathBufferSize = 262;

// The extensions of the filter's "(*.ext)" patterns, in order, at most nine.
std::vector<std::string> FilterPatterns(const std::string& filter) {
    std::vector<std::string> patterns;
    int32_t p = FindTextFrom("(*.", filter, 1);
    while (p > 0 && patterns.size() < MaxFilterPatterns) {
        size_t first = static_cast<size_t>(p) + 2;  // 0-based index after "(*."
        size_t close = filter.find(')', first);
        patterns.push_back(
            filter.substr(first, close == std::string::npos ? std::string::npos : close - first));
        p = FindTextFrom("(*.", filter, p + 3);
    }
    return patterns;
}

const char* TextOrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

void PrepareOpenFileDialog(tOpenDlg& request) {
    OPENFILENAMEA& record = request.record;
    std::memset(&record, 0, sizeof record);
    record.lStructSize = OpenDlgRecordSize;

    std::memset(request.filterBuffer, 0, sizeof request.filterBuffer);
    std::vector<std::string> patterns = FilterPatterns(request.filter);
    CopyBounded(request.filterBuffer, request.filter, OpenDlgBufferSize - 2);
    for (char* c = request.filterBuffer; *c != '\0'; ++c) {
        if (*c == '|') *c = '\0';
    }

    record.lpstrFilter = request.filterBuffer;
    record.nFilterIndex = request.filterIndex;
    record.nMaxFile = MaxChosenPathChars;
    record.lpstrTitle = TextOrNull(request.title);
    record.hwndOwner = request.owner;
    record.Flags = request.flags;
    record.lpstrInitialDir = TextOrNull(request.initialFolder);

    request.extension = FileExtension(request.fileName);
    if (!request.extension.empty()) request.extension.erase(0, 1);
    const std::string& defaultExt =
        request.extension.empty() ? request.defaultExt : request.extension;
    record.lpstrDefExt = TextOrNull(defaultExt);

    for (size_t i = 0; i < patterns.size(); ++i) {
        if (EqualsIgnoreAsciiCase(patterns[i], defaultExt)) {
            record.nFilterIndex = static_cast<DWORD>(i + 1);
            break;
        }
    }

    std::memset(request.fileNameBuffer, 0, sizeof request.fileNameBuffer);
    CopyBounded(request.fileNameBuffer, request.fileName, MaxProposedNameChars);
    record.lpstrFile = request.fileNameBuffer;
}

bool ShowOpenFileDialog(HWND owner, tOpenDlg& request) {
    request.owner = owner;
    if (request.flags == 0) request.flags = DefaultOpenDlgFlags;
    CloseGuardCount = 1;
    PrepareOpenFileDialog(request);

    // The dialog writes into a buffer of its own; the chosen path (or what
    // the dialog left there) is copied back in either case.
    std::vector<char> chosen(ChosenPathBufferSize, '\0');
    CopyBounded(chosen.data(), request.fileNameBuffer, MaxChosenPathChars);
    request.record.lpstrFile = chosen.data();
    BOOL ok = RunOpenFileDialog(&request.record);
    CopyBounded(request.fileNameBuffer, chosen.data(), MaxChosenPathChars);
    request.record.lpstrFile = request.fileNameBuffer;
    return ok != FALSE;
}

}  // namespace quillot
