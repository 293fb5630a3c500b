// The -debug prompt driven through its input stream: stepping on empty lines, breakpoints by
// line, running with C, the texts of the other commands, and when its buffered output shows.
#include "driver/console_debugger.h"

#include <gtest/gtest.h>

#include <streambuf>
#include <string>

#include "support/build_fixture.h"

namespace {

// Addresses: line 2 is 0, line 3 is 1, line 4 is blank, line 5 holds 2 and 3.
const std::string program =
    "* Two loads, a blank line, two loads on one line.\n"
    "        LDIL R1,#1\n"
    "        LDIL R2,#2\n"
    "\n"
    "        LDIL R3,#3 LDIL R4,#4\n";

const std::string help =
    "(H)elp to view this list.\n(R)egister [number].\n(P)rogram counter.\n(L)ist asm code.\n"
    "(U)pdate all (re-read all sources files).\n(S)tatus register and Stack.\n"
    "(M)emory <address> (view RAM word).\n(B)reakpoint <line> (set or unset).\n"
    "(C)continue execution in -run mode.\n(A)bout bubble <line> <column>.\n"
    "(T)ime: clock periods.\n(Q)uit.\n"
    "<CR> step by step execution.\n";

// A terminal: text reaches the screen only when flushed, and nothing is typed ahead, so every
// read waits for the user; a wait with text still held back is counted.
struct TERMINAL : std::streambuf {
  explicit TERMINAL(std::string typed) : typed(std::move(typed)) {}
  std::streamsize xsputn(const char* text, std::streamsize n) override {
    held_back.append(text, n);
    return n;
  }
  int sync() override {
    screen += held_back;
    held_back.clear();
    return 0;
  }
  int_type underflow() override {
    if (!held_back.empty()) ++waits_with_text_held_back;
    if (typed.empty()) return traits_type::eof();
    key = typed.front();
    typed.erase(0, 1);
    setg(&key, &key, &key + 1);
    return traits_type::to_int_type(key);
  }
  std::string typed, held_back, screen;
  char key = 0;
  int waits_with_text_held_back = 0;
};

class ConsoleDebugger : public BuildTest {
 protected:
  void SetUp() override {
    path = add_source("prog.s", program);
    build();
    ASSERT_EQ(errors(), 0) << output();
    ASSERT_EQ(rom.size(), 4);
  }

  // Runs the prompt on the given input, as -debug does, and answers what it wrote.
  std::string debug(const std::string& input) {
    test.input.str(input);
    test.input.clear();
    context.user_interface.stop = true;
    CONSOLE_DEBUGGER(context).run();
    return output();
  }

  // The step description: "PC = " and the address, blanks to 10, the text, blanks to 40.
  static std::string described(int address, const std::string& text) {
    std::string line = "PC = " + std::to_string(address);
    line.resize(10, ' ');
    line += text;
    line.resize(40, ' ');
    return line;
  }
  // The source line of an instruction in column 9, with its caret.
  std::string shown(int line, const std::string& source_line) const {
    return "Line " + std::to_string(line) + " column 9 in " + path + " :\n" + source_line +
           "\n        ^\n";
  }
  std::string quoted_path() const { return "\"" + path + "\".\n"; }

  std::string path;
};

}  // namespace

TEST_F(ConsoleDebugger, Q_ends_the_prompt_with_a_newline) {
  EXPECT_EQ(debug("Q\n"), "Tavrel > \n");
  EXPECT_EQ(debug("q\n"), "Tavrel > \n");
}

TEST_F(ConsoleDebugger, the_end_of_the_input_acts_as_Q) {
  EXPECT_EQ(debug(""), "Tavrel > \n");
  EXPECT_EQ(debug("?"), "Tavrel > " + help + "Tavrel > \n") << "a last line without its end";
}

TEST_F(ConsoleDebugger, each_empty_line_shows_the_source_line_and_steps_once) {
  EXPECT_EQ(debug("\n\nQ\n"), "Tavrel > " + shown(2, "        LDIL R1,#1") +
                                  described(0, "LDIL R1,#1") + shown(3, "        LDIL R2,#2") +
                                  described(1, "LDIL R2,#2") + "\n");
  EXPECT_EQ(value(1), 1);
  EXPECT_EQ(value(2), 2);
  EXPECT_EQ(machine.program_counter.value, 2);
}

TEST_F(ConsoleDebugger, stepping_ends_with_the_input) {
  EXPECT_EQ(debug("\n"),
            "Tavrel > " + shown(2, "        LDIL R1,#1") + described(0, "LDIL R1,#1") + "\n");
}

TEST_F(ConsoleDebugger, an_edited_file_shows_its_new_text_only_once_U_rebuilds_it) {
  debug("\nQ\n");
  edit("prog.s", "*\n        LDIL R1,#1\n        LDIL R2,#5\n");
  EXPECT_EQ(debug("\nU\n\n\nQ\n"),
            "Tavrel > " + shown(3, "        LDIL R2,#2") + described(1, "LDIL R2,#2") +
                "Tavrel > " + shown(2, "        LDIL R1,#1") + described(0, "LDIL R1,#1") +
                shown(3, "        LDIL R2,#5") + described(1, "LDIL R2,#5") + "\n");
}

TEST_F(ConsoleDebugger, everything_written_is_on_the_screen_before_each_wait_and_at_the_end) {
  TERMINAL terminal("\nP\nZ\nQ\n");
  std::streambuf* input = test.input.std::ios::rdbuf(&terminal);
  std::streambuf* output = test.output.std::ios::rdbuf(&terminal);
  context.user_interface.stop = true;
  CONSOLE_DEBUGGER(context).run();
  test.input.std::ios::rdbuf(input);
  test.output.std::ios::rdbuf(output);
  EXPECT_EQ(terminal.waits_with_text_held_back, 0);
  EXPECT_EQ(terminal.screen, "Tavrel > " + shown(2, "        LDIL R1,#1") +
                                 described(0, "LDIL R1,#1") + described(1, "LDIL R2,#2") + "\n" +
                                 shown(3, "        LDIL R2,#2") +
                                 "Tavrel > Unknow command \"Z\"\nType H to view command list.\n"
                                 "Tavrel > \n");
}

TEST_F(ConsoleDebugger, stepping_past_the_code_only_describes_the_end) {
  machine.program_counter.value = 4;
  EXPECT_EQ(debug("\nQ\n"), "Tavrel > " + described(4, "End of code reached.") + "\n");
  EXPECT_EQ(machine.clock.periods(), 0);
}

TEST_F(ConsoleDebugger, a_line_of_blanks_does_nothing) {
  EXPECT_EQ(debug("   \t \nQ\n"), "Tavrel > Tavrel > \n");
  EXPECT_EQ(machine.program_counter.value, 0);
}

TEST_F(ConsoleDebugger, B_sets_then_removes_and_refuses_a_line_without_code) {
  EXPECT_EQ(debug("B 3\nB 3\nb 4\nB x\nQ\n"), "Tavrel > Breakpoint at line 3 of " + quoted_path() +
                                                  "Tavrel > Removing breakpoint at line 3 of " +
                                                  quoted_path() +
                                                  "Tavrel > line 4 is not reachable.\n"
                                                  "Tavrel > Bad breakpoint line :  x\n"
                                                  "Tavrel > \n");
  EXPECT_EQ(breakpoint_count(), 0);
}

TEST_F(ConsoleDebugger, B_needs_a_current_position) {
  machine.program_counter.value = 4;
  EXPECT_EQ(debug("B 3\nQ\n"), "Tavrel > Tavrel > \n");
  EXPECT_EQ(breakpoint_count(), 0);
}

TEST_F(ConsoleDebugger, C_runs_to_a_breakpoint_and_then_moves_off_it_to_the_end) {
  EXPECT_EQ(debug("B 5\nC\nC\nQ\n"),
            "Tavrel > Breakpoint at line 5 of " + quoted_path() +
                "Tavrel > Running...\nBreakpoint reached.\n" + described(2, "* LDIL R3,#3") +
                "\n"
                "Tavrel > Running...\n" +
                described(4, "End of code reached.") + "\n" + "Tavrel > \n");
  EXPECT_EQ(value(3), 3);
  EXPECT_EQ(value(4), 4);
  EXPECT_EQ(machine.clock.periods(), 4);
  EXPECT_TRUE(context.user_interface.stop) << "set again after the run";
}

TEST_F(ConsoleDebugger, C_stops_on_the_breakpoint_with_its_instruction_not_executed) {
  debug("B 5\nC\nQ\n");
  EXPECT_EQ(machine.program_counter.value, 2);
  EXPECT_EQ(value(3), 0);
  EXPECT_EQ(machine.clock.periods(), 2);
}

TEST_F(ConsoleDebugger, C_without_breakpoints_runs_to_the_end) {
  EXPECT_EQ(debug("c\nQ\n"),
            "Tavrel > Running...\n" + described(4, "End of code reached.") + "\nTavrel > \n");
  EXPECT_EQ(value(4), 4);
}

TEST_F(ConsoleDebugger, C_past_the_code_only_describes_the_end) {
  machine.program_counter.value = 4;
  EXPECT_EQ(debug("C\nQ\n"),
            "Tavrel > Running...\n" + described(4, "End of code reached.") + "\nTavrel > \n");
  EXPECT_EQ(machine.clock.periods(), 0);
}

TEST_F(ConsoleDebugger, L_lists_the_code_with_the_breakpoint_marked) {
  EXPECT_EQ(debug("B 5\nL\nQ\n"), "Tavrel > Breakpoint at line 5 of " + quoted_path() +
                                      "Tavrel > "
                                      "0       LDIL R1,#1\n"
                                      "1       LDIL R2,#2\n"
                                      "2       * LDIL R3,#3\n"
                                      "3       LDIL R4,#4\n"
                                      "Tavrel > \n");
}

TEST_F(ConsoleDebugger, U_rebuilds_and_keeps_the_breakpoints) {
  debug("B 5\n\nU\nQ\n");
  EXPECT_EQ(machine.program_counter.value, 0) << "the rebuild resets the machine";
  EXPECT_EQ(value(1), 0);
  EXPECT_EQ(listing()[2], "* LDIL R3,#3");
  EXPECT_EQ(breakpoint_count(), 1);
}

TEST_F(ConsoleDebugger, P_describes_without_executing_and_shows_the_line) {
  EXPECT_EQ(debug("P\nQ\n"), "Tavrel > " + described(0, "LDIL R1,#1") + "\n" +
                                 shown(2, "        LDIL R1,#1") + "Tavrel > \n");
  EXPECT_EQ(machine.program_counter.value, 0);
}

TEST_F(ConsoleDebugger, H_h_and_question_mark_write_the_help) {
  EXPECT_EQ(debug("H\nh\n?\nQ\n"),
            "Tavrel > " + help + "Tavrel > " + help + "Tavrel > " + help + "Tavrel > \n");
}

TEST_F(ConsoleDebugger, an_unknown_command_quotes_the_whole_line) {
  EXPECT_EQ(debug("  Z 12\nQ\n"),
            "Tavrel > Unknow command \"  Z 12\"\nType H to view command list.\nTavrel > \n");
}

TEST_F(ConsoleDebugger, only_the_first_command_of_a_line_is_read) {
  EXPECT_EQ(debug("QH\n"), "Tavrel > \n");
}

TEST_F(ConsoleDebugger, M_shows_a_ram_word_or_refuses_its_argument) {
  EXPECT_EQ(debug("M x\nm 0\nQ\n"),
            "Tavrel > Bad memory address:  x\n"
            "Tavrel > 0 is not a valid address in RAM.\n"
            "Tavrel > \n");
}

TEST_F(ConsoleDebugger, R_shows_one_register_or_says_there_is_none) {
  EXPECT_EQ(debug("\nR 1\nR 8\nQ\n"), "Tavrel > " + shown(2, "        LDIL R1,#1") +
                                          described(0, "LDIL R1,#1") +
                                          "R1  = 0x01 0b00000001 = 1\n"
                                          "Tavrel > R8 : no such register.\n"
                                          "Tavrel > \n");
}
