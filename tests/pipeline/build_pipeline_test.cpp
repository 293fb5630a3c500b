// The build from the sources to the ROM: the stages it announces, what stops it, the output
// file name it derives, the forwarding it allows, and the code size limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pipeline/project_manager.h"
#include "support/build_fixture.h"

namespace {

class BuildPipeline : public BuildTest {
 protected:
  void verbose() { context.echo.verbose = true; }

  // Each piece appears in the text after the previous one.
  static ::testing::AssertionResult in_order(const std::string& text,
                                             const std::vector<std::string>& pieces) {
    std::size_t from = 0;
    for (const std::string& piece : pieces) {
      const std::size_t at = text.find(piece, from);
      if (at == std::string::npos)
        return ::testing::AssertionFailure()
               << "missing, or out of order: \"" << piece << "\" in:\n"
               << text;
      from = at + piece.size();
    }
    return ::testing::AssertionSuccess();
  }
  static bool contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
  }

  static std::string nops(int count) {
    std::string text;
    text.reserve(count * 12);
    for (int i = 0; i < count; ++i) text += "        NOP\n";
    return text;
  }
};

const std::string three_loads =
    "        LDIL R1,#1\n"
    "        LDIL R2,#2\n"
    "        LDIL R3,#3\n";

}  // namespace

TEST_F(BuildPipeline, an_empty_source_list_has_no_main_function_and_no_code) {
  verbose();
  build();
  EXPECT_EQ(output(),
            "Update started (project_manager).\n"
            "(1) Loading source file(s)...\n"
            "****** Error : There is no main function in this project.\n"
            "------\n"
            "No asm code (remaining errors).\n"
            "Update done (project_manager).\n");
  EXPECT_EQ(errors(), 1);
  EXPECT_TRUE(rom.empty());
}

TEST_F(BuildPipeline, one_assembly_file_is_announced_forwarded_and_measured) {
  verbose();
  add_source("prog.s", three_loads);
  build();
  const std::string trace = output();
  EXPECT_TRUE(in_order(
      trace,
      {"Update started (project_manager).\n", "(1) Loading source file(s)...\n",
       "Assembly file provided.\n", "(5) Low level asm optimization (not yet implemented).\n",
       "(6) Forwarding module done.\n", "ROM used: 3 words of 16 bits.\n",
       "RAM used: 0 word(s) of 8 bits.\n", "Update done (project_manager).\n"}));
  EXPECT_FALSE(contains(trace, "(2)"));
  EXPECT_FALSE(contains(trace, "(3)"));
  EXPECT_FALSE(contains(trace, "(4)"));
  EXPECT_EQ(errors(), 0);
  EXPECT_EQ(listing(), (std::vector<std::string>{"LDIL R1,#1", "LDIL R2,#2", "LDIL R3,#3"}));
}

TEST_F(BuildPipeline, without_verbose_a_good_build_writes_nothing) {
  add_source("prog.s", three_loads);
  build();
  EXPECT_EQ(output(), "");
}

TEST_F(BuildPipeline, forwarding_pads_assembly_code) {
  add_source("prog.s", "        ADD R1,R2\n        SUB R3,R1\n");
  build();
  EXPECT_EQ(listing(), (std::vector<std::string>{"ADD R1,R2", "NOP", "NOP", "SUB R3,R1"}));
}

TEST_F(BuildPipeline, the_output_name_is_the_assembly_path_ending_in_b) {
  const std::string path = add_source("prog.s", three_loads);
  build();
  EXPECT_EQ(context.project_manager.binary_text_file_path, path.substr(0, path.size() - 1) + "b");
}

TEST_F(BuildPipeline, an_output_name_already_set_is_kept) {
  add_source("prog.s", three_loads);
  context.project_manager.binary_text_file_path = "custom.bin";
  build();
  EXPECT_EQ(context.project_manager.binary_text_file_path, "custom.bin");
}

TEST_F(BuildPipeline, a_failed_build_derives_no_output_name) {
  add_source("prog.s", "        FOO\n");
  build();
  EXPECT_EQ(context.project_manager.binary_text_file_path, "");
}

TEST_F(BuildPipeline, IJMP_in_the_code_leaves_out_the_forwarding) {
  verbose();
  add_source("prog.s", "        ADD R1,R2\n        SUB R3,R1\n        IJMP (R2)\n");
  build();
  const std::string trace = output();
  EXPECT_TRUE(in_order(trace, {"(5) Low level asm optimization (not yet implemented).\n",
                               "(6) Forwarding module not done, ASM code contains some IB0, "
                               "IB1, ICALL or IJMP.\n",
                               "ROM used: 3 words of 16 bits.\n"}));
  EXPECT_FALSE(contains(trace, "(6) Forwarding module done."));
  EXPECT_EQ(listing(), (std::vector<std::string>{"ADD R1,R2", "SUB R3,R1", "IJMP (R2)"}));
}

TEST_F(BuildPipeline, a_full_rom_of_two_to_the_m_words_is_accepted) {
  add_source("big.s", nops(65536));
  build();
  EXPECT_EQ(errors(), 0) << output();
  EXPECT_EQ(rom.size(), 65536);
}

TEST_F(BuildPipeline, one_word_more_than_two_to_the_m_is_too_big_and_the_build_goes_on) {
  verbose();
  add_source("big.s", nops(65537));
  build();
  const std::string trace = output();
  // The report wraps at the first blank after column 60 of its third line.
  EXPECT_TRUE(
      in_order(trace, {"ROM used: 65537 words of 16 bits.\n",
                       "****** Error : Program too big to fit into memory.\n"
                       "Generated code size = 65537\n"
                       "While program counter is 16 bits wide (maximum allowed code size\n"
                       "= 65536).\n"
                       "------\n",
                       "RAM used: 0 word(s) of 8 bits.\n", "Update done (project_manager).\n"}));
  EXPECT_EQ(errors(), 1);
  EXPECT_EQ(rom.size(), 65537);
}

TEST_F(BuildPipeline, a_second_update_without_change_gives_the_same_code_and_messages) {
  verbose();
  add_source("prog.s", "loop:   ADD R1,R2\n        SUB R3,R1\n        RB0 #Z,loop\n");
  build();
  const std::string first_trace = output();
  const std::vector<std::string> first_listing = listing();
  const std::vector<int32_t> first_codes = codes();
  build();
  EXPECT_EQ(output(), first_trace);
  EXPECT_EQ(listing(), first_listing);
  EXPECT_EQ(codes(), first_codes);
}

TEST_F(BuildPipeline, a_missing_last_file_stops_the_loading_before_any_other) {
  add_source("first.s", three_loads);
  const std::string missing = directory.path() + "/missing.s";
  context.source_paths.add_source_file(missing);
  build();
  const std::string trace = output();
  // Where the message wraps depends on the length of the path.
  EXPECT_TRUE(in_order(
      trace, {"****** Error : Searching of file \"" + missing + "\"", "failed.\n------\n"}));
  EXPECT_EQ(errors(), 1);
  EXPECT_TRUE(rom.empty());
  EXPECT_EQ(context.source_files.find(directory.path() + "/first.s"), nullptr)
      << "the first file was never read";
}

TEST_F(BuildPipeline, files_are_loaded_from_the_last_to_the_first) {
  add_source("first.s", "        LDIL R1,#1\n");
  add_source("second.s", "        LDIL R2,#2\n");
  add_source("third.s", "        LDIL R3,#3\n");
  build();
  EXPECT_EQ(listing(), (std::vector<std::string>{"LDIL R3,#3", "LDIL R2,#2", "LDIL R1,#1"}));
}

TEST_F(BuildPipeline, a_header_in_the_list_is_found_and_skipped) {
  add_source("prog.s", three_loads);
  add_source("defs.h", "this is not assembly\n");
  build();
  EXPECT_EQ(errors(), 0) << output();
  EXPECT_EQ(rom.size(), 3);
}

TEST_F(BuildPipeline, an_error_empties_the_rom_and_says_so) {
  verbose();
  add_source("first.s", three_loads);
  add_source("second.s", "        LDIL R1,#1\n        FOO\n");
  build();
  const std::string trace = output();
  EXPECT_TRUE(in_order(trace, {"****** Error : ", "No asm code (remaining errors).\n",
                               "Update done (project_manager).\n"}));
  EXPECT_FALSE(contains(trace, "(5)"));
  EXPECT_FALSE(contains(trace, "ROM used"));
  EXPECT_FALSE(contains(trace, "Assembly file provided."));
  EXPECT_TRUE(rom.empty());
}

TEST_F(BuildPipeline, a_rebuild_starts_from_a_reset_machine) {
  add_source("prog.s", three_loads);
  build();
  machine.registers.at(5).value = 77;
  machine.program_counter.value = 2;
  machine.clock.advance(9);
  machine.stack.push(4, POSITION{}, context.error_handler);
  context.project_manager.needs_update = true;
  build();
  EXPECT_EQ(machine.registers.at(5).value, 0);
  EXPECT_EQ(machine.program_counter.value, 0);
  EXPECT_EQ(machine.clock.periods(), 0);
  EXPECT_EQ(machine.stack.pointer, -1);
  EXPECT_FALSE(context.project_manager.needs_update);
  EXPECT_EQ(rom.size(), 3) << "the previous code is gone, not appended to";
}
