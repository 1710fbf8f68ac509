#include "app/startup.h"

#include <commctrl.h>

#include <cstdlib>
#include <memory>

#include "app/application.h"
#include "app/main_window.h"
#include "app/report_cleanup.h"
#include "app/report_folder.h"
#include "app/start_lock.h"
#include "app/startup_marks.h"
#include "reader/text_util.h"
#include "settings/program_location.h"
#include "settings/settings_store.h"
#include "settings/stored_name.h"
#include "shell/associations.h"
#include "shell/display_scale.h"
#include "shell/system_library.h"
#include "shell/version_info.h"
#include "trace/trace_log.h"

namespace quillot {
namespace {

struct InstanceSearch {
    std::string prefix;
    bool bringToFront;
    bool found = false;
    HWND target = nullptr;
};

// Only the two windows of a running instance count: its owner window (the
// application title) and its main window. Other windows whose caption starts
// with the prefix, such as a help window, are passed over.
bool IsInstanceWindow(HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    const std::string name(className);
    return name == ApplicationClassName || name == MainWindowClassName;
}

BOOL CALLBACK CheckWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<InstanceSearch*>(context);
    std::string caption(search->prefix.size() + 1, '\0');
    const int length = GetWindowTextA(window, caption.data(), static_cast<int>(caption.size()));
    caption.resize(static_cast<size_t>(length > 0 ? length : 0));
    if (caption != search->prefix) return TRUE;  // a shorter caption never matches
    if (!IsInstanceWindow(window)) return TRUE;
    search->found = true;
    HWND owner = GetWindow(window, GW_OWNER);
    search->target = owner ? owner : window;
    ShowWindow(search->target, SW_RESTORE);
    if (search->bringToFront) SetForegroundWindow(window);
    return FALSE;
}

void HandOver(const std::vector<std::string>& arguments, HWND target) {
    if (arguments.empty()) return;
    InitSettingsAndTrace(IniPathFor(ProgramFilePath()));
    BeginSection("", "Main", WriteMode);
    ExchangeString("fName", StoredFileName(arguments[0]));
    EndSection(4);
    PostMessageA(target, HandOverMessage, HandOverWParam, HandOverLParam);
}

int RunMainWindow(HINSTANCE instance, const std::vector<std::string>& arguments, StartLock& lock) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    StartupMark("common controls");
    {
        // The owner carries the application title from the start, so that a
        // process started from here on finds this instance.
        Application application;
        if (!application.Create(instance, RunningInstancePrefix)) return 0;
        StartupMark("application window");
        FrmEnvironment environment;
        environment.programPath = ProgramFilePath();
        environment.systemTempPath = ChooseReportFolder(ReportedTempPath());
        environment.arguments = arguments;
        StartupMark("report folder chosen");
        std::unique_ptr<TFrm> frm(TFrm::Create(application, environment));
        if (!frm) return 0;
        frm->Show();
        lock.Release();
        application.Run();
        // The windows go before another start may look for them.
        lock.Acquire();
    }
    return 0;
}

}  // namespace

bool FindRunningInstance(const std::string& prefix, bool bringToFront, HWND& target) {
    InstanceSearch search{prefix, bringToFront};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    target = search.target;
    return search.found;
}

bool HandleAssociationSwitches(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return false;
    const std::string& first = arguments[0];
    if (EqualsIgnoreAsciiCase(first, "-I")) {
        InitSettingsAndTrace(IniPathFor(ProgramFilePath()));
        AssociateFileType("XML", "XML Pad", 1);
        BeginSection("", "Main", WriteMode);
        ExchangeBool("ext_XML", true);
        EndSection(0);
        return true;
    }
    if (EqualsIgnoreAsciiCase(first, "-U")) {
        InitSettingsAndTrace(IniPathFor(ProgramFilePath()));
        AssociateFileType("XML", "", 0);
        AssociateFileType("PAD", "", 0);
        BeginSection("", "Main", WriteMode);
        ExchangeBool("ext_XML", false);
        ExchangeBool("ext_PAD", false);
        EndSection(0);
        return true;
    }
    return false;
}

int RunQuillot(HINSTANCE instance, const std::vector<std::string>& arguments) {
    StartupMark("entry");
    RestrictLibrarySearch();
    RequestPerMonitorDpiAwareness();
    // Exit routines run last registered first: the report files go before
    // the trace settings are saved.
    std::atexit(ShutdownTrace);
    ReadVersionInfo();
    StartupMark("version information");
    std::atexit(CleanUpReportFiles);
    if (HandleAssociationSwitches(arguments)) return 0;

    StartLock lock;
    HWND target = nullptr;
    if (FindRunningInstance(RunningInstancePrefix, arguments.empty(), target)) {
        HandOver(arguments, target);
        // The trace settings are written at exit: nobody reads the INI
        // file before that is done.
        lock.HoldUntilExit();
        return 0;
    }
    StartupMark("running instance searched");
    return RunMainWindow(instance, arguments, lock);
}

}  // namespace quillot
