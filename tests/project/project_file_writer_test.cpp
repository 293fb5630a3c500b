// The writer's exact text, the file it writes, and the round trip through the reader.
#include "project/project_file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "project/tvr_parser.h"
#include "support/scratch_directory.h"
#include "support/test_context.h"

namespace {

struct ProjectFileWriter : testing::Test {
  SCRATCH_DIRECTORY scratch;
  TEST_CONTEXT test{scratch.path()};
  CONTEXT& context = test.context;
  PROCESSOR_CONFIGURATION& configuration = context.machine.configuration;
  DEVICE_POOL& devices = context.machine.devices;

  // A project using every part of the file, with negative and large port words.
  void fill_project() {
    context.project_manager.project_name = "Traffic lights";
    context.project_manager.binary_text_file_path = "out/lights.b";
    configuration.set_data_size(14);
    configuration.set_pc_width(24);
    configuration.set_ram_address_width(12);
    configuration.set_register_count(20);
    configuration.set_stack_size(33);
    configuration.set_input_count(2);
    configuration.set_output_count(1);
    configuration.set_io_count(1);
    context.source_paths.add_source_file("main.c");
    context.source_paths.add_source_file("lib/io.s");
    devices.input = {-8192, 8191, 55};  // the third is not in use
    devices.output[0] = -1;
    devices.io[0] = 12;
    devices.io[1] = 2147483647;
    devices.io[2] = 99;  // beyond 2·IO words
  }
};

}  // namespace

TEST_F(ProjectFileWriter, writes_the_fixed_layout) {
  fill_project();
  EXPECT_EQ(project_file_text(context.project_description()),
            "project_name = \"Traffic lights\"\n"
            "binary_text_file_path = \"out/lights.b\"\n"
            "N = \"14\"\n"
            "M = \"24\"\n"
            "L = \"12\"\n"
            "X = \"20\"\n"
            "I = \"2\"\n"
            "O = \"1\"\n"
            "IO = \"1\"\n"
            "Z = \"33\"\n"
            "src_file_path_list = {\n"
            "   \"main.c\",\n"
            "   \"lib/io.s\"\n"
            "   }\n"
            "input_memory = {\n"
            "-8192\n"
            "8191\n"
            "}\n"
            "output_memory = {\n"
            "-1\n"
            "}\n"
            "io_memory = {\n"
            "12\n"
            "2147483647\n"
            "}\n");
}

TEST_F(ProjectFileWriter, empty_project_gives_empty_list_and_empty_sections) {
  EXPECT_EQ(
      project_file_text(context.project_description()),
      "project_name = \"\"\n"
      "binary_text_file_path = \"\"\n"
      "N = \"8\"\nM = \"16\"\nL = \"6\"\nX = \"8\"\nI = \"0\"\nO = \"0\"\nIO = \"0\"\nZ = \"4\"\n"
      "src_file_path_list = {\n"
      "   }\n"
      "input_memory = {\n}\n"
      "output_memory = {\n}\n"
      "io_memory = {\n}\n");
}

TEST_F(ProjectFileWriter, written_project_reads_back_to_the_same_project) {
  fill_project();
  std::istringstream file(project_file_text(context.project_description()));
  TEST_CONTEXT other;
  TVR_PARSER parser(other.context.project_description(), other.context.error_handler, "lights.tvr",
                    file);
  ASSERT_TRUE(parser.read());
  const PROJECT_MANAGER& read = other.context.project_manager;
  EXPECT_EQ(read.project_name, "Traffic lights");
  EXPECT_EQ(read.binary_text_file_path, "out/lights.b");
  const PROCESSOR_PARAMETERS& a = context.machine.parameters;
  const PROCESSOR_PARAMETERS& b = other.context.machine.parameters;
  EXPECT_EQ(b.data_size, a.data_size);
  EXPECT_EQ(b.pc_width, a.pc_width);
  EXPECT_EQ(b.ram_address_width, a.ram_address_width);
  EXPECT_EQ(b.register_count, a.register_count);
  EXPECT_EQ(b.input_count, a.input_count);
  EXPECT_EQ(b.output_count, a.output_count);
  EXPECT_EQ(b.io_count, a.io_count);
  EXPECT_EQ(b.stack_size, a.stack_size);
  EXPECT_EQ(other.context.source_paths.paths(), context.source_paths.paths());
  const DEVICE_POOL& copy = other.context.machine.devices;
  EXPECT_EQ(copy.input[0], -8192);
  EXPECT_EQ(copy.input[1], 8191);
  EXPECT_EQ(copy.output[0], -1);
  EXPECT_EQ(copy.io[0], 12);
  EXPECT_EQ(copy.io[1], 2147483647);
  EXPECT_EQ(project_file_text(other.context.project_description()),
            project_file_text(context.project_description()));
}

TEST_F(ProjectFileWriter, empty_source_list_adds_no_path_when_read) {
  std::istringstream file(project_file_text(context.project_description()));
  TEST_CONTEXT other;
  other.context.source_paths.add_source_file("stale.c");
  TVR_PARSER parser(other.context.project_description(), other.context.error_handler, "empty.tvr",
                    file);
  EXPECT_TRUE(parser.read());
  EXPECT_EQ(other.take_output(), "");
  EXPECT_EQ(other.context.source_paths.paths(), std::vector<std::string>{"stale.c"});
}

TEST_F(ProjectFileWriter, writes_to_the_project_path_and_clears_modified) {
  fill_project();
  context.project_manager.project_path = "lights.tvr";
  context.project_manager.modified = true;
  context.echo.verbose = true;
  EXPECT_TRUE(write_project_file(context.project_description(), context.files));
  EXPECT_FALSE(context.project_manager.modified);
  EXPECT_EQ(SCRATCH_DIRECTORY::read("lights.tvr"),
            project_file_text(context.project_description()));
  EXPECT_EQ(test.take_output(),
            "Trying to write file \"lights.tvr\".\nClosing file \"lights.tvr\".\n");
}

TEST_F(ProjectFileWriter, file_that_cannot_be_created_answers_false_and_stays_modified) {
  context.project_manager.project_path = "no/such/directory/p.tvr";
  context.project_manager.modified = true;
  EXPECT_FALSE(write_project_file(context.project_description(), context.files));
  EXPECT_TRUE(context.project_manager.modified);
  EXPECT_FALSE(std::filesystem::exists("no"));
}

TEST_F(ProjectFileWriter, without_a_project_path_nothing_is_written) {
  context.project_manager.modified = true;
  EXPECT_FALSE(write_project_file(context.project_description(), context.files));
  EXPECT_TRUE(context.project_manager.modified);
}
