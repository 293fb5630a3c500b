// Loading, creating and closing a project, and the last-project file that remembers it.
#include "pipeline/project_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "isa/instructions.h"
#include "project/project_file_writer.h"
#include "support/scratch_directory.h"
#include "support/test_context.h"

namespace {

using PATHS = std::vector<std::string>;

const std::string good_project =
    "project_name = \"blink\"\n"
    "binary_text_file_path = \"blink.b\"\n"
    "N = \"10\"\nM = \"16\"\nL = \"6\"\nX = \"12\"\nI = \"1\"\nO = \"0\"\nIO = \"0\"\nZ = \"4\"\n"
    "src_file_path_list = {\n   \"blink.s\"\n   }\n"
    "input_memory = {\n42\n}\n";

// Refused at M, after N was read.
const std::string bad_project =
    "project_name = \"broken\"\n"
    "binary_text_file_path = \"broken.b\"\n"
    "N = \"12\"\nM = \"15\"\n";

struct ProjectFiles : testing::Test {
  SCRATCH_DIRECTORY scratch;
  TEST_CONTEXT test{scratch.path()};
  CONTEXT& context = test.context;
  PROJECT_MANAGER& project = context.project_manager;

  ProjectFiles() {
    std::filesystem::create_directory("icones");
    SCRATCH_DIRECTORY::write("blink.s", "  NOP\n");
  }

  std::string last_project() const { return SCRATCH_DIRECTORY::read(context.last_project_file); }
  bool last_project_exists() const { return std::filesystem::exists(context.last_project_file); }

  // An open project with some of everything, as if loaded before.
  void open_previous_project() {
    project.project_path = "old.tvr";
    project.project_name = "old";
    project.binary_text_file_path = "old.b";
    project.modified = true;
    context.source_paths.add_source_file("old.c");
    context.machine.rom.append(std::make_unique<NOP>(POSITION{}));
    write_last_project_file(context, "old.tvr");
  }
};

}  // namespace

TEST_F(ProjectFiles, last_project_file_lies_in_the_icones_directory_of_the_start) {
  EXPECT_EQ(context.last_project_file, scratch.path() + "/icones/Tavrel.DAT");
}

TEST_F(ProjectFiles, loading_replaces_the_project_builds_it_and_remembers_it) {
  open_previous_project();
  SCRATCH_DIRECTORY::write("blink.tvr", good_project);
  project.needs_update = true;
  EXPECT_TRUE(load_project_file(context, "blink.tvr"));
  EXPECT_EQ(project.project_path, "blink.tvr");
  EXPECT_EQ(project.project_name, "blink");
  EXPECT_EQ(project.binary_text_file_path, "blink.b");
  EXPECT_EQ(context.source_paths.paths(), PATHS{"blink.s"});
  EXPECT_EQ(context.machine.parameters.data_size, 10);
  EXPECT_EQ(context.machine.devices.input[0], 42);
  EXPECT_FALSE(project.modified);
  EXPECT_FALSE(project.needs_update) << "the project was not built";
  EXPECT_EQ(last_project(), "blink.tvr\n");
  EXPECT_EQ(test.take_output(), "");
}

TEST_F(ProjectFiles, loading_is_echoed_step_by_step_in_verbose_mode) {
  SCRATCH_DIRECTORY::write("blink.tvr", good_project);
  write_last_project_file(context, "old.tvr");
  context.echo.verbose = true;
  EXPECT_TRUE(load_project_file(context, "blink.tvr"));
  const std::string last = context.last_project_file;
  EXPECT_EQ(test.take_output(), "Removing \"" + last + "\".\n" +
                                    "Trying to read file \"blink.tvr\".\n"
                                    "Closing file \"blink.tvr\".\n"
                                    "Update started (project_manager).\n"
                                    "(1) Loading source file(s)...\n"
                                    "File \"blink.s\" found in \"blink.s\".\n"
                                    "Trying to read file \"blink.s\".\n"
                                    "Closing file \"blink.s\".\n"
                                    "Assembly file provided.\n"
                                    "(5) Low level asm optimization (not yet implemented).\n"
                                    "(6) Forwarding module done.\n"
                                    "ROM used: 1 words of 16 bits.\n"
                                    "RAM used: 0 word(s) of 10 bits.\n"
                                    "Update done (project_manager).\n"
                                    "Trying to write file \"" +
                                    last + "\".\n" + "Closing file \"" + last + "\".\n");
}

TEST_F(ProjectFiles, project_that_fails_to_parse_leaves_the_project_closed) {
  open_previous_project();
  SCRATCH_DIRECTORY::write("broken.tvr", bad_project);
  EXPECT_FALSE(load_project_file(context, "broken.tvr"));
  EXPECT_FALSE(project.project_path.has_value());
  EXPECT_EQ(project.project_name, "");
  EXPECT_EQ(project.binary_text_file_path, "");
  EXPECT_TRUE(context.source_paths.empty());
  EXPECT_TRUE(context.machine.rom.empty());
  EXPECT_FALSE(last_project_exists());
  EXPECT_EQ(context.error_handler.error_count(), 1);
  // Parameters read before the error keep their values.
  EXPECT_EQ(context.machine.parameters.data_size, 12);
  EXPECT_EQ(context.machine.parameters.pc_width, 16);
}

TEST_F(ProjectFiles, source_paths_read_before_an_error_are_dropped_again) {
  std::string text = good_project;
  text.replace(text.find("   }"), 4, "   \"b.s\" x }");
  SCRATCH_DIRECTORY::write("partial.tvr", text);
  EXPECT_FALSE(load_project_file(context, "partial.tvr"));
  EXPECT_TRUE(context.source_paths.empty());
}

TEST_F(ProjectFiles, project_that_cannot_be_opened_is_reported_and_leaves_it_closed) {
  open_previous_project();
  EXPECT_FALSE(load_project_file(context, "missing.tvr"));
  EXPECT_EQ(test.take_output(), "****** Error : Unable to open file \"missing.tvr\".\n\n------\n");
  EXPECT_EQ(context.error_handler.error_count(), 1);
  EXPECT_FALSE(project.is_open());
  EXPECT_TRUE(context.source_paths.empty());
  EXPECT_FALSE(last_project_exists());
}

TEST_F(ProjectFiles, writer_output_loads_back_with_an_empty_source_list) {
  project.project_path = "empty.tvr";
  project.project_name = "nothing yet";
  ASSERT_TRUE(write_project_file(context.project_description(), context.files));
  context.source_paths.add_source_file("stale.c");
  EXPECT_TRUE(load_project_file(context, "empty.tvr"));
  EXPECT_TRUE(context.source_paths.empty());
  EXPECT_EQ(project.project_name, "nothing yet");
}

TEST_F(ProjectFiles, new_project_starts_empty_unsaved_and_unbuilt) {
  open_previous_project();
  project.modified = false;
  new_project(context, "fresh.tvr");
  EXPECT_EQ(project.project_path, "fresh.tvr");
  EXPECT_TRUE(project.modified);
  EXPECT_TRUE(project.needs_update);
  EXPECT_EQ(project.project_name, "");
  EXPECT_TRUE(context.source_paths.empty());
  EXPECT_TRUE(context.machine.rom.empty());
  EXPECT_EQ(last_project(), "fresh.tvr\n");
  EXPECT_FALSE(std::filesystem::exists("fresh.tvr")) << "nothing is written before a save";
}

TEST_F(ProjectFiles, closing_forgets_everything_and_the_last_project_file) {
  open_previous_project();
  context.echo.verbose = true;
  close_project(context);
  EXPECT_FALSE(project.project_path.has_value());
  EXPECT_FALSE(project.modified);
  EXPECT_EQ(project.project_name, "");
  EXPECT_EQ(project.binary_text_file_path, "");
  EXPECT_TRUE(context.source_paths.empty());
  EXPECT_TRUE(context.machine.rom.empty());
  EXPECT_FALSE(last_project_exists());
  EXPECT_EQ(test.take_output(), "Removing \"" + context.last_project_file + "\".\n");
}

TEST_F(ProjectFiles, last_project_is_the_first_line_of_its_file) {
  EXPECT_EQ(read_last_project_file(context), std::nullopt);
  SCRATCH_DIRECTORY::write(context.last_project_file, "dir/p.tvr\r\nsecond line\n");
  EXPECT_EQ(read_last_project_file(context), "dir/p.tvr");
  SCRATCH_DIRECTORY::write(context.last_project_file, "");
  EXPECT_EQ(read_last_project_file(context), std::nullopt);
}

TEST_F(ProjectFiles, last_project_is_not_remembered_without_its_directory) {
  std::filesystem::remove("icones");
  new_project(context, "p.tvr");
  EXPECT_FALSE(last_project_exists());
  EXPECT_EQ(project.project_path, "p.tvr");
}
