// Folder navigation commands of the main window: next, previous, first and
// last supported file of the document's folder, and refresh. No wrap-around.
#include "app/folder_list.h"
#include "app/main_window.h"

namespace quillot {
namespace {

std::string FolderEntry(int32_t index) {
    return CurrentFolder + (*FolderFileList)[static_cast<size_t>(index)];
}

}  // namespace

void TFrm::cmdNxtFile() {
    if (FolderIndex == -1 || FolderIndex >= FolderFileCount() - 1) return;
    FolderIndex = FolderIndex + 1;
    LoadDocument(FolderEntry(FolderIndex), true);
}

void TFrm::cmdPrvFile() {
    if (FolderIndex <= 0 || FolderIndex > FolderFileCount() - 1) return;
    FolderIndex = FolderIndex - 1;
    LoadDocument(FolderEntry(FolderIndex), true);
}

void TFrm::cmdFstFile() {
    if (FolderFileCount() == 0) return;
    FolderIndex = 0;
    LoadDocument(FolderEntry(FolderIndex), true);
}

void TFrm::cmdLstFile() {
    if (FolderFileCount() == 0) return;
    FolderIndex = FolderFileCount() - 1;
    LoadDocument(FolderEntry(FolderIndex), true);
}

// Reloads the document, then scans the folder again; the status text then
// counts what the new scan found.
void TFrm::cmdRefresh() {
    if (FolderIndex == -1 || FolderIndex >= FolderFileCount()) return;
    LoadDocument(FolderEntry(FolderIndex), true);
    BuildFolderFileList(CurrentFilePath);
    ShowFolderPosition();
}

}  // namespace quillot
