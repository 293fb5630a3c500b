// Ctrl-C under -debug, as a user at a terminal gives it: during C it stops the endless run and
// gives the prompt back, and the session goes on to Q.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/temporary_directory.h"

namespace {

using namespace std::chrono_literals;

class DEBUGGER_PROCESS {
 public:
  explicit DEBUGGER_PROCESS(const std::string& program) {
    int to_child[2], from_child[2];
    EXPECT_EQ(pipe(to_child), 0);
    EXPECT_EQ(pipe(from_child), 0);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(to_child[0], 0);
      dup2(from_child[1], 1);
      close(to_child[1]);
      close(from_child[0]);
      execl(TAVREL_PROGRAM, TAVREL_PROGRAM, "-debug", program.c_str(), nullptr);
      _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    input_ = to_child[1];
    output_ = from_child[0];
  }
  ~DEBUGGER_PROCESS() {
    close(input_);
    close(output_);
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  // Sends the lines and forgets the output so far.
  void send(const std::string& lines) {
    output.clear();
    EXPECT_EQ(write(input_, lines.data(), lines.size()), ssize_t(lines.size()));
  }
  void interrupt() { kill(pid_, SIGINT); }

  // Reads until the output so far ends with the text, or a minute passes.
  bool read_until(const std::string& ending) {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!output.ends_with(ending)) {
      pollfd ready{output_, POLLIN, 0};
      if (std::chrono::steady_clock::now() > deadline || poll(&ready, 1, 100) < 0) return false;
      if (ready.revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(output_, buffer, sizeof buffer);
      if (n <= 0) return false;
      output.append(buffer, size_t(n));
    }
    return true;
  }

  int wait_status() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  std::string output;

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
};

}  // namespace

TEST(DebuggerInterrupt, stops_an_endless_continue_and_the_session_goes_on) {
  TEMPORARY_DIRECTORY directory;
  DEBUGGER_PROCESS debugger(directory.write("loop.s", "again:  INC  R1\n        RJMP again\n"));
  debugger.send("T\n");  // the prompt after this answer shows the debugger reading its input
  ASSERT_TRUE(debugger.read_until("clock periods: 0\nTavrel > ")) << debugger.output;
  debugger.send("C\n");
  std::this_thread::sleep_for(500ms);  // well into the run
  debugger.interrupt();
  ASSERT_TRUE(debugger.read_until("Tavrel > ")) << debugger.output;
  EXPECT_TRUE(debugger.output.starts_with("Running...\nStopped.\nPC = ")) << debugger.output;
  debugger.send("P\nQ\n");
  EXPECT_TRUE(debugger.read_until("Tavrel > \n")) << debugger.output;
  EXPECT_EQ(debugger.wait_status(), 0);
}

TEST(DebuggerInterrupt, at_the_prompt_ends_the_program_as_the_shell_expects) {
  TEMPORARY_DIRECTORY directory;
  DEBUGGER_PROCESS debugger(directory.write("loop.s", "again:  RJMP again\n"));
  ASSERT_TRUE(debugger.read_until("Tavrel > "));
  debugger.interrupt();
  EXPECT_EQ(debugger.wait_status(), 128 + SIGINT);
}
