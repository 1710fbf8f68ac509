// Quillot.exe started as a process under Wine: the three start-up roles, the
// hand-over between two instances, closing, and what stays behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "reader/wide_text.h"
#include "report/report_settings.h"
#include "resources/resource.h"
#include "settings/stored_name.h"
#include "tests/app/process_window.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr const char* kPad = "<Program_Name>Process Probe</Program_Name>";

std::string WindowsPath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string CaptionOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::wstring WideCaptionOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class Process {
  public:
    // Program and arguments are UTF-8; the process gets them on its wide
    // command line. A suspended process runs once Resume is called. With an
    // output file, its standard output and error go there.
    Process(const std::string& program, const std::string& arguments, bool suspended = false,
            HANDLE output = nullptr) {
        std::wstring commandLine = Utf8ToWide("\"" + program + "\" " + arguments);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        if (output != nullptr) {
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = output;
            startup.hStdError = output;
        }
        started_ = CreateProcessW(Utf8ToWide(program).c_str(), commandLine.data(), nullptr, nullptr,
                                  output != nullptr, suspended ? CREATE_SUSPENDED : 0, nullptr,
                                  nullptr, &startup, &info_) != FALSE;
    }
    void Resume() { ResumeThread(info_.hThread); }
    DWORD Id() const { return info_.dwProcessId; }
    ~Process() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Started() const { return started_; }
    // The exit code, or -1 when the process is still running after the timeout.
    long Wait(DWORD timeoutMs = kTimeoutMs) {
        if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }
    HWND MainWindow(DWORD timeoutMs = kTimeoutMs) {
        WaitForInputIdle(info_.hProcess, timeoutMs);
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            if (HWND found = test::VisibleMainWindowOf(info_.dwProcessId)) return found;
            Sleep(50);
        }
        return nullptr;
    }

  private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

struct ProcessWindows {
    const std::vector<DWORD>* processIds;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ProcessWindows*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    for (DWORD id : *search->processIds) {
        if (id == processId) search->found.push_back(window);
    }
    return TRUE;
}

// The top-level windows of the processes.
std::vector<HWND> WindowsOf(const std::vector<DWORD>& processIds) {
    ProcessWindows search{&processIds, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The text of the main window's visible view, asked across processes.
std::string ShownText(HWND mainWindow) {
    HWND view = nullptr;
    while ((view = FindWindowExA(mainWindow, view, "RichEdit20A", nullptr)) != nullptr) {
        if (IsWindowVisible(view)) break;
    }
    std::string text(65536, '\0');
    DWORD_PTR length = 0;
    SendMessageTimeoutA(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &length);
    text.resize(length);
    return text;
}

// Waits until the visible view's text holds the part (or the timeout
// passes): the caption changes before the view is filled again.
std::string WaitForShownText(HWND mainWindow, const std::string& part) {
    for (DWORD waited = 0;
         waited < kTimeoutMs && ShownText(mainWindow).find(part) == std::string::npos;
         waited += 50) {
        Sleep(50);
    }
    return ShownText(mainWindow);
}

// Waits until the window's caption is the text (or the timeout passes).
std::string WaitForCaption(HWND window, const std::string& caption) {
    for (DWORD waited = 0; waited < kTimeoutMs && CaptionOf(window) != caption; waited += 50) {
        Sleep(50);
    }
    return CaptionOf(window);
}

class ProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_ = folder_.File("Quillot.exe");
        ASSERT_TRUE(CopyFileA(WindowsPath(QUILLOT_EXE).c_str(), program_.c_str(), FALSE))
            << QUILLOT_EXE;
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        tempFolder_ = temp;
    }

    std::string Ini(const std::string& section, const std::string& key) const {
        char value[1024] = {};
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "<absent>", value, sizeof value,
                                 folder_.File("Quillot.ini").c_str());
        return value;
    }

    // The output of Wine's reg.exe for the query.
    static std::string RegQuery(const std::string& key) {
        test::TempFolder out;
        const std::string outFile = out.File("reg.txt");
        SECURITY_ATTRIBUTES inherit = {};
        inherit.nLength = sizeof inherit;
        inherit.bInheritHandle = TRUE;
        HANDLE file = CreateFileA(outFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                  CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = file;
        startup.hStdError = file;
        PROCESS_INFORMATION info = {};
        std::string commandLine = "reg.exe query \"" + key + "\"";
        if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                           nullptr, nullptr, &startup, &info)) {
            WaitForSingleObject(info.hProcess, kTimeoutMs);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
        CloseHandle(file);
        return test::ReadWholeFile(outFile);
    }

    test::TempFolder folder_;
    test::TempFolder documents_;
    std::string program_;
    std::string tempFolder_;
};

TEST_F(ProcessTest, NormalStartShowsTheFileAndCleansUpOnClose) {
    const std::string pad = documents_.Write("probe.xml", kPad);
    Process quillot(program_, "\"" + pad + "\"");
    ASSERT_TRUE(quillot.Started());
    HWND window = quillot.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CaptionOf(window), "Quillot - probe.xml");
    EXPECT_TRUE(test::FileExistsForTest(tempFolder_ + StandardReportName));
    // The task list shows the application title: the owner window's caption.
    EXPECT_EQ(CaptionOf(GetWindow(window, GW_OWNER)), "Quillot ");

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillot.Wait(), 0);
    for (const char* report :
         {SummaryReportName, StandardReportName, AllFieldsReportName, CheckReportName}) {
        EXPECT_FALSE(test::FileExistsForTest(tempFolder_ + report)) << report;
    }
    EXPECT_EQ(Ini("Main", "fName"), pad);
    EXPECT_EQ(Ini("Main Window", "Width"), "435");
    EXPECT_EQ(Ini("Debug", "On"), "0");
}

TEST_F(ProcessTest, StartWithoutFileAndEscapeToClose) {
    Process quillot(program_, "");
    HWND window = quillot.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CaptionOf(window), "Quillot - ");
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(quillot.Wait(), 0);
    EXPECT_EQ(Ini("Main Window", "CurTab"), "1");
}

TEST_F(ProcessTest, SecondInstanceHandsItsFileOverAndEnds) {
    const std::string first = documents_.Write("first.xml", kPad);
    const std::string second = documents_.Write("second.xml", kPad);
    Process running(program_, "\"" + first + "\"");
    HWND window = running.MainWindow();
    ASSERT_NE(window, nullptr);

    // Minimised, it is restored by the second instance.
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    for (int i = 0; i < 100 && IsWindowVisible(window); ++i)
        Sleep(50);
    EXPECT_FALSE(IsWindowVisible(window));

    Process handing(program_, "\"" + second + "\"");
    EXPECT_EQ(handing.Wait(), 0);
    EXPECT_EQ(WaitForCaption(window, "Quillot - second.xml"), "Quillot - second.xml");
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(Ini("Main", "fName"), second);

    // Without a file the second instance only brings the first to the front.
    Process empty(program_, "");
    EXPECT_EQ(empty.Wait(), 0);
    EXPECT_EQ(Ini("Main", "fName"), second);
    EXPECT_EQ(CaptionOf(window), "Quillot - second.xml");

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.Wait(), 0);
}

// A copy of the program in a folder whose name the ANSI code page cannot
// hold shows a file of such a name, ends when told to close, writes its INI
// file beside itself, and takes such a name over from a second start.
TEST_F(ProcessTest, NamesOutsideTheAnsiCodePageFromStartToEnd) {
    const std::string folder = folder_.MakeFolder("Łódź");
    const std::string program = test::JoinPath(folder, "Quillot.exe");
    ASSERT_TRUE(CopyFileW(Utf8ToWide(program_).c_str(), Utf8ToWide(program).c_str(), FALSE));
    const std::string pads = documents_.MakeFolder("Программы");
    const std::string notes = test::JoinPath(pads, "notes 😀.xml");
    const std::string handed = test::JoinPath(pads, "Программа.xml");
    test::WriteWholeFile(notes, "<Program_Name>Notes Probe</Program_Name>");
    test::WriteWholeFile(handed, "<Program_Name>Handed Probe</Program_Name>");

    Process running(program, "\"" + notes + "\"");
    HWND window = running.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WideCaptionOf(window), L"Quillot - notes 😀.xml");
    EXPECT_NE(WaitForShownText(window, "Notes Probe").find("Notes Probe"), std::string::npos);

    Process handing(program, "\"" + handed + "\"");
    EXPECT_EQ(handing.Wait(), 0);
    for (DWORD waited = 0;
         waited < kTimeoutMs && WideCaptionOf(window) != L"Quillot - Программа.xml"; waited += 50) {
        Sleep(50);
    }
    EXPECT_EQ(WideCaptionOf(window), L"Quillot - Программа.xml");
    EXPECT_NE(WaitForShownText(window, "Handed Probe").find("Handed Probe"), std::string::npos);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.Wait(), 0);
    const std::string ini = test::ReadWholeFile(test::JoinPath(folder, "Quillot.ini"));
    EXPECT_NE(ini.find("fName=" + StoredFileName(handed) + "\r\n"), std::string::npos) << ini;
}

// quillot-render takes such names from its wide command line: each file's
// reports go to a folder of its name, and the JSON names it in UTF-8.
TEST_F(ProcessTest, RenderTakesNamesOutsideTheAnsiCodePage) {
    const std::string pads = documents_.MakeFolder("Łódź 软件");
    const std::string out = folder_.File("out");
    const std::string output = folder_.File("fields.json");
    const std::vector<std::string> names = {"Программа.xml", "软件.pad", "notes 😀.xml"};
    std::string arguments = "--fields --out \"" + out + "\"";
    for (const std::string& name : names) {
        const std::string pad = test::JoinPath(pads, name);
        test::WriteWholeFile(pad, "<Program_Name>Probe " + name + "</Program_Name>");
        arguments += " \"" + pad + "\"";
    }
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileW(Utf8ToWide(output).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                              CREATE_ALWAYS, 0, nullptr);
    Process render(WindowsPath(QUILLOT_RENDER_EXE), arguments, false, file);
    EXPECT_EQ(render.Wait(), 0);
    CloseHandle(file);
    const std::string fields = test::ReadWholeFile(output);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string report = test::JoinPath(test::JoinPath(out, name), StandardReportName);
        ASSERT_TRUE(test::FileExistsForTest(report));
        EXPECT_NE(test::ReadWholeFile(report).find("Probe "), std::string::npos);
        std::string escaped;
        for (char c : test::JoinPath(pads, name)) {
            escaped += c;
            if (c == '\\') escaped += c;
        }
        EXPECT_NE(fields.find("{\"file\":\"" + escaped + "\""), std::string::npos) << fields;
    }
}

TEST_F(ProcessTest, InstallAndUninstallSwitchesEditTheRegistryAndTheIni) {
    Process install(program_, "-i extra.xml");
    EXPECT_EQ(install.Wait(), 0);
    EXPECT_EQ(Ini("Main", "ext_XML"), "1");
    EXPECT_EQ(Ini("Main", "ext_PAD"), "<absent>");
    const std::string extension = RegQuery("HKCR\\.xml");
    EXPECT_NE(extension.find("Tovrel.XML_file"), std::string::npos) << extension;
    const std::string command = RegQuery("HKCR\\Tovrel.XML_file\\shell\\Open\\command");
    EXPECT_NE(command.find("\"" + program_ + "\" \"%1\""), std::string::npos) << command;
    EXPECT_NE(RegQuery("HKCR\\Tovrel.XML_file").find("XML Pad file"), std::string::npos);
    // -I opens no window and leaves no report files.
    EXPECT_FALSE(test::FileExistsForTest(tempFolder_ + StandardReportName));

    Process uninstall(program_, "-U");
    EXPECT_EQ(uninstall.Wait(), 0);
    EXPECT_EQ(Ini("Main", "ext_XML"), "0");
    EXPECT_EQ(Ini("Main", "ext_PAD"), "0");
    EXPECT_EQ(RegQuery("HKCR\\.xml").find("Tovrel.XML_file"), std::string::npos);
    EXPECT_EQ(RegQuery("HKCR\\Tovrel.XML_file").find("XML Pad file"), std::string::npos);
}

TEST_F(ProcessTest, SlashSwitchIsAFileName) {
    Process quillot(program_, "/I");
    HWND window = quillot.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CaptionOf(window), "Quillot - /I");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillot.Wait(), 0);
    EXPECT_EQ(Ini("Main", "ext_XML"), "<absent>");
}

TEST_F(ProcessTest, SimultaneousStartsLeaveOneWindowThatShowsWhatItsCaptionNames) {
    constexpr int kStarts = 4;
    std::vector<std::unique_ptr<Process>> starts;
    std::vector<DWORD> ids;
    for (int i = 0; i < kStarts; ++i) {
        const std::string pad =
            documents_.Write("file" + std::to_string(i) + ".xml",
                             "<Program_Name>Program " + std::to_string(i) + "</Program_Name>");
        starts.push_back(std::make_unique<Process>(program_, "\"" + pad + "\"", true));
        ASSERT_TRUE(starts.back()->Started());
        ids.push_back(starts.back()->Id());
    }
    for (auto& start : starts)
        start->Resume();

    // All but one hand over and end with 0.
    Process* running = nullptr;
    int ended = 0;
    for (DWORD waited = 0; waited < kTimeoutMs && ended < kStarts - 1; waited += 50) {
        Sleep(50);
        ended = 0;
        for (auto& start : starts)
            ended += start->Wait(0) == -1 ? 0 : 1;
    }
    for (auto& start : starts) {
        const long code = start->Wait(0);
        if (code == -1) {
            EXPECT_EQ(running, nullptr) << "more than one instance runs";
            running = start.get();
        } else {
            EXPECT_EQ(code, 0);
        }
    }
    ASSERT_NE(running, nullptr);
    HWND window = running->MainWindow();
    ASSERT_NE(window, nullptr);
    int mainWindows = 0;
    for (HWND each : WindowsOf(ids))
        mainWindows += ClassOf(each) == "TFrm" ? 1 : 0;
    EXPECT_EQ(mainWindows, 1);

    // The last name handed over is the one shown, on every page.
    const std::string last = Ini("Main", "fName");
    const std::string name = last.substr(last.rfind('\\') + 1);
    ASSERT_EQ(WaitForCaption(window, "Quillot - " + name), "Quillot - " + name);
    const std::string program = "Program " + name.substr(4, 1);
    const std::string shown = WaitForShownText(window, program);
    EXPECT_NE(shown.find(program), std::string::npos) << shown;
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running->Wait(), 0);
}

TEST_F(ProcessTest, OpenHelpIsNeverTakenForTheRunningInstance) {
    const std::string builtHelp =
        WindowsPath(QUILLOT_EXE).substr(0, WindowsPath(QUILLOT_EXE).rfind('\\') + 1) +
        "Quillot.chm";
    if (!test::FileExistsForTest(builtHelp)) GTEST_SKIP() << "Quillot.chm was not built";
    ASSERT_TRUE(CopyFileA(builtHelp.c_str(), folder_.File("Quillot.chm").c_str(), FALSE));
    const std::string first = documents_.Write("first.xml", kPad);
    const std::string second = documents_.Write("second.xml", kPad);
    Process running(program_, "\"" + first + "\"");
    HWND window = running.MainWindow();
    ASSERT_NE(window, nullptr);

    PostMessageA(window, WM_COMMAND, IDM_HELP, 0);
    HWND help = nullptr;
    for (DWORD waited = 0; waited < kTimeoutMs && help == nullptr; waited += 50) {
        Sleep(50);
        for (HWND each : WindowsOf({running.Id()})) {
            const std::string name = ClassOf(each);
            if (IsWindowVisible(each) && name != "TFrm" && name != "QuillotApplication")
                help = each;
        }
    }
    ASSERT_NE(help, nullptr);
    for (HWND each : WindowsOf({running.Id()})) {
        const std::string name = ClassOf(each);
        if (name == "TFrm" || name == "QuillotApplication") continue;
        EXPECT_NE(CaptionOf(each).rfind("Quillot ", 0), 0u) << CaptionOf(each);
    }

    Process handing(program_, "\"" + second + "\"");
    EXPECT_EQ(handing.Wait(), 0);
    EXPECT_EQ(WaitForCaption(window, "Quillot - second.xml"), "Quillot - second.xml");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.Wait(), 0);
}

// Wine prefers its own system libraries. Told (for one program name) to
// prefer files, it looks beside the program first, as Windows does. (Only
// for libraries that Wine's own system libraries do not load by name.)
class PreferLibraryFiles {
  public:
    PreferLibraryFiles(const std::string& programName, const std::vector<std::string>& libraries)
        : key_("Software\\Wine\\AppDefaults\\" + programName) {
        HKEY overrides = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, (key_ + "\\DllOverrides").c_str(), 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &overrides, nullptr) != ERROR_SUCCESS) {
            return;
        }
        for (const std::string& library : libraries) {
            RegSetValueExA(overrides, library.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>("native,builtin"), 15);
        }
        RegCloseKey(overrides);
    }
    ~PreferLibraryFiles() {
        RegDeleteKeyA(HKEY_CURRENT_USER, (key_ + "\\DllOverrides").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    }

  private:
    std::string key_;
};

TEST_F(ProcessTest, LibrariesBesideTheProgramAreNeverLoaded) {
    const std::vector<std::string> planted = {"riched20"};
    const std::string program = folder_.File("Planted.exe");
    ASSERT_TRUE(CopyFileA(program_.c_str(), program.c_str(), FALSE));
    for (const std::string& name : planted) {
        ASSERT_TRUE(CopyFileA(WindowsPath(QUILLOT_PLANTED_LIBRARY).c_str(),
                              folder_.File(name + ".dll").c_str(), FALSE));
    }
    PreferLibraryFiles prefer("Planted.exe", planted);
    const std::string pad = documents_.Write("probe.xml", kPad);
    Process quillot(program, "\"" + pad + "\"");
    HWND window = quillot.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CaptionOf(window), "Quillot - probe.xml");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillot.Wait(), 0);
    for (const std::string& name : planted)
        EXPECT_FALSE(test::FileExistsForTest(folder_.File(name + ".dll.loaded"))) << name;
}

TEST_F(ProcessTest, TaskBarCloseAndTheEndOfTheSessionSaveTheSettings) {
    const std::string pad = documents_.Write("probe.xml", kPad);
    for (const bool sessionEnds : {false, true}) {
        DeleteFileA(folder_.File("Quillot.ini").c_str());
        Process quillot(program_, "\"" + pad + "\"");
        HWND window = quillot.MainWindow();
        ASSERT_NE(window, nullptr);
        HWND owner = GetWindow(window, GW_OWNER);
        if (sessionEnds) {
            for (HWND each : {owner, window}) {
                DWORD_PTR answer = 0;
                SendMessageTimeoutA(each, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, 5000, &answer);
                EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
            }
            for (HWND each : {owner, window}) {
                SendMessageTimeoutA(each, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                    5000, nullptr);
            }
        } else {
            PostMessageA(owner, WM_SYSCOMMAND, SC_CLOSE, 0);  // "Close window" on the task bar
        }
        EXPECT_EQ(quillot.Wait(), 0) << sessionEnds;
        EXPECT_EQ(Ini("Main", "fName"), pad) << sessionEnds;
        EXPECT_FALSE(test::FileExistsForTest(tempFolder_ + StandardReportName)) << sessionEnds;
    }
}

}  // namespace
}  // namespace quillot
