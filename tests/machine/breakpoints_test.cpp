// Breakpoints on source lines: where they go in the ROM, how a run stops on them and goes on,
// the answers of the file operations, and how they survive a rebuild without changing the code.
#include "machine/breakpoints.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "machine/breakpoint.h"
#include "machine/breakpoint_table.h"
#include "rom_image/binary_text_file.h"
#include "support/build_fixture.h"
#include "support/scratch_directory.h"

namespace {

// Seven independent loads at addresses 0 to 6, so line 9 starts at address 7 and holds two
// instructions; line 10 is blank. Loads never wait for one another: no padding is added.
const std::string straight_program =
    "* Seven loads, a line of two, a blank line and one more load.\n"
    "        LDIL R1,#1\n"
    "        LDIL R2,#2\n"
    "        LDIL R3,#3\n"
    "        LDIL R4,#4\n"
    "        LDIL R5,#5\n"
    "        LDIL R6,#6\n"
    "        LDIL R7,#7\n"
    "        LDIL R1,#9 LDIL R2,#10\n"
    "\n"
    "        LDIL R3,#11\n";

// A loop: line 3 is a branch target, so padding with line 3's position comes before DEC;
// line 6 holds the branch. The two NOPs that SUB needs move the loop up before it is padded.
const std::string loop_program =
    "* Counts R1 down from 3; R2 counts the turns.\n"
    "        LDIL R1,#3 ADD R4,R5 SUB R6,R4\n"
    "loop:   DEC R1\n"
    "        ADI R2,#1\n"
    "        CMPI R1,#0\n"
    "        RB0 #Z,loop\n"
    "        LDIL R3,#7\n";

class Breakpoints : public BuildTest {
 protected:
  void build_straight() {
    path = add_source("prog.s", straight_program);
    build();
    ASSERT_EQ(errors(), 0) << output();
    ASSERT_EQ(rom.size(), 10);
  }
  SRC_FILE& source() { return file(path); }
  BREAKPOINT_TABLE& table() { return machine.breakpoints; }
  const BREAKPOINT_TABLE::LINES& lines() { return table().lines_of(source()); }
  BREAKPOINT* breakpoint_of(int line) { return lines().at(line).get(); }

  std::vector<std::string> without_marks(std::vector<std::string> lines) const {
    for (std::string& line : lines)
      if (line.starts_with("* ")) line.erase(0, 2);
    return lines;
  }

  std::string path;
};

}  // namespace

TEST_F(Breakpoints, a_run_stops_on_the_breakpoint_at_7_before_executing_it_and_goes_on) {
  build_straight();
  ASSERT_EQ(table().set_breakpoint(source(), 9), 7);

  run();
  EXPECT_EQ(machine.program_counter.value, 7);
  EXPECT_TRUE(context.user_interface.stop);
  EXPECT_EQ(value(1), 1) << "the load of line 9 must not have run";
  EXPECT_EQ(machine.clock.periods(), 7) << "only the periods of addresses 0 to 6";

  run();  // starts on the breakpoint: executes the load under it
  EXPECT_EQ(value(1), 9);
  EXPECT_EQ(value(2), 10);
  EXPECT_EQ(value(3), 11);
  EXPECT_EQ(machine.program_counter.value, 10);
  EXPECT_EQ(machine.clock.periods(), 10);
}

TEST_F(Breakpoints, a_stopping_breakpoint_moves_neither_the_program_counter_nor_the_clock) {
  build_straight();
  table().set_breakpoint(source(), 2);
  context.user_interface.stop = false;
  EXPECT_FALSE(execute_one(machine));
  EXPECT_TRUE(context.user_interface.stop);
  EXPECT_EQ(machine.program_counter.value, 0);
  EXPECT_EQ(machine.clock.periods(), 0);
  EXPECT_EQ(value(1), 0);
}

TEST_F(Breakpoints, only_the_first_instruction_of_a_line_is_wrapped_and_the_listing_marks_it) {
  build_straight();
  ASM* first = rom.fetch(7);
  ASM* second = rom.fetch(8);
  const int32_t code = rom.code_word(7);

  ASSERT_EQ(table().set_breakpoint(source(), 9), 7);
  auto* breakpoint = dynamic_cast<BREAKPOINT*>(rom.fetch(7));
  ASSERT_NE(breakpoint, nullptr);
  EXPECT_EQ(breakpoint->wrapped_instruction(), first);
  EXPECT_EQ(rom.fetch(8), second);
  EXPECT_EQ(listing()[7], "* LDIL R1,#9");
  EXPECT_EQ(listing()[8], "LDIL R2,#10");
  EXPECT_EQ(rom.code_word(7), code) << "images see the wrapped instruction";
  EXPECT_EQ(rom.address_of(first), 7);
  EXPECT_EQ(breakpoint->instruction_number(), 10000);
  EXPECT_FALSE(breakpoint->reads_status());
  EXPECT_FALSE(breakpoint->writes_status());
}

TEST_F(Breakpoints, a_line_without_code_answers_minus_one_and_leaves_the_rom_alone) {
  build_straight();
  const std::vector<std::string> before = listing();
  EXPECT_EQ(table().set_breakpoint(source(), 10), -1);  // blank
  EXPECT_EQ(table().set_breakpoint(source(), 1), -1);   // comment
  EXPECT_EQ(table().set_breakpoint(source(), 40), -1);  // past the end of the file
  EXPECT_EQ(listing(), before);
  EXPECT_EQ(breakpoint_count(), 0);
}

TEST_F(Breakpoints, breakpoint_state_answers_zero_one_or_minus_one) {
  build_straight();
  EXPECT_EQ(table().breakpoint_state(source(), 4), 0) << "code, no breakpoint";
  EXPECT_EQ(table().breakpoint_state(source(), 10), -1) << "no code";
  table().set_breakpoint(source(), 4);
  EXPECT_EQ(table().breakpoint_state(source(), 4), 1);
  EXPECT_EQ(table().breakpoint_state(source(), 4), 1) << "asking again changes nothing";
  EXPECT_EQ(slots_holding(breakpoint_of(4)), std::vector<int32_t>{2});
  table().remove_breakpoint(source(), 4);
  EXPECT_EQ(table().breakpoint_state(source(), 4), 0);
}

TEST_F(Breakpoints, removing_puts_the_instruction_back_and_answers_its_address) {
  build_straight();
  ASM* original = rom.fetch(3);
  table().set_breakpoint(source(), 5);
  EXPECT_EQ(table().remove_breakpoint(source(), 5), 3);
  EXPECT_EQ(rom.fetch(3), original);
  EXPECT_EQ(lines().count(5), 0u);
  EXPECT_EQ(table().remove_breakpoint(source(), 5), -1) << "nothing left to remove";
  EXPECT_EQ(table().remove_breakpoint(source(), 10), -1);
}

TEST_F(Breakpoints, remove_all_breakpoints_empties_the_table_and_restores_every_slot) {
  build_straight();
  const std::vector<std::string> before = listing();
  for (int line : {2, 5, 9, 11}) table().set_breakpoint(source(), line);
  ASSERT_EQ(breakpoint_count(), 4);
  table().remove_all_breakpoints(source());
  EXPECT_EQ(breakpoint_count(), 0);
  EXPECT_TRUE(lines().empty());
  EXPECT_EQ(listing(), before);
}

TEST_F(Breakpoints, installing_an_object_already_in_the_rom_answers_it_where_it_stands) {
  build_straight();
  BREAKPOINT first;
  BREAKPOINT second;
  EXPECT_EQ(install_breakpoint(rom, &first, path, 6), &first);
  EXPECT_EQ(install_breakpoint(rom, &first, path, 6), &first);
  EXPECT_EQ(slots_holding(&first), std::vector<int32_t>{4});
  EXPECT_EQ(install_breakpoint(rom, &second, path, 6), &first) << "the line's breakpoint wins";
  EXPECT_EQ(install_breakpoint(rom, nullptr, path, 6), &first);
  EXPECT_EQ(slots_holding(&second), std::vector<int32_t>{});
  EXPECT_EQ(install_breakpoint(rom, &second, path, 10), nullptr);
  EXPECT_EQ(install_breakpoint(rom, &second, "other.s", 6), nullptr);
  EXPECT_EQ(uninstall_breakpoint(rom, first), 4);
  EXPECT_EQ(uninstall_breakpoint(rom, first), -1) << "no longer in the ROM";
  EXPECT_EQ(uninstall_breakpoint(rom, second), -1) << "never installed";
}

TEST_F(Breakpoints, has_code_at_matches_the_exact_path_and_line) {
  build_straight();
  EXPECT_TRUE(has_code_at(rom, path, 2));
  EXPECT_TRUE(has_code_at(rom, path, 11));
  EXPECT_FALSE(has_code_at(rom, path, 10));
  EXPECT_FALSE(has_code_at(rom, path, 1));
  EXPECT_FALSE(has_code_at(rom, path + "x", 2));
  EXPECT_FALSE(has_code_at(rom, "prog.s", 2)) << "a different path string for the same file";
}

TEST_F(Breakpoints, a_rebuild_keeps_a_breakpoint_whose_line_still_has_code_and_drops_the_others) {
  build_straight();
  table().set_breakpoint(source(), 9);
  table().set_breakpoint(source(), 3);
  // Line 3 loses its code, line 9 gets another instruction, one address earlier.
  std::string edited = straight_program;
  edited.replace(edited.find("        LDIL R2,#2\n"), 19, "\n");
  edited.replace(edited.find("LDIL R1,#9 LDIL R2,#10"), 22, "LDIL R4,#12");
  edit("prog.s", edited);
  build();
  ASSERT_EQ(errors(), 0) << output();

  EXPECT_EQ(lines().count(3), 0u);
  ASSERT_EQ(lines().count(9), 1u);
  EXPECT_EQ(slots_holding(breakpoint_of(9)), std::vector<int32_t>{6});
  EXPECT_EQ(listing()[6], "* LDIL R4,#12");
  EXPECT_EQ(breakpoint_count(), 1);
  run();
  EXPECT_EQ(machine.program_counter.value, 6);
  EXPECT_EQ(value(4), 4);
}

TEST_F(Breakpoints, a_rebuild_that_fails_drops_nothing_and_installs_nothing) {
  build_straight();
  table().set_breakpoint(source(), 9);
  edit("prog.s", straight_program + "        FOO\n");
  build();
  ASSERT_GT(errors(), 0);
  EXPECT_TRUE(rom.empty());
  EXPECT_EQ(table().breakpoint_state(source(), 9), -1) << "no code in an empty ROM";
  edit("prog.s", straight_program);
  build();
  EXPECT_EQ(table().breakpoint_state(source(), 9), 0) << "the dropped breakpoint stays dropped";
}

// Breakpoints on a branch and on a padded branch target, put back by a rebuild: the code is
// word for word that of the same build without breakpoints, and each breakpoint holds one slot.
TEST_F(Breakpoints, breakpoints_never_change_the_generated_code) {
  SCRATCH_DIRECTORY scratch;
  path = add_source("loop.s", loop_program);
  build();
  ASSERT_EQ(errors(), 0) << output();
  const std::vector<int32_t> plain_codes = codes();
  const std::vector<std::string> plain_listing = listing();
  ASSERT_EQ(plain_listing[5], "NOP") << "the loop target is padded";
  ASSERT_EQ(rom.fetch(5)->position().line, 3);
  ASSERT_TRUE(write_binary_text_file("plain.b", machine, context.files, context.error_handler));

  ASSERT_GE(table().set_breakpoint(source(), 3), 0);
  ASSERT_GE(table().set_breakpoint(source(), 6), 0);
  build();
  ASSERT_EQ(errors(), 0) << output();
  EXPECT_EQ(codes(), plain_codes);
  EXPECT_EQ(without_marks(listing()), plain_listing);
  ASSERT_TRUE(write_binary_text_file("marked.b", machine, context.files, context.error_handler));
  EXPECT_EQ(SCRATCH_DIRECTORY::read("marked.b"), SCRATCH_DIRECTORY::read("plain.b"));

  EXPECT_EQ(breakpoint_count(), 2);
  EXPECT_EQ(slots_holding(breakpoint_of(3)).size(), 1u);
  EXPECT_EQ(slots_holding(breakpoint_of(6)).size(), 1u);
  EXPECT_TRUE(listing()[slots_holding(breakpoint_of(6))[0]].starts_with("* RB0"));
  // Put back before the padding was added, the breakpoint wraps the line's instruction.
  EXPECT_EQ(slots_holding(breakpoint_of(3)), std::vector<int32_t>{7});
  EXPECT_EQ(listing()[7], "* " + plain_listing[7]);
  EXPECT_NE(plain_listing[7], "NOP");

  // The padding before the target now comes first on line 3: asking about the line must find
  // the breakpoint where it stands, not wrap the padding with the same object.
  EXPECT_EQ(table().breakpoint_state(source(), 3), 1);
  EXPECT_EQ(table().breakpoint_state(source(), 6), 1);
  EXPECT_EQ(slots_holding(breakpoint_of(3)).size(), 1u);
  EXPECT_EQ(breakpoint_count(), 2);
  EXPECT_EQ(codes(), plain_codes);

  table().remove_breakpoint(source(), 3);
  table().remove_breakpoint(source(), 6);
  EXPECT_EQ(listing(), plain_listing) << "no instruction lost on removal";
  EXPECT_EQ(codes(), plain_codes);
}

TEST_F(Breakpoints, a_program_with_breakpoints_ends_as_it_does_without) {
  path = add_source("loop.s", loop_program);
  build();
  run();
  const int64_t plain_periods = machine.clock.periods();
  ASSERT_EQ(value(2), 3);

  table().set_breakpoint(source(), 3);
  table().set_breakpoint(source(), 6);
  build();
  int stops = 0;
  for (run(); machine.program_counter.value < rom.size(); run()) ++stops;
  EXPECT_EQ(stops, 6) << "three turns, each stopping on line 3 and on line 6";
  EXPECT_EQ(value(1), 0);
  EXPECT_EQ(value(2), 3);
  EXPECT_EQ(value(3), 7);
  EXPECT_EQ(machine.clock.periods(), plain_periods);
}

// The constant pool and the jump over it carry the position of the line that uses the constant
// but run once, at the start: the breakpoint belongs on the line's own code.
TEST_F(Breakpoints, a_line_whose_constant_is_pooled_stops_on_its_own_code) {
  machine.parameters.data_size = 16;
  path = add_source("pool.c",
                    "int x;\nint y;\n\nint main(void) {\n  x = 5;\n  x = x + 1;\n"
                    "  y = x + 1000;\n  y = y + 1;\n}\n");
  build();
  ASSERT_EQ(errors(), 0) << output();
  const int32_t address = table().set_breakpoint(source(), 7);
  ASSERT_GT(address, 0);
  EXPECT_FALSE(rom.fetch(0)->takes_line_breakpoint()) << "the pool's jump stays unwrapped";
  EXPECT_FALSE(rom.fetch(1)->takes_line_breakpoint()) << "and so does its word";

  run();
  EXPECT_EQ(machine.program_counter.value, address) << "the run must stop at line 7";
  EXPECT_TRUE(context.user_interface.stop);
  run();
  EXPECT_EQ(machine.program_counter.value, rom.size());
}
