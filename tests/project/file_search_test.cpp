#include "project/file_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "pipeline/context.h"
#include "support/scratch_directory.h"

namespace {

class FindFile : public ::testing::Test {
 protected:
  FindFile() { context.echo.verbose = true; }

  SCRATCH_DIRECTORY scratch;
  std::istringstream input;
  std::ostringstream output, error_output;
  CONTEXT context{input, output, error_output, scratch.path()};

  void expect_found(const std::string& name, const std::string& where,
                    const std::optional<std::string>& project_path = {}) {
    output.str("");
    std::optional<std::string> found = find_file(context, name, project_path);
    ASSERT_TRUE(found.has_value()) << name << " not found; output: " << output.str();
    EXPECT_EQ(*found, where);
    EXPECT_EQ(output.str(), "File \"" + name + "\" found in \"" + where + "\".\n");
    EXPECT_EQ(context.error_handler.error_count(), 0);
  }
};

}  // namespace

TEST_F(FindFile, finds_a_name_with_a_directory_part_unchanged_and_echoes_it_as_found_in_itself) {
  SCRATCH_DIRECTORY::write("sub/prog.c", "");
  expect_found("sub/prog.c", "sub/prog.c");
}

TEST_F(FindFile, the_name_itself_comes_before_the_source_paths) {
  SCRATCH_DIRECTORY::write("util.h", "");
  SCRATCH_DIRECTORY::write("lib/util.h", "");
  context.source_paths.add_source_file("lib/util.h");
  expect_found("util.h", "util.h");
}

TEST_F(FindFile, finds_an_include_through_a_source_path_that_ends_with_its_name) {
  SCRATCH_DIRECTORY::write("lib\\util.h", "");  // one file whose name holds a backslash
  context.source_paths.add_source_file("lib\\util.h");
  expect_found("util.h", "lib\\util.h");
}

TEST_F(FindFile, source_path_endings_are_plain_string_endings_tried_from_last_to_first) {
  SCRATCH_DIRECTORY::write("myutil.h", "");
  SCRATCH_DIRECTORY::write("a/util.h", "");
  context.source_paths.add_source_file("a/util.h");
  context.source_paths.add_source_file("myutil.h");
  expect_found("util.h", "myutil.h");
}

TEST_F(FindFile, looks_in_the_project_files_directory_only_when_there_is_a_project_file) {
  SCRATCH_DIRECTORY::write("proj/x.h", "");
  expect_found("x.h", "proj/x.h", "proj/p.tvr");
  expect_found("x.h", "proj/x.h", "proj\\p.tvr");
  EXPECT_FALSE(find_file(context, "x.h").has_value());
  EXPECT_EQ(context.error_handler.error_count(), 1);
}

TEST_F(FindFile, the_project_directory_comes_before_the_source_path_directories) {
  SCRATCH_DIRECTORY::write("proj/x.h", "");
  SCRATCH_DIRECTORY::write("src/x.h", "");
  context.source_paths.add_source_file("src/m.c");
  expect_found("x.h", "proj/x.h", "proj/p.tvr");
  expect_found("x.h", "src/x.h");
}

TEST_F(FindFile, source_path_directories_are_tried_from_last_to_first) {
  SCRATCH_DIRECTORY::write("first/x.h", "");
  SCRATCH_DIRECTORY::write("second/x.h", "");
  context.source_paths.add_source_file("first/m.c");
  context.source_paths.add_source_file("second/n.c");
  context.source_paths.add_source_file("bare.c");
  expect_found("x.h", "second/x.h");
}

TEST_F(FindFile, finds_a_name_in_the_include_directory_beside_the_program) {
  SCRATCH_DIRECTORY::write("include/stdio.h", "");
  expect_found("stdio.h", scratch.path() + "/include/stdio.h");
}

TEST_F(FindFile, tries_the_drive_letters_only_for_a_name_beginning_with_a_backslash) {
  SCRATCH_DIRECTORY::write("C:x.h", "");
  EXPECT_FALSE(find_file(context, "x.h").has_value());
  EXPECT_EQ(context.error_handler.error_count(), 1);
  context.error_handler.reset();
  SCRATCH_DIRECTORY::write("D:\\y.h", "");
  expect_found("\\y.h", "D:\\y.h");
}

TEST_F(FindFile, walks_all_nine_places_in_order) {
  // Every place holds the file at first; removing the winner each time reveals the next.
  const std::string name = "\\x.h";
  const std::vector<std::string> places = {
      "\\x.h",     // the name itself
      "lib\\x.h",  // a source path ending with the name
      "proj/x.h",  // the project file's directory
      "lib/x.h",   // the last source path's directory
      "src/x.h",   // the first source path's directory
      scratch.path() + "/include/x.h",
      "C:\\x.h",
      "D:\\x.h",
      "C:\\Tavrel\\include\\\\x.h",
      "D:\\Tavrel\\include\\\\x.h",
  };
  for (const std::string& place : places) SCRATCH_DIRECTORY::write(place, "");
  context.source_paths.add_source_file("src/m.c");
  context.source_paths.add_source_file("lib\\x.h");
  for (const std::string& place : places) {
    expect_found(name, place, "proj/p.tvr");
    std::filesystem::remove(place);
  }
  EXPECT_FALSE(find_file(context, name, "proj/p.tvr").has_value());
  EXPECT_EQ(context.error_handler.error_count(), 1);
}

TEST_F(FindFile, nothing_found_counts_exactly_one_error_naming_the_file_as_asked) {
  context.source_paths.add_source_file("src/m.c");
  EXPECT_FALSE(find_file(context, "\\none.h", "proj/p.tvr").has_value());
  EXPECT_EQ(context.error_handler.error_count(), 1);
  EXPECT_EQ(output.str(), "****** Error : Searching of file \"\\none.h\" failed.\n------\n");
}

TEST_F(FindFile, a_directory_of_the_same_name_is_not_a_find) {
  std::filesystem::create_directories("x.h");
  EXPECT_FALSE(find_file(context, "x.h").has_value());
  EXPECT_EQ(context.error_handler.error_count(), 1);
}

TEST_F(FindFile, an_empty_name_is_never_found_even_though_every_path_ends_with_it) {
  SCRATCH_DIRECTORY::write("m.c", "");
  context.source_paths.add_source_file("m.c");
  EXPECT_FALSE(find_file(context, "").has_value());
  EXPECT_EQ(context.error_handler.error_count(), 1);
}

TEST_F(FindFile, searches_explicit_places_without_a_context) {
  SOURCE_PATH_LIST paths;
  paths.add_source_file("lib/m.c");
  SCRATCH_DIRECTORY::write("lib/y.h", "");
  SEARCH_PLACES places{paths, std::nullopt, "nowhere"};
  std::optional<std::string> found =
      find_file("y.h", places, context.files, context.echo, context.error_handler);
  EXPECT_EQ(found, std::optional<std::string>("lib/y.h"));
}
