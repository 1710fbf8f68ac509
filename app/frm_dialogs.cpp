#include "app/frm_dialogs.h"

#include <commdlg.h>

#include "shell/html_help.h"
#include "shell/message_dialog.h"
#include "shell/preferences_dialog.h"

namespace quillot {
namespace {

class SystemFrmDialogs : public FrmDialogs {
  public:
    bool ChooseReportFont(HWND owner, ReportFont& font) override {
        HDC screen = GetDC(nullptr);
        const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        LOGFONTA logFont = font.ToLogFont(pixelsPerInch);
        CHOOSEFONTA request = {};
        request.lStructSize = sizeof request;
        request.hwndOwner = owner;
        request.lpLogFont = &logFont;
        request.Flags = CF_SCREENFONTS | CF_TTONLY | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
        if (!ChooseFontA(&request)) return false;
        font.face = logFont.lfFaceName;
        font.size = request.iPointSize / 10;
        font.bold = logFont.lfWeight >= FW_BOLD;
        font.italic = logFont.lfItalic != 0;
        font.underline = logFont.lfUnderline != 0;
        font.strikeOut = logFont.lfStrikeOut != 0;
        return true;
    }

    bool ChooseColorValue(HWND owner, COLORREF& color) override {
        static COLORREF customColors[16] = {};
        CHOOSECOLORA request = {};
        request.lStructSize = sizeof request;
        request.hwndOwner = owner;
        request.rgbResult = color & 0x00FFFFFF;
        request.lpCustColors = customColors;
        request.Flags = CC_RGBINIT;
        if (!ChooseColorA(&request)) return false;
        color = request.rgbResult;
        return true;
    }

    void ShowError(HWND owner, const std::string& text) override {
        MessageBoxA(owner, text.c_str(), "Quillot", MB_OK | MB_ICONSTOP);
    }

    bool OpenFile(HWND owner, tOpenDlg& request) override {
        return ShowOpenFileDialog(owner, request);
    }

    void ShowPreferences(HWND owner) override { ShowPreferencesDialog(owner); }

    void ShowHelp(const std::string& helpFile, UINT command) override {
        ShowHtmlHelp(helpFile, command, 0);
    }

    void ShowAbout(HWND owner, const std::string& line1, const std::string& line2,
                   const std::string& line3) override {
        ShowMessageDialog(owner, line1, line2, line3);
    }
};

}  // namespace

FrmDialogs& SystemDialogs() {
    static SystemFrmDialogs dialogs;
    return dialogs;
}

}  // namespace quillot
