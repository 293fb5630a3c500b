// Every writer under a full disk (a file size limit) and in a folder it may not write: the
// failure is an error naming the file (status 1 for the programs), the previous file stays
// byte for byte, and no temporary file is left. A program killed while writing leaves the old
// binary text file or the whole new one, never a mix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "pipeline/project_files.h"
#include "project/project_file_writer.h"
#include "support/scratch_directory.h"
#include "support/shell_run.h"
#include "support/test_context.h"
#include "support/write_failures.h"

namespace {

const std::string old_text = "previous contents, not to be lost\n";

// A program of some 20,000 words, so that its binary text file is far past the limits below.
std::string long_program(int words) {
  std::string text;
  for (int i = 0; i < words; ++i) text += "  NOP\n";
  return text;
}


std::set<std::string> folder_without_outputs() {
  std::set<std::string> names = names_in(".");
  names.erase("out.txt");
  return names;
}

struct FailedWrites : testing::Test {
  SCRATCH_DIRECTORY scratch;

  FailedWrites() {
    SCRATCH_DIRECTORY::write("prog.s", long_program(20000));
    for (const char* name :
         {"prog.b", "progRow_low.hex", "progRow_high.hex", "progRow_data.hex", "progRow_byte.hex"})
      SCRATCH_DIRECTORY::write(name, old_text);
  }

  void expect_all_old_files_kept() {
    for (const char* name :
         {"prog.b", "progRow_low.hex", "progRow_high.hex", "progRow_data.hex", "progRow_byte.hex"})
      EXPECT_EQ(SCRATCH_DIRECTORY::read(name), old_text) << name;
    EXPECT_EQ(folder_without_outputs(),
              (std::set<std::string>{"prog.s", "prog.b", "progRow_low.hex", "progRow_high.hex",
                                     "progRow_data.hex", "progRow_byte.hex"}));
  }
};

std::string error_line(const std::string& message) {
  return "****** Error : " + message + "\n\n------\n";
}

const std::string compile = std::string(TAVREL_PROGRAM) + " -compile prog.s";
const std::string tavrel_hex = std::string(TAVREL_HEX_PROGRAM) + " prog.b ";

TEST_F(FailedWrites, compile_and_tavrel_hex_on_a_full_disk_fail_naming_the_file) {
  SHELL_RUN compiled = shell_run(under_file_size_limit(32, compile));
  EXPECT_EQ(compiled.status, 1);
  EXPECT_EQ(compiled.out, error_line("Cannot write file \"prog.b\": File too large."));
  EXPECT_EQ(SCRATCH_DIRECTORY::read("prog.b"), old_text);

  ASSERT_EQ(shell_run(compile).status, 0);  // the conversion's input
  for (const char* width : {"8", "16"}) {
    SHELL_RUN converted = shell_run(under_file_size_limit(32, tavrel_hex + width));
    EXPECT_EQ(converted.status, 1) << width;
    EXPECT_NE(converted.out.find("Cannot write file \"progRow_"), std::string::npos)
        << converted.out;
    EXPECT_NE(converted.out.find(".hex\": File too large."), std::string::npos) << converted.out;
  }
  SCRATCH_DIRECTORY::write("prog.b", old_text);
  expect_all_old_files_kept();
}

TEST_F(FailedWrites, compile_and_tavrel_hex_in_a_read_only_folder_fail_naming_the_file) {
  chmod(".", 0555);
  SHELL_RUN compiled = shell_run(unprivileged(compile));
  chmod(".", 0755);
  EXPECT_EQ(compiled.status, 1);
  EXPECT_EQ(compiled.out, error_line("Unable to create file \"prog.b\"."));
  EXPECT_EQ(SCRATCH_DIRECTORY::read("prog.b"), old_text);

  ASSERT_EQ(shell_run(compile).status, 0);
  chmod(".", 0555);
  SHELL_RUN converted = shell_run(unprivileged(tavrel_hex + "16"));
  chmod(".", 0755);
  EXPECT_EQ(converted.status, 1);
  EXPECT_EQ(converted.out, error_line("Unable to create file \"progRow_data.hex\".") +
                               error_line("Unable to create file \"progRow_byte.hex\"."));
  SCRATCH_DIRECTORY::write("prog.b", old_text);
  expect_all_old_files_kept();
}

TEST_F(FailedWrites, project_and_last_project_files_survive_a_full_disk_and_a_read_only_folder) {
  TEST_CONTEXT test{scratch.path()};
  CONTEXT& context = test.context;
  std::filesystem::create_directory("icones");
  SCRATCH_DIRECTORY::write("p.tvr", old_text);
  SCRATCH_DIRECTORY::write("icones/Tavrel.DAT", old_text);
  context.project_manager.project_path = "p.tvr";
  context.project_manager.project_name = std::string(10000, 'n');
  context.project_manager.modified = true;
  std::string failure;
  {
    FILE_SIZE_LIMIT limit(1024);
    EXPECT_FALSE(write_project_file(context.project_description(), context.files, &failure));
    write_last_project_file(context, std::string(5000, 'p') + ".tvr");
  }
  EXPECT_EQ(failure, "Cannot write file \"p.tvr\": File too large.");
  EXPECT_TRUE(context.project_manager.modified);
  {
    READ_ONLY_FOLDER read_only(scratch.path());
    READ_ONLY_FOLDER icones(scratch.path() + "/icones");
    EXPECT_FALSE(write_project_file(context.project_description(), context.files, &failure));
    write_last_project_file(context, "q.tvr");
  }
  EXPECT_EQ(failure, "Unable to create file \"p.tvr\".");
  EXPECT_EQ(SCRATCH_DIRECTORY::read("p.tvr"), old_text);
  EXPECT_EQ(SCRATCH_DIRECTORY::read("icones/Tavrel.DAT"), old_text);
  EXPECT_EQ(names_in("icones"), std::set<std::string>{"Tavrel.DAT"});
}

// Killed at moments spread over the write, the program leaves one of the two whole files.
TEST_F(FailedWrites, a_program_killed_while_writing_leaves_the_old_or_the_new_file_whole) {
  SCRATCH_DIRECTORY::write("big.s", long_program(300000));
  ASSERT_EQ(shell_run(std::string(TAVREL_PROGRAM) + " -M 20 -compile big.s").status, 0);
  const std::string new_text = SCRATCH_DIRECTORY::read("big.b");
  int old_seen = 0, new_seen = 0;
  for (int delay_ms = 0; delay_ms < 400; delay_ms += 25) {
    SCRATCH_DIRECTORY::write("big.b", old_text);
    const pid_t child = fork();
    if (child == 0) {
      execl(TAVREL_PROGRAM, TAVREL_PROGRAM, "-M", "20", "-compile", "big.s", nullptr);
      _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string seen = SCRATCH_DIRECTORY::read("big.b");
    ASSERT_TRUE(seen == old_text || seen == new_text)
        << "killed after " << delay_ms << " ms: " << seen.size() << " bytes";
    (seen == old_text ? old_seen : new_seen) += 1;
  }
  EXPECT_GT(old_seen, 0);
}

}  // namespace
