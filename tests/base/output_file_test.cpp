// A written file replaces its target whole or not at all: a write that fails (a size limit
// stands in for a full disk) or a folder that cannot be written leaves the old file byte for
// byte and no temporary file beside it; a replaced file keeps its mode and its links.
#include "base/output_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/scratch_directory.h"
#include "support/write_failures.h"

namespace {

namespace fs = std::filesystem;

const std::string old_text = "the previous good image\n";

mode_t mode_of(const std::string& path) {
  struct stat status;
  stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

bool write_whole(const std::string& path, const std::string& text) {
  OUTPUT_FILE file(path);
  if (!file.is_open()) return false;
  file.stream() << text;
  return file.commit();
}

TEST(OUTPUT_FILE, a_write_past_the_size_limit_fails_and_leaves_the_old_file_alone) {
  SCRATCH_DIRECTORY directory;
  SCRATCH_DIRECTORY::write("gcd.b", old_text);
  OUTPUT_FILE file("gcd.b");
  ASSERT_TRUE(file.is_open());
  {
    FILE_SIZE_LIMIT limit(4096);
    file.stream() << std::string(200000, '1');
    EXPECT_FALSE(file.commit());
  }
  EXPECT_EQ(file.reason(), "File too large");
  EXPECT_TRUE(file.created());
  EXPECT_EQ(SCRATCH_DIRECTORY::read("gcd.b"), old_text);
  EXPECT_EQ(names_in("."), std::set<std::string>{"gcd.b"});
}

TEST(OUTPUT_FILE, a_folder_that_cannot_be_written_creates_nothing) {
  SCRATCH_DIRECTORY directory;
  SCRATCH_DIRECTORY::write("gcd.b", old_text);
  {
    READ_ONLY_FOLDER read_only(directory.path());
    OUTPUT_FILE file("gcd.b");
    EXPECT_FALSE(file.is_open());
    EXPECT_FALSE(file.created());
    EXPECT_EQ(file.reason(), "Permission denied");
    EXPECT_FALSE(file.commit());
  }
  EXPECT_EQ(SCRATCH_DIRECTORY::read("gcd.b"), old_text);
  EXPECT_EQ(names_in("."), std::set<std::string>{"gcd.b"});
}

TEST(OUTPUT_FILE, an_abandoned_file_leaves_neither_target_nor_temporary) {
  SCRATCH_DIRECTORY directory;
  {
    OUTPUT_FILE file("new.b");
    file.stream() << "half";
  }
  OUTPUT_FILE moved;
  {
    OUTPUT_FILE file("other.b");
    file.stream() << "whole";
    moved = std::move(file);
  }
  moved.stream() << " text";
  EXPECT_TRUE(moved.commit());
  EXPECT_EQ(SCRATCH_DIRECTORY::read("other.b"), "whole text");
  EXPECT_EQ(names_in("."), std::set<std::string>{"other.b"});
}

TEST(OUTPUT_FILE, a_replaced_file_keeps_its_mode_and_a_link_is_written_through) {
  SCRATCH_DIRECTORY directory;
  SCRATCH_DIRECTORY::write("images/real.b", old_text);
  chmod("images/real.b", 0640);
  fs::create_symlink("images/real.b", "link.b");
  ASSERT_TRUE(write_whole("link.b", "new image\n"));
  EXPECT_TRUE(fs::is_symlink("link.b"));
  EXPECT_EQ(SCRATCH_DIRECTORY::read("images/real.b"), "new image\n");
  EXPECT_EQ(mode_of("images/real.b"), 0640u);
  EXPECT_EQ(names_in("images"), std::set<std::string>{"real.b"});

  const mode_t mask = umask(0027);
  ASSERT_TRUE(write_whole("fresh.b", "x"));
  umask(mask);
  EXPECT_EQ(mode_of("fresh.b"), 0640u);
}

}  // namespace
