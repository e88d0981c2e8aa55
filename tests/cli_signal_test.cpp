// Stopping the command line: SIGINT and SIGTERM during an endless
// iteration and while waiting for a pipe's reader, and a closed pipe.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
};

Child spawnLineer(const std::vector<std::string>& args) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    std::vector<std::string> all = {"lineer"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 2);
        close(fds[0]);
        close(fds[1]);
        setenv("LC_ALL", "C.UTF-8", 1);
        unsetenv("DISPLAY");
        execv(LINEER_EXE, argv.data());
        _exit(127);
    }
    close(fds[1]);
    return {pid, fds[0]};
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
    // The load listing comes out before the iteration begins.
    std::string text;
    ASSERT_TRUE(readLines(c.out, text, 4));
    usleep(100 * 1000);
    const auto sent = std::chrono::steady_clock::now();
    kill(c.pid, GetParam());
    text = slurp(c.out, text);
    int status = 0;
    waitpid(c.pid, &status, 0);
    const auto took = std::chrono::steady_clock::now() - sent;
    close(c.out);
    std::filesystem::remove(file);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    // Well within a second on an idle machine; the margin is for the
    // sanitizer build on busy cores.
    EXPECT_LT(took, std::chrono::seconds(5));
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
    std::string text;
    ASSERT_TRUE(readLines(c.out, text, 102));
    // Wait until it is blocked writing into the full pipe.
    const std::string wchan = "/proc/" + std::to_string(c.pid) + "/wchan";
    for (int i = 0; i < 1000 && slurpFile(wchan).find("pipe_write") == std::string::npos; ++i) usleep(10 * 1000);
    kill(c.pid, SIGINT);
    usleep(200 * 1000);
    int status = 0;
    EXPECT_EQ(waitpid(c.pid, &status, WNOHANG), 0);
    kill(c.pid, SIGINT);
    waitpid(c.pid, &status, 0);
    close(c.out);
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
    std::string text;
    ASSERT_TRUE(readLines(c.out, text, 5));
    const std::string wchan = "/proc/" + std::to_string(c.pid) + "/wchan";
    for (int i = 0; i < 500 && slurpFile(wchan).find("wait_for_partner") == std::string::npos; ++i) usleep(10 * 1000);
    kill(c.pid, SIGTERM);
    int status = 0;
    pid_t done = 0;
    for (int i = 0; i < 500 && done == 0; ++i) {
        done = waitpid(c.pid, &status, WNOHANG);
        if (done == 0) usleep(10 * 1000);
    }
    if (done == 0) {
        kill(c.pid, SIGKILL);
        waitpid(c.pid, &status, 0);
    }
    close(c.out);
    std::filesystem::remove(fifo);
    ASSERT_NE(done, 0) << "still waiting for a reader after SIGTERM";
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 1);
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
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGPIPE);
}

}  // namespace
}  // namespace lineer::test
