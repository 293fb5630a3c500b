#include "base/file_tools.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "pipeline/context.h"
#include "support/scratch_directory.h"

namespace {

class FileTools : public ::testing::Test {
 protected:
  SCRATCH_DIRECTORY scratch;
  std::istringstream input;
  std::ostringstream output, error_output;
  CONTEXT context{input, output, error_output, scratch.path()};

  std::vector<std::string> lines_of(const std::string& contents) {
    SCRATCH_DIRECTORY::write("lines.txt", contents);
    std::vector<std::string> lines{"left over"};
    EXPECT_TRUE(context.files.read_lines("lines.txt", lines));
    return lines;
  }
};

using LINES = std::vector<std::string>;

}  // namespace

TEST_F(FileTools, opening_writing_and_closing_are_echoed_in_verbose_mode) {
  context.echo.verbose = true;
  OUTPUT_FILE out = context.files.open_write("out.txt");
  ASSERT_TRUE(out.is_open());
  out.stream() << "x\n";
  context.files.close_write(out, "out.txt");
  std::ifstream in = context.files.open_read("out.txt");
  ASSERT_TRUE(in.is_open());
  context.files.close_read(in, "out.txt");
  EXPECT_EQ(output.str(),
            "Trying to write file \"out.txt\".\n"
            "Closing file \"out.txt\".\n"
            "Trying to read file \"out.txt\".\n"
            "Closing file \"out.txt\".\n");
  EXPECT_EQ(SCRATCH_DIRECTORY::read("out.txt"), "x\n");
}

TEST_F(FileTools, echoes_nothing_without_verbose) {
  OUTPUT_FILE out = context.files.open_write("out.txt");
  context.files.close_write(out, "out.txt");
  context.files.remove_file("out.txt");
  EXPECT_EQ(output.str(), "");
  EXPECT_FALSE(std::filesystem::exists("out.txt"));
}

TEST_F(FileTools, open_write_truncates_an_existing_file) {
  SCRATCH_DIRECTORY::write("out.txt", "old contents\n");
  OUTPUT_FILE out = context.files.open_write("out.txt");
  out.stream() << "new";
  context.files.close_write(out, "out.txt");
  EXPECT_EQ(SCRATCH_DIRECTORY::read("out.txt"), "new");
}

TEST_F(FileTools, remove_file_deletes_an_existing_file_with_its_echo) {
  context.echo.verbose = true;
  SCRATCH_DIRECTORY::write("gone.txt", "x");
  context.files.remove_file("gone.txt");
  EXPECT_FALSE(std::filesystem::exists("gone.txt"));
  EXPECT_EQ(output.str(), "Removing \"gone.txt\".\n");
}

TEST_F(FileTools, remove_file_of_a_missing_path_does_nothing_and_echoes_nothing) {
  context.echo.verbose = true;
  context.files.remove_file("never.txt");
  EXPECT_EQ(output.str(), "");
  EXPECT_EQ(context.error_handler.error_count(), 0);
}

TEST_F(FileTools, file_exists_only_for_readable_files_and_says_nothing) {
  context.echo.verbose = true;
  SCRATCH_DIRECTORY::write("here.txt", "");
  std::filesystem::create_directory("folder");
  EXPECT_TRUE(context.files.file_exists("here.txt"));
  EXPECT_FALSE(context.files.file_exists("missing.txt"));
  EXPECT_FALSE(context.files.file_exists("folder"));
  EXPECT_FALSE(context.files.file_exists(""));
  EXPECT_EQ(output.str(), "");
}

TEST_F(FileTools, read_lines_accepts_every_kind_of_line_end) {
  EXPECT_EQ(lines_of("a\nb\n"), (LINES{"a", "b"}));
  EXPECT_EQ(lines_of("a\rb\r"), (LINES{"a", "b"}));
  EXPECT_EQ(lines_of("a\r\nb\r\n"), (LINES{"a", "b"}));
  EXPECT_EQ(lines_of("a\r\n\nb\r\rc"), (LINES{"a", "", "b", "", "c"}));
  EXPECT_EQ(lines_of("\n\r\n"), (LINES{"", ""}));
}

TEST_F(FileTools, read_lines_keeps_a_last_line_without_line_end_and_adds_no_empty_one) {
  EXPECT_EQ(lines_of("first\nlast"), (LINES{"first", "last"}));
  EXPECT_EQ(lines_of("first\nlast\n"), (LINES{"first", "last"}));
  EXPECT_EQ(lines_of("only"), (LINES{"only"}));
  EXPECT_EQ(lines_of(""), LINES{});
}

TEST_F(FileTools, read_lines_keeps_tabs_and_blanks_inside_lines) {
  EXPECT_EQ(lines_of("\t x = 1; \n  \n"), (LINES{"\t x = 1; ", "  "}));
}

TEST_F(FileTools, read_lines_echoes_its_open_and_close) {
  SCRATCH_DIRECTORY::write("src.c", "int x;\n");
  context.echo.verbose = true;
  std::vector<std::string> lines;
  ASSERT_TRUE(context.files.read_lines("src.c", lines));
  EXPECT_EQ(output.str(), "Trying to read file \"src.c\".\nClosing file \"src.c\".\n");
}

TEST_F(FileTools, read_lines_of_a_missing_file_reports_one_error_and_keeps_the_buffer) {
  std::vector<std::string> lines{"kept"};
  EXPECT_FALSE(context.files.read_lines("missing.c", lines));
  EXPECT_EQ(lines, LINES{"kept"});
  EXPECT_EQ(context.error_handler.error_count(), 1);
  EXPECT_EQ(output.str(), "****** Error : Unable to open file \"missing.c\".\n\n------\n");
}
