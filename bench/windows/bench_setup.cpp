#include "bench/windows/bench_setup.h"

#include <windows.h>

namespace quillot::bench {

const char* Width() {
    return sizeof(void*) == 8 ? "64-bit" : "32-bit";
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CopyInto(const std::string& file, const std::string& folder) {
    const std::string target = folder + "\\" + FileNameOf(file);
    return CopyFileA(file.c_str(), target.c_str(), FALSE) ? target : std::string();
}

long RunToEnd(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info)) {
        return -1;
    }
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return static_cast<long>(code);
}

}  // namespace quillot::bench
