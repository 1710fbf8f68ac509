// quillot-bench-launcher: runs one program for quillot-bench and reports, on
// file descriptor 3, its exit status, its peak resident memory in KB, its
// wall time and its processor time (user and system) in seconds. A child that fork() makes of a
// large process starts with the parent's resident pages, which the kernel counts into the child's
// peak even after exec; started from this small program, the measured
// program's peak is its own.
//   quillot-bench-launcher PROGRAM [ARGS...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return 1;
    if (pid == 0) {
        close(3);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return 1;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto processor = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    };
    char report[128];
    const int length =
        std::snprintf(report, sizeof report, "%d %ld %.9f %.6f\n", exitStatus, usage.ru_maxrss,
                      seconds, processor(usage.ru_utime) + processor(usage.ru_stime));
    return write(3, report, static_cast<size_t>(length)) == length ? 0 : 1;
}
