#include "base/path_names.h"

#include <gtest/gtest.h>

TEST(DirectoryPart, runs_up_to_and_including_the_last_separator) {
  EXPECT_EQ(directory_part("a/b/c.h"), "a/b/");
  EXPECT_EQ(directory_part("lib\\util.h"), "lib\\");
  EXPECT_EQ(directory_part("a\\b/c.h"), "a\\b/");
  EXPECT_EQ(directory_part("a/b\\c.h"), "a/b\\");
  EXPECT_EQ(directory_part("/x.h"), "/");
  EXPECT_EQ(directory_part("dir/"), "dir/");
}

TEST(DirectoryPart, is_empty_for_a_bare_name) {
  EXPECT_EQ(directory_part("prog.c"), "");
  EXPECT_EQ(directory_part(""), "");
}

TEST(JoinPath, puts_exactly_one_slash_between_directory_and_name) {
  EXPECT_EQ(join_path("include", "x.h"), "include/x.h");
  EXPECT_EQ(join_path("include/", "x.h"), "include/x.h");
  EXPECT_EQ(join_path("lib\\", "x.h"), "lib/x.h");
  EXPECT_EQ(join_path("a//", "/x.h"), "a/x.h");
  EXPECT_EQ(join_path("a", "\\x.h"), "a/x.h");
  EXPECT_EQ(join_path("/", "x.h"), "/x.h");
  EXPECT_EQ(join_path("/home/u/p", "sub/x.h"), "/home/u/p/sub/x.h");
}
