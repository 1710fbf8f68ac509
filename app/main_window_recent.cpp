// The recent files of the main window's File menu: every document the user
// opens by its name heads the list; a listed file that is gone leaves it.
#include <windows.h>

#include <string>

#include "app/command_line.h"
#include "app/main_window.h"
#include "reader/file_system.h"
#include "reader/wide_text.h"
#include "resources/resource.h"

namespace quillot {
namespace {

// A menu item's text shows "&" as itself only when it is doubled.
std::string MenuText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '&') escaped += '&';
        escaped += c;
    }
    return escaped;
}

}  // namespace

void TFrm::OpenDocument(const std::string& fileName) {
    LoadDocument(fileName, true);
    std::string full = FullPathName(fileName);
    if (full.empty()) full = fileName;
    if (IsExistingFile(fileName)) {
        recentFiles_.Add(full);
    } else {
        recentFiles_.Remove(full);
    }
    UpdateRecentMenu();
}

void TFrm::OpenRecentFile(size_t index) {
    if (index >= recentFiles_.Files().size()) return;
    const std::string file = recentFiles_.Files()[index];
    OpenDocument(file);
}

// The items stand above "E&xit", numbered from &1, with a separator below.
void TFrm::UpdateRecentMenu() {
    HMENU file = SubMenuOf(IDM_EXIT);
    if (!file) return;
    for (UINT id = IDM_RECENT_FIRST; id <= IDM_RECENT_SEPARATOR; ++id)
        DeleteMenu(file, id, MF_BYCOMMAND);
    const std::vector<std::string>& files = recentFiles_.Files();
    if (files.empty()) return;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string text = "&" + std::to_string(i + 1) + " " +
                                 MenuText(ShortenedPath(files[i], RecentMenuPathCharacters));
        InsertMenuW(file, IDM_EXIT, MF_BYCOMMAND | MF_STRING,
                    IDM_RECENT_FIRST + static_cast<UINT>(i), Utf8ToWide(text).c_str());
    }
    InsertMenuW(file, IDM_EXIT, MF_BYCOMMAND | MF_SEPARATOR, IDM_RECENT_SEPARATOR, nullptr);
}

}  // namespace quillot
