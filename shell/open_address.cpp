#include "shell/open_address.h"

#include <shellapi.h>

#include "reader/wide_text.h"

namespace quillot {

void OpenAddressWithShell(HWND owner, const std::string& address) {
    ShellExecuteW(owner, L"open", Utf8ToWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quillot
