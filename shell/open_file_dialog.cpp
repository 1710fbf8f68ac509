#include "shell/open_file_dialog.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "reader/text_util.h"
#include "reader/wide_text.h"
#include "shell/shell_strings.h"

namespace quillot {

int32_t CloseGuardCount = 0;
OpenFileNameFunction RunOpenFileDialog = GetOpenFileNameW;

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

// The UTF-8 text of a record's field as UTF-16, kept in `storage`; null stays null.
const wchar_t* WideOrNull(const char* text, std::wstring& storage) {
    if (text == nullptr) return nullptr;
    storage = Utf8ToWide(text);
    return storage.c_str();
}

// How many bytes of the text make at most `maxChars` whole characters.
size_t WholeCharacters(std::string_view text, size_t maxChars) {
    size_t end = 0;
    for (size_t n = 0; end < text.size() && n < maxChars; ++n) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return end;
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
    CopyBounded(request.fileNameBuffer, request.fileName,
                WholeCharacters(request.fileName, MaxProposedNameChars));
    record.lpstrFile = request.fileNameBuffer;
}

bool ShowOpenFileDialog(HWND owner, tOpenDlg& request) {
    request.owner = owner;
    if (request.flags == 0) request.flags = DefaultOpenDlgFlags;
    CloseGuardCount = 1;
    PrepareOpenFileDialog(request);

    // The wide dialog gets the prepared record in UTF-16 and writes into a
    // buffer of its own; the chosen path (or what the dialog left there) is
    // copied back in either case.
    const OPENFILENAMEA& prepared = request.record;
    OPENFILENAMEW record = {};
    record.lStructSize = OpenDlgWideRecordSize;
    record.hwndOwner = prepared.hwndOwner;
    record.Flags = prepared.Flags;
    record.nFilterIndex = prepared.nFilterIndex;
    record.nMaxFile = prepared.nMaxFile;
    // The filter buffer with its NULs, as one text.
    const std::wstring filter =
        Utf8ToWide(std::string_view(request.filterBuffer, sizeof request.filterBuffer));
    record.lpstrFilter = filter.c_str();
    std::wstring title, initialFolder, defaultExt;
    record.lpstrTitle = WideOrNull(prepared.lpstrTitle, title);
    record.lpstrInitialDir = WideOrNull(prepared.lpstrInitialDir, initialFolder);
    record.lpstrDefExt = WideOrNull(prepared.lpstrDefExt, defaultExt);
    std::vector<wchar_t> chosen(ChosenPathBufferSize, L'\0');
    const std::wstring proposed = Utf8ToWide(request.fileNameBuffer);
    proposed.copy(chosen.data(), std::min<size_t>(proposed.size(), MaxChosenPathChars));
    record.lpstrFile = chosen.data();
    BOOL ok = RunOpenFileDialog(&record);
    const std::string path = WideToUtf8(WideFromBuffer(chosen.data(), MaxChosenPathChars));
    CopyBounded(request.fileNameBuffer, path, sizeof request.fileNameBuffer - 1);
    request.record.nFilterIndex = record.nFilterIndex;
    return ok != FALSE;
}

}  // namespace quillot
