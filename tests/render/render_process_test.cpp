// quillot-render as a process (natively): what the exit status and the
// standard streams show when a file cannot be loaded or the output is lost.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report_settings.h"
#include "tests/support/test_files.h"

namespace quillot {
namespace {

struct RenderRun {
    int status = -1;  // -1: it did not exit normally (a crash)
    std::string err;
};

// Runs quillot-render with its standard output sent to `stdoutPath`, in an
// address space of at most 2 GB, so that loading a huge file fails quickly
// and alike on every machine.
RenderRun RunRender(const std::vector<std::string>& args, const std::string& stdoutPath,
                    const test::TempFolder& scratch) {
    const std::string errPath = scratch.File("stderr.txt");
    std::vector<char*> argv = {const_cast<char*>(QUILLOT_RENDER_PATH)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit limit = {2ul << 30, 2ul << 30};
        setrlimit(RLIMIT_AS, &limit);
        const int out = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    RenderRun run;
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = test::ReadWholeFile(errPath);
    return run;
}

TEST(QuillotRenderProcess, AFileTooLargeToLoadIsReportedAndTheNextOneRenders) {
    test::TempFolder folder;
    const std::string huge = folder.Write("huge.xml", "");
    ASSERT_EQ(truncate(huge.c_str(), 1ll << 40), 0);  // 1 TB, sparse
    const std::string good = folder.Write("good.xml", "<Program_Name>G</Program_Name>");
    const std::string out = folder.File("out");

    const RenderRun run = RunRender({"--out", out, huge, good}, "/dev/null", folder);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, huge + ": not enough memory to render it\n");
    EXPECT_TRUE(test::FileExistsForTest(out + "/good.xml/" + SummaryReportName));
}

TEST(QuillotRenderProcess, AUsageErrorExitsWithStatusTwoAndTheUsage) {
    test::TempFolder folder;
    const struct {
        std::vector<std::string> args;
        std::string message;
    } rows[] = {
        {{"--bogus", "pad.xml"}, "unknown option --bogus"},
        {{}, "no FILE given"},
    };
    for (const auto& row : rows) {
        const RenderRun run = RunRender(row.args, "/dev/null", folder);
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_EQ(run.err.rfind("quillot-render: " + row.message + "\n\nUsage: quillot-render", 0),
                  0u)
            << run.err;
    }
}

TEST(QuillotRenderProcess, AFailedWriteToStandardOutputIsReportedWithStatusTwo) {
    test::TempFolder folder;
    const std::string good = folder.Write("good.xml", "<Program_Name>G</Program_Name>");
    const std::vector<std::string> rows[] = {
        {"--fields", "--out", folder.File("out"), good},
        {"--help"},
    };
    for (const auto& args : rows) {
        const RenderRun run = RunRender(args, "/dev/full", folder);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_EQ(run.err, "quillot-render: cannot write to standard output\n") << args[0];
    }
}

}  // namespace
}  // namespace quillot
