// Projects at a scale the window reaches over a day: a long source list, and a build repeated
// a thousand times in one context.
#include <gtest/gtest.h>
#include <malloc.h>

#include <chrono>
#include <fstream>
#include <string>

#include "pipeline/project_files.h"
#include "support/scratch_directory.h"
#include "support/test_context.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator keeps its own count; g++ ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// The bytes the program holds from the allocator.
size_t allocated_bytes() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 usage = mallinfo2();
  return usage.uordblks + usage.hblkhd;  // small blocks, and the large ones mapped apart
#endif
}

struct LargeProject : testing::Test {
  SCRATCH_DIRECTORY scratch;
  TEST_CONTEXT test{scratch.path()};
  CONTEXT& context = test.context;
};

}  // namespace

// Each source holds one instruction, so the ROM shows that every file was found and loaded.
// Finding a source once walked the whole list for every file; at 8,000 files that took 25 s.
TEST_F(LargeProject, ten_thousand_sources_load_and_build_in_well_under_ten_seconds) {
  const int count = 10000;
  std::filesystem::create_directories("icones");
  std::filesystem::create_directories("src");
  std::ofstream project("big.tvr");
  project << "project_name = \"big\"\nbinary_text_file_path = \"big.b\"\n"
             "N = \"8\"\nM = \"16\"\nL = \"6\"\nX = \"8\"\nI = \"0\"\nO = \"0\"\nIO = \"0\"\n"
             "Z = \"4\"\nsrc_file_path_list = {\n";
  for (int n = 0; n < count; ++n) {
    const std::string name = "src/part" + std::to_string(n) + ".s";
    SCRATCH_DIRECTORY::write(name, "        NOP\n");
    project << "   \"" << name << "\"\n";
  }
  project << "   }\n";
  project.close();
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(load_project_file(context, "big.tvr"));
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(context.error_handler.total_error_count(), 0) << test.take_output().substr(0, 500);
  EXPECT_EQ(context.machine.rom.size(), count);
  EXPECT_LT(took.count(), 10.0);
}

// A C program with functions, arrays, locals and constants: every part of the compiler holds
// something between builds. After the first builds have sized the pools, memory stays flat.
TEST_F(LargeProject, a_thousand_rebuilds_of_a_c_program_hold_no_more_memory_than_ten) {
  SCRATCH_DIRECTORY::write("prog.c",
                           "int table[8];\nint total;\n"
                           "int add(int a, int b) { int c; c = a + b; return c; }\n"
                           "int main(void)\n{\n  int i;\n"
                           "  for (i = 0; i < 8; i++) table[i] = add(i, 300);\n"
                           "  total = 0;\n  for (i = 0; i < 8; i++) total = total ^ table[i];\n"
                           "  while (total > 3) total = total - 3;\n  return total;\n}\n");
  context.machine.configuration.set_data_size(16);
  context.source_paths.add_source_file("prog.c");
  for (int n = 0; n < 10; ++n) context.project_manager.update();
  ASSERT_EQ(context.error_handler.error_count(), 0) << test.take_output();
  ASSERT_GT(context.machine.rom.size(), 20);
  test.take_output();
  const size_t after_ten = allocated_bytes();
  for (int n = 0; n < 990; ++n) {
    context.project_manager.update();
    test.take_output();
  }
  EXPECT_LE(allocated_bytes(), after_ten + 16 * 1024);
}
