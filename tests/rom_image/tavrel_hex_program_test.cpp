// The tavrel-hex program as a user runs it: its arguments, exit status and both output streams.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "support/binary_text_file.h"
#include "support/scratch_directory.h"

namespace {

const std::string usage = "usage : tavrel-hex <binary text file> 8|16\n";

struct RUN {
  int status;
  std::string out;
  std::string err;
};

RUN run_tavrel_hex(const std::string& arguments) {
  std::string command =
      std::string(TAVREL_HEX_PROGRAM) + " " + arguments + " >stdout.txt 2>stderr.txt";
  int raw = std::system(command.c_str());
  return RUN{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, SCRATCH_DIRECTORY::read("stdout.txt"),
             SCRATCH_DIRECTORY::read("stderr.txt")};
}

const std::vector<std::string> three_codes = {"0000100010100011", "1100110000000000",
                                              "1100001000000000"};

}  // namespace

TEST(TavrelHexProgram, writes_the_chosen_pair_and_ends_with_status_0) {
  SCRATCH_DIRECTORY scratch;
  SCRATCH_DIRECTORY::write("prog.b", binary_text(three_codes));
  RUN eight = run_tavrel_hex("prog.b 8");
  EXPECT_EQ(eight.status, 0);
  EXPECT_EQ(eight.out + eight.err, "");
  EXPECT_EQ(SCRATCH_DIRECTORY::read("progRow_low.hex"),
            ":08000000A30000000000000055\n:00000001FF\n");
  EXPECT_FALSE(std::filesystem::exists("progRow_data.hex"));
  EXPECT_EQ(run_tavrel_hex("prog.b 16").status, 0);
  EXPECT_EQ(SCRATCH_DIRECTORY::read("progRow_byte.hex"),
            ":1000000008A3CC00C20000000000000000000000B7\n:00000001FF\n");
}

TEST(TavrelHexProgram, wrong_arguments_give_the_usage_line_and_status_1) {
  SCRATCH_DIRECTORY scratch;
  SCRATCH_DIRECTORY::write("prog.b", binary_text(three_codes));
  for (const char* arguments : {"", "prog.b", "prog.b 12", "prog.b 8 16", "8 prog.b"}) {
    RUN run = run_tavrel_hex(arguments);
    EXPECT_EQ(run.status, 1) << arguments;
    EXPECT_EQ(run.err, usage) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
  }
  EXPECT_FALSE(std::filesystem::exists("progRow_low.hex"));
}

TEST(TavrelHexProgram, an_unreadable_file_is_reported_on_stdout_with_the_usage_and_status_1) {
  SCRATCH_DIRECTORY scratch;
  RUN run = run_tavrel_hex("missing.b 8");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "****** Error : Unable to open file \"missing.b\".\n\n------\n");
  EXPECT_EQ(run.err, usage);
}

TEST(TavrelHexProgram, a_conversion_error_ends_with_status_1_without_the_usage) {
  SCRATCH_DIRECTORY scratch;
  for (const char* count : {"two", "-4"}) {
    SCRATCH_DIRECTORY::write("prog.b", binary_text_header(count));
    RUN run = run_tavrel_hex("prog.b 16");
    EXPECT_EQ(run.status, 1) << count;
    EXPECT_EQ(run.out, "****** Error : Bad word count in file \"prog.b\".\n\n------\n");
    EXPECT_EQ(run.err, "");
  }
}
