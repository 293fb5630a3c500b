// The command line seen from inside: what the options do to the machine's configuration, the
// echo, the source path list and the installed interface. The exact messages and exit statuses
// are checked on the real program by the golden cases in tests/programs/.
#include "driver/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "driver/tavrel.h"
#include "pipeline/context.h"
#include "support/temporary_directory.h"

namespace {

// An empty assembly file: it builds to an empty program, so every batch mode ends with 0.
struct EMPTY_PROGRAM {
  TEMPORARY_DIRECTORY directory;
  const std::string path = directory.write("a.s", "");
};

struct COMMAND_LINE_RUN : testing::Test {
  EMPTY_PROGRAM program;
  const std::string a_s = program.path;
  std::istringstream input;
  std::ostringstream output;
  std::ostringstream error_output;
  CONTEXT context{input, output, error_output, "/start"};

  int run(const std::vector<std::string>& arguments) { return run_tavrel(context, arguments); }
  const PROCESSOR_PARAMETERS& parameters() const { return context.machine.parameters; }
};

TEST_F(COMMAND_LINE_RUN, register_count_defaults_to_eight) {
  EXPECT_EQ(run({"-run", a_s}), 0);
  EXPECT_EQ(parameters().register_count, 8);
}

TEST_F(COMMAND_LINE_RUN, last_register_count_wins) {
  EXPECT_EQ(run({"-X", "16", "-X", "8", "-run", a_s}), 0);
  EXPECT_EQ(parameters().register_count, 8);
}

TEST_F(COMMAND_LINE_RUN, value_options_set_the_processor_configuration) {
  EXPECT_EQ(run({"-N", "12", "-M", "20", "-L", "6", "-X", "24", "-asm_list", a_s}), 0);
  EXPECT_EQ(parameters().data_size, 12);
  EXPECT_EQ(parameters().pc_width, 20);
  EXPECT_EQ(parameters().ram_address_width, 6);
  EXPECT_EQ(parameters().register_count, 24);
  EXPECT_EQ(error_output.str(), "");
}

// Each option is tried with every value from 1 to 40; the allowed ones are listed here by rule.
struct OPTION_RANGE {
  const char* flag;
  bool (*allowed)(int);
  int PROCESSOR_PARAMETERS::*field;
};

const OPTION_RANGE option_ranges[] = {
    {"-X", [](int v) { return v % 4 == 0 && 8 <= v && v <= 32; },
     &PROCESSOR_PARAMETERS::register_count},
    {"-N", [](int v) { return v % 2 == 0 && 8 <= v && v <= 16; }, &PROCESSOR_PARAMETERS::data_size},
    {"-M", [](int v) { return 16 <= v && v <= 24; }, &PROCESSOR_PARAMETERS::pc_width},
    {"-L", [](int v) { return 6 <= v && v <= 16; }, &PROCESSOR_PARAMETERS::ram_address_width},
};

TEST(CommandLineValues, each_option_accepts_exactly_its_allowed_values) {
  for (const OPTION_RANGE& option : option_ranges) {
    for (int value = 1; value <= 40; ++value) {
      std::istringstream input;
      std::ostringstream output, error_output;
      CONTEXT context(input, output, error_output, "/start");
      EMPTY_PROGRAM program;
      int status = run_tavrel(context, {option.flag, std::to_string(value), "-run", program.path});
      std::string flag = option.flag;
      if (option.allowed(value)) {
        EXPECT_EQ(status, 0) << flag << " " << value;
        EXPECT_EQ(context.machine.parameters.*option.field, value) << flag << " " << value;
      } else {
        EXPECT_EQ(status, 1) << flag << " " << value;
        EXPECT_EQ(error_output.str(), "Tavrel : bad " + flag + " value.\n") << value;
      }
    }
  }
}

TEST_F(COMMAND_LINE_RUN, verbose_anywhere_turns_the_echo_on) {
  EXPECT_EQ(run({"-X", "8", "-run", "a.s", "-verbose"}), 1);
  EXPECT_TRUE(context.echo.verbose);
}

TEST_F(COMMAND_LINE_RUN, verbose_alone_turns_the_echo_on_in_the_windowed_mode) {
  EXPECT_EQ(run({"-verbose"}), 1);
  EXPECT_TRUE(context.echo.verbose);
  EXPECT_TRUE(context.user_interface.stop);
}

TEST_F(COMMAND_LINE_RUN, echo_stays_off_without_the_exact_verbose_flag) {
  EXPECT_EQ(run({"-run", a_s}), 0);
  EXPECT_FALSE(context.echo.verbose);
  EXPECT_EQ(run({"-Verbose"}), 1);
  EXPECT_FALSE(context.echo.verbose);
}

TEST_F(COMMAND_LINE_RUN, source_files_join_the_list_in_command_line_order) {
  run({"-asm_list", "b.s", "a.c", "lib.h"});
  EXPECT_EQ(context.source_paths.paths(), (std::vector<std::string>{"b.s", "a.c", "lib.h"}));
}

TEST_F(COMMAND_LINE_RUN, files_before_a_bad_file_argument_are_kept) {
  EXPECT_EQ(run({"-run", "a.s", "notes.txt", "b.s"}), 1);
  EXPECT_EQ(context.source_paths.paths(), std::vector<std::string>{"a.s"});
}

TEST_F(COMMAND_LINE_RUN, batch_mode_installs_the_console_interface_on_standard_output) {
  EXPECT_EQ(run({"-asm_list", a_s}), 0);
  ASSERT_NE(context.user_interface.current(), nullptr);
  context.user_interface.put_string("listed");
  EXPECT_EQ(output.str(), "listed");
}

TEST_F(COMMAND_LINE_RUN, run_clears_the_stop_flag_and_debug_sets_it) {
  context.user_interface.stop = true;
  EXPECT_EQ(run({"-run", a_s}), 0);
  EXPECT_FALSE(context.user_interface.stop);
  EXPECT_EQ(run({"-debug", a_s}), 0);
  EXPECT_TRUE(context.user_interface.stop);
}

TEST_F(COMMAND_LINE_RUN, refusals_leave_the_interface_uninstalled_and_standard_output_empty) {
  EXPECT_EQ(run({"-X", "9", "-run", "a.s"}), 1);
  EXPECT_EQ(context.user_interface.current(), nullptr);
  EXPECT_EQ(output.str(), "");
  EXPECT_EQ(error_output.str(), "Tavrel : bad -X value.\n");
}

TEST_F(COMMAND_LINE_RUN, refused_option_stops_before_later_options_are_read) {
  EXPECT_EQ(run({"-N", "16", "-X", "0", "-M", "20", "-run", "a.s"}), 1);
  EXPECT_EQ(parameters().data_size, 16);
  EXPECT_EQ(parameters().pc_width, 16);
}

TEST_F(COMMAND_LINE_RUN, mode_flag_ends_the_options_and_marks_the_first_file) {
  std::vector<std::string> arguments{"-verbose", "-L", "8", "-debug", "x.s", "y.s"};
  COMMAND_LINE command_line(context, arguments);
  ASSERT_TRUE(command_line.read_options());
  EXPECT_EQ(command_line.mode(), MODE::debug);
  EXPECT_EQ(command_line.first_file_index(), 5);
  EXPECT_EQ(command_line.argument(command_line.first_file_index()), "x.s");
}

TEST_F(COMMAND_LINE_RUN, read_number_after_names_the_option_before_the_missing_number) {
  std::vector<std::string> arguments{"-M", "20", "-L"};
  COMMAND_LINE command_line(context, arguments);
  EXPECT_EQ(command_line.read_number_after(2), 20);
  EXPECT_EQ(error_output.str(), "");
  EXPECT_FALSE(command_line.read_number_after(4).has_value());
  EXPECT_EQ(error_output.str(), "Tavrel : Number expected after flag \"-L\".\n");
}

TEST_F(COMMAND_LINE_RUN, read_number_after_says_greater_than_0_only_for_negative_values) {
  std::vector<std::string> arguments{"-N", "-4", "-X", "0", "-M", "-0"};
  COMMAND_LINE command_line(context, arguments);
  EXPECT_FALSE(command_line.read_number_after(2).has_value());
  EXPECT_FALSE(command_line.read_number_after(4).has_value());
  EXPECT_FALSE(command_line.read_number_after(6).has_value());
  EXPECT_EQ(error_output.str(),
            "Tavrel : Number greater than 0 expected after flag \"-N\".\n"
            "Tavrel : Number expected after flag \"-X\".\n"
            "Tavrel : Number expected after flag \"-M\".\n");
}

TEST_F(COMMAND_LINE_RUN, read_number_after_passes_huge_numbers_on_to_the_range_check) {
  std::vector<std::string> arguments{"-X", "4294967304"};
  COMMAND_LINE command_line(context, arguments);
  EXPECT_EQ(command_line.read_number_after(2), 4294967304LL);
  EXPECT_EQ(run(arguments), 1);
  EXPECT_EQ(parameters().register_count, 8);
}

}  // namespace
