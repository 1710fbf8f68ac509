// Opens a web or e-mail address with the program the user chose for it, as
// the shell's "open" does. The caller has made sure that it is one of the
// addresses the program opens (app/link_address.h); failures are silent.
#pragma once

#include <windows.h>

#include <string>

namespace quillot {

// `address` is UTF-8.
void OpenAddressWithShell(HWND owner, const std::string& address);

}  // namespace quillot
