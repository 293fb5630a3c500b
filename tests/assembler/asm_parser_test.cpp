// The assembler over whole files: layout and comments, labels, recovery after errors, the
// constant table across files, and parse_one for assembly inside C.
#include "assembler/asm_parser.h"

#include <gtest/gtest.h>

#include "assembler/asm_cursor.h"
#include "isa/instructions.h"
#include "support/assembler_fixture.h"

namespace {

class ParserTest : public AssemblerTest {
 protected:
  // A label of the file, reached through a branch that names it.
  const ASM_LABEL* label(const std::string& name) {
    for (int32_t a = 0; a < machine().rom.size(); ++a) {
      if (auto* branch = dynamic_cast<const ASM_BR*>(machine().rom.fetch(a)))
        if (branch->label() && branch->label()->name == name) return branch->label();
    }
    return nullptr;
  }
};

TEST_F(ParserTest, comments_blank_lines_and_several_instructions_on_a_line) {
  ASSERT_TRUE(
      assemble("* a comment line\n"
               "; another\n"
               "\n"
               "\t NOP NOP\tRET ; three on a line\n"
               " ADD R1,R2 * a comment after an instruction\n"
               "   \t\n"
               " INC R1;no blank needed\n"))
      << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "NOP", "RET", "ADD R1,R2", "ADI R1,#1"}));
  EXPECT_EQ(output(), "");
}

TEST_F(ParserTest, lines_ending_in_carriage_returns_read_like_any_other) {
  ASSERT_TRUE(assemble("a: NOP\r\n RJMP a\r\n\r NOP\r")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "RJMP #0xFF (jump at 0x0000)", "NOP"}));
}

TEST_F(ParserTest, instructions_take_the_position_of_their_mnemonic) {
  ASSERT_TRUE(assemble(" NOP\n\n   ADD R1,R2  NEG R3\n")) << output();
  ASSERT_EQ(machine().rom.size(), 3);
  const POSITION p = machine().rom.fetch(2)->position();
  EXPECT_EQ(p.source_file, context().source_files.find(path));
  EXPECT_EQ(p.line, 3);
  EXPECT_EQ(p.column, 15);
  EXPECT_EQ(machine().rom.fetch(1)->position().column, 4);
}

TEST_F(ParserTest, label_at_column_1_takes_the_address_of_the_next_instruction) {
  ASSERT_TRUE(assemble(" NOP\n NOP\nloop: ADD R1,R2\n RJMP loop\n")) << output();
  const ASM_LABEL* loop = label("loop");
  ASSERT_NE(loop, nullptr);
  EXPECT_EQ(loop->address, 2);
  ASSERT_TRUE(loop->definition.has_value());
  EXPECT_EQ(loop->definition->line, 3);
  EXPECT_EQ(loop->definition->column, 1);
  EXPECT_EQ(texts()[3], "RJMP #0xFF (jump at 0x0002)");
}

TEST_F(ParserTest, a_mnemonic_not_in_column_1_is_never_a_label) {
  EXPECT_FALSE(assemble(" loop: ADD R1,R2\n"));
  EXPECT_EQ(output(), error("Unknown asm instruction.", 1, 3, " loop: ADD R1,R2"));
  EXPECT_TRUE(machine().rom.empty());
}

TEST_F(ParserTest, a_mnemonic_in_column_1_is_read_as_a_label) {
  EXPECT_TRUE(assemble("NOP\n RET\n"));
  EXPECT_EQ(output(), report("Warning", "\":\" expected after a label.", 2, 2, " RET"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"RET"}));
}

TEST_F(ParserTest, colon_may_stand_on_a_later_line) {
  ASSERT_TRUE(assemble("later\n\n  :  NOP\n RJMP later\n")) << output();
  EXPECT_EQ(output(), "");
  EXPECT_EQ(texts()[1], "RJMP #0xFF (jump at 0x0000)");
}

TEST_F(ParserTest, label_without_colon_is_warned_about_and_defined) {
  EXPECT_TRUE(assemble(" NOP\nhere NOP\n RJMP here\n"));
  EXPECT_EQ(output(), report("Warning", "\":\" expected after a label.", 2, 6, "here NOP"));
  EXPECT_EQ(warnings(), 1);
  EXPECT_EQ(errors(), 0);
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "NOP", "RJMP #0xFF (jump at 0x0001)"}));
}

TEST_F(ParserTest, labels_alone_on_their_lines_and_several_in_a_row) {
  ASSERT_TRUE(
      assemble("first:\nsecond:\n* comment\nthird: NOP\n RJMP first\n RJMP second\n"
               " RJMP third\n"))
      << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "RJMP #0xFF (jump at 0x0000)",
                                               "RJMP #0xFE (jump at 0x0000)",
                                               "RJMP #0xFD (jump at 0x0000)"}));
}

TEST_F(ParserTest, label_names_hold_digits_and_underscores_and_keep_their_case) {
  EXPECT_FALSE(assemble("loop_2: NOP\n RJMP loop_2\n RJMP Loop_2\n"));
  EXPECT_EQ(output(), error("Label not defined.", 3, 7, " RJMP Loop_2"));
}

TEST_F(ParserTest, label_defined_twice_shows_both_places) {
  EXPECT_FALSE(assemble("twice: NOP\n NOP\ntwice: NOP\n RJMP twice\n"));
  EXPECT_EQ(output(), "****** Error : Label defined twice.\n" + where(3, 1, "twice: NOP") +
                          where(1, 1, "twice: NOP") + "------\n");
  EXPECT_EQ(texts()[3], "RJMP #0xFD (jump at 0x0000)");  // the first definition stands
}

TEST_F(ParserTest, undefined_labels_are_reported_once_each_at_their_first_use) {
  EXPECT_FALSE(assemble(" RJMP nowhere\n RB0 #C,other\n RCALL nowhere\n"));
  EXPECT_EQ(output(), error("Label not defined.", 1, 7, " RJMP nowhere") +
                          error("Label not defined.", 2, 9, " RB0 #C,other"));
  EXPECT_EQ(errors(), 2);
  EXPECT_EQ(machine().rom.size(), 3);
}

TEST_F(ParserTest, labels_belong_to_one_file) {
  ASSERT_TRUE(assemble("x: NOP\n RJMP x\n", "a.s")) << output();
  EXPECT_FALSE(assemble(" RJMP x\n", "b.s"));
  EXPECT_EQ(output(), error("Label not defined.", 1, 7, " RJMP x"));
  // The first file's branch keeps its own label.
  EXPECT_EQ(texts()[1], "RJMP #0xFF (jump at 0x0000)");
}

TEST_F(ParserTest, a_label_keeps_its_address_when_later_files_add_code) {
  ASSERT_TRUE(assemble(" NOP\n NOP\n", "a.s"));
  ASSERT_TRUE(assemble("here: NOP\n RJMP here\n", "b.s")) << output();
  ASSERT_TRUE(assemble(" NOP\n", "c.s"));
  EXPECT_EQ(texts(),
            (std::vector<std::string>{"NOP", "NOP", "NOP", "RJMP #0xFF (jump at 0x0002)", "NOP"}));
}

TEST_F(ParserTest, after_an_error_the_rest_of_the_line_goes_and_the_next_line_is_parsed) {
  EXPECT_FALSE(assemble(" FOO R1 NOP\n NOP\n ADD R9,R1 NOP\n NEG R1\n"));
  EXPECT_EQ(output(),
            error("Unknown asm instruction.", 1, 2, " FOO R1 NOP") +
                error("Register expected (R0, R1, R2, ..., R7).", 3, 6, " ADD R9,R1 NOP"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "NEG R1"}));
  EXPECT_EQ(errors(), 2);
}

TEST_F(ParserTest, characters_that_cannot_start_a_mnemonic_are_unknown_instructions) {
  EXPECT_FALSE(assemble(" , NOP\n (R2)\n 5\n NOP ) NOP\n NOP\n"));
  EXPECT_EQ(output(), error("Unknown asm instruction.", 1, 2, " , NOP") +
                          error("Unknown asm instruction.", 2, 2, " (R2)") +
                          error("Unknown asm instruction.", 3, 2, " 5") +
                          error("Unknown asm instruction.", 4, 6, " NOP ) NOP"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "NOP"}));
}

TEST_F(ParserTest, a_zero_byte_inside_a_line_is_an_unknown_instruction_not_the_end) {
  EXPECT_FALSE(assemble(std::string(" NOP \0 NOP\n NEG R2\n", 19)));
  EXPECT_EQ(errors(), 1);
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "NEG R2"}));
}

TEST_F(ParserTest, an_empty_file_gives_nothing_and_succeeds) {
  EXPECT_TRUE(assemble(""));
  EXPECT_TRUE(assemble("\n\n   \n"));
  EXPECT_TRUE(machine().rom.empty());
  EXPECT_EQ(output(), "");
}

TEST_F(ParserTest, an_unreadable_file_is_reported_and_nothing_parsed) {
  EXPECT_FALSE(context().asm_parser.parse_file(directory.path() + "/missing.s"));
  EXPECT_EQ(output(), "****** Error : Unable to open file \"" + directory.path() +
                          "/missing.s\".\n\n------\n");
  EXPECT_TRUE(machine().rom.empty());
}

TEST_F(ParserTest, constants_stay_for_the_whole_build) {
  ASSERT_TRUE(assemble(" CST SIZE #10\n", "a.s"));
  ASSERT_TRUE(assemble(" LDIL R1,#SIZE\n", "b.s")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"LDIL R1,#10"}));
  context().asm_parser.clear_constants();
  EXPECT_FALSE(assemble(" LDIL R1,#SIZE\n", "c.s"));
  EXPECT_EQ(output(), error("Unknown constant.", 1, 11, " LDIL R1,#SIZE"));
}

TEST_F(ParserTest, a_new_build_frees_the_labels_only_once_the_ROM_is_empty) {
  ASSERT_TRUE(assemble("x: NOP\n RJMP x\n"));
  context().asm_parser.clear_constants();  // the ROM still points to x: it must stay valid
  EXPECT_EQ(texts()[1], "RJMP #0xFF (jump at 0x0000)");
  machine().reset();
  context().asm_parser.clear_constants();
  ASSERT_TRUE(assemble(" NOP\ny: RJMP y\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "RJMP #0x00 (jump at 0x0001)"}));
}

TEST_F(ParserTest, the_edge_case_instructions_of_the_assembler) {
  ASSERT_TRUE(assemble(" BREQ (R4)\n INC R3\n CLR R3\n add r1,r2\n ADD R1,R2\n NEG RX-1\n"))
      << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"IB1 #Z,(R4)", "ADI R3,#1", "CLR R3 (EOR R3,R3)",
                                               "ADD R1,R2", "ADD R1,R2", "NEG R7"}));
  EXPECT_EQ(codes()[3], codes()[4]);
}

// parse_one: assembly inside C, read through a cursor the C parser provides.
class ParseOneTest : public AssemblerTest {
 protected:
  std::string text_of(const std::unique_ptr<ASM>& instruction) {
    std::string text;
    if (instruction) instruction->append_text(text, machine());
    return text;
  }
  ASM_PARSER& parser() { return context().asm_parser; }
};

TEST_F(ParseOneTest, answers_one_instruction_per_call_then_nothing_at_the_end) {
  ASM_TEXT_CURSOR cursor(" ADD R1,R2 NOP\n  NEG R3 ", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(text_of(parser().parse_one(cursor)), "ADD R1,R2");
  EXPECT_EQ(text_of(parser().parse_one(cursor)), "NOP");
  EXPECT_EQ(text_of(parser().parse_one(cursor)), "NEG R3");
  EXPECT_EQ(parser().parse_one(cursor), nullptr);
  EXPECT_EQ(parser().parse_one(cursor), nullptr);
  EXPECT_EQ(errors(), 0);
}

TEST_F(ParseOneTest, an_empty_or_blank_text_gives_nothing) {
  ASM_TEXT_CURSOR empty("", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(parser().parse_one(empty), nullptr);
  ASM_TEXT_CURSOR blank("  \n ; comment", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(parser().parse_one(blank), nullptr);
  EXPECT_EQ(errors(), 0);
}

TEST_F(ParseOneTest, goes_past_constant_definitions_to_the_next_instruction) {
  ASM_TEXT_CURSOR cursor("CST K #3 ADI R1,#K", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(text_of(parser().parse_one(cursor)), "ADI R1,#3");
}

TEST_F(ParseOneTest, stops_at_the_first_error_with_nothing) {
  TEMPORARY_DIRECTORY c_files;
  SRC_FILE& file =
      context().source_files.source_file_for(c_files.write("prog.c", "  asm(FOO NOP)\n"));
  ASM_TEXT_CURSOR cursor("FOO NOP", POSITION::make(&file, 1, 7));
  EXPECT_EQ(parser().parse_one(cursor), nullptr);
  path = file.path();
  EXPECT_EQ(output(), error("Unknown asm instruction.", 1, 7, "  asm(FOO NOP)"));
  EXPECT_EQ(errors(), 1);
}

TEST_F(ParseOneTest, a_letter_at_column_1_is_a_mnemonic_not_a_label) {
  ASM_TEXT_CURSOR cursor("NOP", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(text_of(parser().parse_one(cursor)), "NOP");
  ASM_TEXT_CURSOR label("loop: NOP", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(parser().parse_one(label), nullptr);
  EXPECT_EQ(errors(), 1);
}

TEST_F(ParseOneTest, a_label_reference_cannot_be_resolved_and_is_reported_at_once) {
  TEMPORARY_DIRECTORY c_files;
  SRC_FILE& file =
      context().source_files.source_file_for(c_files.write("prog.c", "asm(RJMP away)\n"));
  ASM_TEXT_CURSOR cursor("RJMP away", POSITION::make(&file, 1, 5));
  EXPECT_EQ(parser().parse_one(cursor), nullptr);
  path = file.path();
  EXPECT_EQ(output(), error("Label not defined.", 1, 10, "asm(RJMP away)"));
}

TEST_F(ParseOneTest, constant_names_fall_back_to_the_C_macros) {
  std::vector<std::string> asked;
  const ASM_MACRO_LOOKUP macros = [&](const std::string& name,
                                      const POSITION&) -> std::optional<int32_t> {
    asked.push_back(name);
    if (name == "BITS") return 12;
    context().error_handler.error_without_position("Unknown constant.");
    return std::nullopt;
  };
  ASM_TEXT_CURSOR cursor("CST K #1 LDIL R1,#BITS PMC #K PMC #_TAVREL_N",
                         POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(text_of(parser().parse_one(cursor, macros)), "LDIL R1,#12");
  EXPECT_EQ(text_of(parser().parse_one(cursor, macros)), "#1 (PMC)");
  EXPECT_EQ(text_of(parser().parse_one(cursor, macros)), "#8 (PMC)");
  EXPECT_EQ(asked, (std::vector<std::string>{"BITS"}));  // table and predefined names first
  ASM_TEXT_CURSOR unknown("LDIL R1,#NONE", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(parser().parse_one(unknown, macros), nullptr);
  EXPECT_EQ(output(), "****** Error : Unknown constant.\n------\n");  // reported once, by C
}

TEST_F(ParseOneTest, an_instruction_with_a_missing_comma_is_still_answered) {
  ASM_TEXT_CURSOR cursor("ADD R1 R2", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(text_of(parser().parse_one(cursor)), "ADD R1,R2");
  EXPECT_EQ(errors(), 1);
}

TEST_F(ParseOneTest, errors_counted_before_the_call_do_not_stop_it) {
  context().error_handler.error_without_position("Earlier.");
  ASM_TEXT_CURSOR cursor("CST K #1 NOP", POSITION::make(nullptr, 1, 1));
  EXPECT_EQ(text_of(parser().parse_one(cursor)), "NOP");
}

}  // namespace
