#include "project/source_path_list.h"

#include <gtest/gtest.h>

TEST(FileKind, endings_are_compared_exactly_and_case_sensitively) {
  EXPECT_EQ(file_kind("prog.c"), FILE_KIND::c_source);
  EXPECT_EQ(file_kind("prog.C"), FILE_KIND::other);
  EXPECT_EQ(file_kind("util.h"), FILE_KIND::c_header);
  EXPECT_EQ(file_kind("util.H"), FILE_KIND::other);
  EXPECT_EQ(file_kind("boot.s"), FILE_KIND::assembly);
  EXPECT_EQ(file_kind("boot.S"), FILE_KIND::other);
  EXPECT_EQ(file_kind("p.tvr"), FILE_KIND::project);
  EXPECT_EQ(file_kind("p.TVR"), FILE_KIND::project);
  EXPECT_EQ(file_kind("p.Tvr"), FILE_KIND::other);
  EXPECT_EQ(file_kind("prog.cc"), FILE_KIND::other);
  EXPECT_EQ(file_kind("c"), FILE_KIND::other);
  EXPECT_EQ(file_kind(".c"), FILE_KIND::c_source);
}

TEST(SourcePathList, adds_only_sources_in_order_and_says_so) {
  SOURCE_PATH_LIST list;
  EXPECT_TRUE(list.add_source_file("b.c"));
  EXPECT_FALSE(list.add_source_file("a.C"));
  EXPECT_FALSE(list.add_source_file("p.tvr"));
  EXPECT_TRUE(list.add_source_file("lib\\util.h"));
  EXPECT_TRUE(list.add_source_file("start.s"));
  EXPECT_EQ(list.paths(), (std::vector<std::string>{"b.c", "lib\\util.h", "start.s"}));
}

TEST(SourcePathList, is_an_assembly_project_only_when_the_first_path_ends_with_s) {
  SOURCE_PATH_LIST list;
  EXPECT_FALSE(list.is_assembly_project());
  list.add_source_file("main.c");
  list.add_source_file("start.s");
  EXPECT_FALSE(list.is_assembly_project());
  list.clear();
  list.add_source_file("start.s");
  list.add_source_file("main.c");
  EXPECT_TRUE(list.is_assembly_project());
}
