// Project files named on the command line: loaded as they come, replacing the sources named
// before them, and counted when they fail so that -compile and -asm_list can end with status 1.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "driver/command_line.h"
#include "driver/command_line_interface.h"
#include "driver/tavrel.h"
#include "support/scratch_directory.h"
#include "support/test_context.h"

namespace {

using PATHS = std::vector<std::string>;

const std::string project_with_one_source =
    "project_name = \"p\"\nbinary_text_file_path = \"\"\n"
    "N = \"8\"\nM = \"16\"\nL = \"6\"\nX = \"16\"\nI = \"0\"\nO = \"0\"\nIO = \"0\"\nZ = \"4\"\n"
    "src_file_path_list = {\n   \"in_project.s\"\n   }\n";

struct CommandLineProject : testing::Test {
  SCRATCH_DIRECTORY scratch;
  TEST_CONTEXT test{scratch.path()};
  CONTEXT& context = test.context;

  CommandLineProject() {
    std::filesystem::create_directory("icones");
    SCRATCH_DIRECTORY::write("good.tvr", project_with_one_source);
    SCRATCH_DIRECTORY::write("bad.tvr", "project_name = \"p\"\nN");
    SCRATCH_DIRECTORY::write("in_project.s", "  NOP\n");
  }

  // Reads the options and the file arguments as a batch mode does, without running the mode.
  void read(const std::vector<std::string>& arguments) {
    arguments_ = arguments;
    COMMAND_LINE command_line(context, arguments_);
    EXPECT_TRUE(command_line.read_options());
    EXPECT_TRUE(command_line.read_file_arguments(command_line.first_file_index()));
  }

  std::vector<std::string> arguments_;
};

}  // namespace

TEST_F(CommandLineProject, sources_before_a_project_are_dropped_and_sources_after_it_kept) {
  read({"-compile", "before.c", "good.tvr", "after.s"});
  EXPECT_TRUE(context.project_manager.is_open());
  EXPECT_EQ(context.error_handler.total_error_count(), 0);
  EXPECT_EQ(context.source_paths.paths(), (PATHS{"in_project.s", "after.s"}));
  EXPECT_EQ(context.machine.parameters.register_count, 16);
  EXPECT_EQ(SCRATCH_DIRECTORY::read(context.last_project_file), "good.tvr\n");
}

TEST_F(CommandLineProject, project_values_override_the_options_before_them) {
  read({"-X", "32", "-run", "good.tvr"});
  EXPECT_EQ(context.machine.parameters.register_count, 16);
}

TEST_F(CommandLineProject, failed_project_is_counted_and_not_loaded) {
  read({"-compile", "bad.tvr", "after.s"});
  EXPECT_FALSE(context.project_manager.is_open());
  EXPECT_EQ(context.error_handler.total_error_count(), 1);
  EXPECT_EQ(context.source_paths.paths(), PATHS{"after.s"});
  EXPECT_EQ(test.take_output(),
            "****** Error : Error while parsing file \"bad.tvr\" at line 2 column\n1.\n------\n");
}

TEST_F(CommandLineProject, project_failing_after_a_loaded_one_leaves_no_project_loaded) {
  read({"-run", "good.tvr", "missing.tvr"});
  EXPECT_EQ(context.error_handler.total_error_count(), 1);
  EXPECT_FALSE(context.project_manager.is_open());
  EXPECT_TRUE(context.source_paths.empty());
}

TEST_F(CommandLineProject, compile_and_asm_list_end_with_status_1_after_a_failed_project) {
  EXPECT_EQ(run_tavrel(context, {"-compile", "bad.tvr", "a.s"}), 1);
  TEST_CONTEXT second{scratch.path()};
  EXPECT_EQ(run_tavrel(second.context, {"-asm_list", "missing.tvr", "a.s"}), 1);
  TEST_CONTEXT third{scratch.path()};
  EXPECT_EQ(run_tavrel(third.context, {"-compile", "good.tvr"}), 0);
}

// The build clears needs_update, which shows whether run built.
TEST_F(CommandLineProject, run_builds_only_when_no_project_was_loaded) {
  COMMAND_LINE_INTERFACE interface(context);
  context.project_manager.needs_update = true;
  interface.run();
  EXPECT_FALSE(context.project_manager.needs_update) << "sources alone must be built";

  read({"-run", "good.tvr"});
  context.project_manager.needs_update = true;
  interface.run();
  EXPECT_TRUE(context.project_manager.needs_update) << "a loaded project was built again";
}
