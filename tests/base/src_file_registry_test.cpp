#include "base/src_file_registry.h"

#include <gtest/gtest.h>

TEST(SrcFileRegistry, answers_the_same_record_for_the_same_path_string) {
  SRC_FILE_REGISTRY registry;
  SRC_FILE& first = registry.source_file_for("prog.c");
  SRC_FILE& again = registry.source_file_for("prog.c");
  EXPECT_EQ(&first, &again);
  EXPECT_EQ(first.path(), "prog.c");
  EXPECT_EQ(registry.size(), 1u);
}

TEST(SrcFileRegistry, keeps_one_record_per_distinct_spelling) {
  SRC_FILE_REGISTRY registry;
  SRC_FILE& plain = registry.source_file_for("prog.c");
  SRC_FILE& dotted = registry.source_file_for("./prog.c");
  SRC_FILE& upper = registry.source_file_for("PROG.c");
  EXPECT_NE(&plain, &dotted);
  EXPECT_NE(&plain, &upper);
  EXPECT_EQ(registry.size(), 3u);
}

TEST(SrcFileRegistry, find_answers_null_for_an_unknown_path_and_creates_nothing) {
  SRC_FILE_REGISTRY registry;
  EXPECT_EQ(registry.find("prog.c"), nullptr);
  EXPECT_EQ(registry.size(), 0u);
  SRC_FILE& record = registry.source_file_for("prog.c");
  EXPECT_EQ(registry.find("prog.c"), &record);
}

TEST(SrcFileRegistry, records_do_not_move_when_many_more_are_added) {
  SRC_FILE_REGISTRY registry;
  SRC_FILE* first = &registry.source_file_for("m.c");
  for (int i = 0; i < 1000; ++i) registry.source_file_for("f" + std::to_string(i) + ".c");
  EXPECT_EQ(&registry.source_file_for("m.c"), first);
  EXPECT_EQ(first->path(), "m.c");
}
