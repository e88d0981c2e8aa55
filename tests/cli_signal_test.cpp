// Stopping the command line: SIGINT and SIGTERM during an endless
// iteration and while waiting for a pipe's reader, and a closed pipe.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace lineer::test {
namespace {

// x1 = -x2 and x2 = x1 under Jacobi: the iterate turns round in four sweeps,
// every sweep changes it by 2, and the run never ends by itself.
const char* const kEndless = "2 3\n1 1 0\n-1 1 0\n";

struct Child {
    pid_t pid = -1;
    int out = -1;  // read end of its standard output
    int err = -1;  // read end of its standard error, with the signal lines
};

// Starts lineer with its output into pipes and the lines that say when a
// signal may be sent (LINEER_SIGNAL_LINES) on its standard error.
Child spawnLineer(const std::vector<std::string>& args) {
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return {};
    std::vector<std::string> all = {"lineer"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        dup2(err[1], 2);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        for (int fd : {out[0], out[1], err[0], err[1]}) close(fd);
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("LINEER_SIGNAL_LINES", "1", 1);
        unsetenv("DISPLAY");
        execv(LINEER_EXE, argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    return {pid, out[0], err[0]};
}

// Reads until `lines` complete lines have arrived (or the end).
bool readLines(int fd, std::string& text, std::size_t lines) {
    char buf[4096];
    while (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) < lines) {
        const ssize_t r = read(fd, buf, sizeof buf);
        if (r <= 0) return false;
        text.append(buf, static_cast<std::size_t>(r));
    }
    return true;
}

std::string slurp(int fd, std::string text) {
    char buf[4096];
    for (ssize_t r; (r = read(fd, buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(r));
    return text;
}

// Reads until the line `want` has come (false: the end came first).
bool waitForLine(int fd, const std::string& want) {
    std::string text = "\n";
    for (std::size_t lines = 2; readLines(fd, text, lines); ++lines)
        if (text.find("\n" + want + "\n") != std::string::npos) return true;
    return false;
}

// The same, reading (and dropping) standard output meanwhile, so that a
// long transcript does not hold the program up.
bool waitForLineWhileDraining(int err, int out, const std::string& want) {
    std::string text = "\n";
    char buf[65536];
    pollfd p[2] = {{err, POLLIN, 0}, {out, POLLIN, 0}};
    while (poll(p, 2, 60000) > 0) {
        if (p[1].revents & (POLLIN | POLLHUP)) {
            if (read(out, buf, sizeof buf) <= 0) p[1].fd = -1;
        }
        if (p[0].revents & (POLLIN | POLLHUP)) {
            const ssize_t r = read(err, buf, sizeof buf);
            if (r <= 0) return false;
            text.append(buf, static_cast<std::size_t>(r));
            if (text.find("\n" + want + "\n") != std::string::npos) return true;
        }
    }
    return false;
}

// Whether the pipe's writer has gone within `seconds`: a process that hangs
// fails the test instead of stopping the suite.
bool endsWithin(int fd, int seconds) {
    pollfd p{fd, POLLIN, 0};
    char buf[4096];
    while (poll(&p, 1, seconds * 1000) > 0)
        if (read(fd, buf, sizeof buf) <= 0) return true;
    return false;
}

std::string tempCoefficientFile(const char* content) {
    const auto path = std::filesystem::temp_directory_path() / ("lineer-signal-" + std::to_string(getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

class StopSignal : public ::testing::TestWithParam<int> {};

TEST_P(StopSignal, EndsAnEndlessIterationAfterTheSweepWithItsReport) {
    const std::string file = tempCoefficientFile(kEndless);
    Child c = spawnLineer({"--method", "jacobi", "--max-iter", "1e999", file});
    ASSERT_GT(c.pid, 0);
    // The load listing comes out before the iteration begins, and only once
    // the output is held: from then on a signal asks for a stop, which the
    // iteration honours after its sweep.
    std::string text;
    ASSERT_TRUE(readLines(c.out, text, 4));
    kill(c.pid, GetParam());
    text = slurp(c.out, text);
    int status = 0;
    waitpid(c.pid, &status, 0);
    close(c.out);
    close(c.err);
    std::filesystem::remove(file);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const auto lines = CliResult::split(text);
    ASSERT_EQ(lines.size(), 4u + 9u);
    const std::string count = lines[5].substr(0, lines[5].find(' '));
    ASSERT_FALSE(count.empty());
    const long k = std::stol(count);
    const char* x1[] = {"1.0000", "-1.0000", "-1.0000", "1.0000"};
    const char* x2[] = {"1.0000", "1.0000", "-1.0000", "-1.0000"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()),
              (std::vector<std::string>{" ", count + " iterasyon adımı sonucunda", "Lineer denklem takımının kökleri",
                                        " ", std::string(" x(1) = ") + x1[k % 4], std::string(" x(2) = ") + x2[k % 4],
                                        " ", "Maksimum hata = 2", "İterasyon " + count + ". adımda durduruldu"}));
}

INSTANTIATE_TEST_SUITE_P(Cli, StopSignal, ::testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) { return info.param == SIGINT ? "SIGINT" : "SIGTERM"; });

// A run held up by a reader that does not read: the first Ctrl+C waits for
// the output, the second ends the process at once.
TEST(Cli, ASecondInterruptEndsAtOnce) {
    Child c = spawnLineer({"--method", "gauss-jordan", examplePath("buyuk-100.txt")});
    ASSERT_GT(c.pid, 0);
    // The load listing (102 lines) is written on its own; the first line
    // after it comes with a block of about 1 MiB, which a pipe of 64 KiB
    // that is not read any more cannot take: the program is held up in
    // that write for good.
    std::string text;
    ASSERT_TRUE(readLines(c.out, text, 103));
    kill(c.pid, SIGINT);
    ASSERT_TRUE(waitForLine(c.err, "lineer: stop requested"));
    int status = 0;
    EXPECT_EQ(waitpid(c.pid, &status, WNOHANG), 0);
    kill(c.pid, SIGINT);
    waitpid(c.pid, &status, 0);
    close(c.out);
    close(c.err);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGINT);
}

// A picture written to a pipe that nobody reads waits in open() for a
// reader: a signal ends that wait like any other, with status 1.
TEST(Cli, ASignalEndsTheWaitForAPipeReader) {
    const std::string fifo =
        (std::filesystem::temp_directory_path() / ("lineer-fifo-" + std::to_string(getpid()))).string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    Child c = spawnLineer({"--draw", "--picture", fifo, examplePath("uc-denklem.txt")});
    ASSERT_GT(c.pid, 0);
    // The listing is out; what is left is opening the pipe.
    ASSERT_TRUE(waitForLine(c.err, "lineer: output released"));
    kill(c.pid, SIGTERM);
    const bool ended = endsWithin(c.out, 60);
    if (!ended) kill(c.pid, SIGKILL);
    int status = 0;
    waitpid(c.pid, &status, 0);
    close(c.out);
    close(c.err);
    std::filesystem::remove(fifo);
    ASSERT_TRUE(ended) << "still waiting for a reader after SIGTERM";
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

// A signal while the pages of a long run are being made, or while an
// export waits for a pipe's reader: the process ends at once with status 1
// and a file that was there stays as it was.
TEST(Cli, ASignalWhileADocumentIsMadeLeavesTheOldFile) {
    const auto dir = std::filesystem::temp_directory_path() / ("lineer-doc-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string pdf = (dir / "r.pdf").string(), fifo = (dir / "r.html").string();
    std::ofstream(pdf) << "old";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const auto& [option, path] : {std::pair{"--pdf", pdf}, std::pair{"--export", fifo}}) {
        SCOPED_TRACE(option);
        // The transcript goes nowhere; what is left is the document.
        Child c = spawnLineer({"--method", "gauss-jordan", option, path, examplePath("buyuk-99.txt")});
        ASSERT_GT(c.pid, 0);
        ASSERT_TRUE(waitForLineWhileDraining(c.err, c.out, "lineer: output released"));
        kill(c.pid, SIGTERM);
        const bool ended = endsWithin(c.err, 60);
        if (!ended) kill(c.pid, SIGKILL);
        int status = 0;
        waitpid(c.pid, &status, 0);
        close(c.out);
        close(c.err);
        ASSERT_TRUE(ended);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 1);
    }
    std::ifstream in(pdf);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
    std::filesystem::remove_all(dir);
}

// A reader that has gone away ends lineer by SIGPIPE, as any filter, even
// when the parent ignored that signal.
TEST(Cli, AClosedPipeEndsTheRunBySigpipe) {
    const auto old = std::signal(SIGPIPE, SIG_IGN);
    Child c = spawnLineer({"--method", "gauss", examplePath("uc-denklem.txt")});
    std::signal(SIGPIPE, old);
    ASSERT_GT(c.pid, 0);
    close(c.out);
    int status = 0;
    waitpid(c.pid, &status, 0);
    close(c.err);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGPIPE);
}

}  // namespace
}  // namespace lineer::test
