#include "bench/windows/remote_window.h"

#include <commctrl.h>
#include <richedit.h>

#include <vector>

namespace quillot::bench {
namespace {

constexpr UINT kTimeoutMs = 10000;

// A piece of memory in another process, freed again at the end.
class RemoteBuffer {
  public:
    RemoteBuffer(HANDLE process, size_t size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
          size_(size) {}
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void* Address() const { return address_; }
    bool Write(const void* data, size_t size) const {
        SIZE_T written = 0;
        return address_ && size <= size_ &&
               WriteProcessMemory(process_, address_, data, size, &written) && written == size;
    }
    bool Read(void* data, size_t size) const {
        SIZE_T read = 0;
        return address_ && size <= size_ &&
               ReadProcessMemory(process_, address_, data, size, &read) && read == size;
    }

  private:
    HANDLE process_;
    void* address_;
    size_t size_;
};

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

bool RemoteTabRect(HANDLE process, HWND tabControl, int tab, RECT& rect) {
    RemoteBuffer buffer(process, sizeof rect);
    if (!buffer.Address()) return false;
    if (!Send(tabControl, TCM_GETITEMRECT, static_cast<WPARAM>(tab),
              reinterpret_cast<LPARAM>(buffer.Address()))) {
        return false;
    }
    return buffer.Read(&rect, sizeof rect);
}

bool ClickTab(HANDLE process, HWND tabControl, int tab) {
    RECT rect;
    if (!RemoteTabRect(process, tabControl, tab, rect)) return false;
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return PostMessageA(tabControl, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
           PostMessageA(tabControl, WM_LBUTTONUP, 0, point);
}

std::string RemoteLastLine(HANDLE process, HWND view) {
    const LRESULT lines = Send(view, EM_GETLINECOUNT, 0, 0);
    if (lines <= 0) return std::string();
    const LRESULT start = Send(view, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    const LRESULT length = Send(view, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (start < 0 || length <= 0) return std::string();
    const size_t bytes = static_cast<size_t>(length) * 2 + 2;
    RemoteBuffer buffer(process, sizeof(TEXTRANGEA) + bytes);
    if (!buffer.Address()) return std::string();
    TEXTRANGEA range = {};
    range.chrg.cpMin = static_cast<LONG>(start);
    range.chrg.cpMax = static_cast<LONG>(start + length);
    range.lpstrText = static_cast<char*>(buffer.Address()) + sizeof(TEXTRANGEA);
    if (!buffer.Write(&range, sizeof range)) return std::string();
    const LRESULT got = Send(view, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(buffer.Address()));
    std::vector<char> all(sizeof(TEXTRANGEA) + bytes);
    if (got <= 0 || !buffer.Read(all.data(), all.size())) return std::string();
    return std::string(all.data() + sizeof(TEXTRANGEA), static_cast<size_t>(got));
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

}  // namespace quillot::bench
