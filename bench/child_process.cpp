#include "bench/child_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace quillot::bench {

ChildRun RunChild(const std::vector<std::string>& argv, const std::string& folder) {
    std::vector<char*> args = {const_cast<char*>(QUILLOT_BENCH_LAUNCHER_PATH)};
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    int results[2];
    if (pipe(results) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        dup2(results[1], 3);
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
        execv(args[0], args.data());
        _exit(127);
    }
    close(results[1]);
    char report[128] = {};
    size_t got = 0;
    for (ssize_t n; got + 1 < sizeof report &&
                    (n = read(results[0], report + got, sizeof report - 1 - got)) > 0;) {
        got += static_cast<size_t>(n);
    }
    close(results[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("waitpid failed");

    ChildRun run;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(report, "%d %ld %lf %lf", &run.exitStatus, &run.peakRssKb, &run.seconds,
                    &run.processorSeconds) != 4) {
        run = ChildRun{};
    }
    return run;
}

}  // namespace quillot::bench
