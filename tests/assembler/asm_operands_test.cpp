// The assembler's operand readers: what each accepts, and each message at the column of the
// character where the reader stopped, with the rest of the line skipped.
#include "assembler/asm_operands.h"

#include <gtest/gtest.h>

#include "support/assembler_fixture.h"

namespace {

class OperandTest : public AssemblerTest {
 protected:
  // Assembles one line and expects exactly the one error at column.
  void expect_error(const std::string& line, const std::string& message, int column) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(assemble(line + "\n"));
    EXPECT_EQ(output(), error(message, 1, column, line));
  }
  std::string register_message() { return "Register expected (R0, R1, R2, ..., R7)."; }
};

TEST_F(OperandTest, missing_comma_is_reported_and_the_instruction_still_built) {
  EXPECT_FALSE(assemble(" ADD R1 R2\n"));
  EXPECT_EQ(output(), error("\",\" expected.", 1, 9, " ADD R1 R2"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"ADD R1,R2"}));
}

TEST_F(OperandTest, register_without_R_gives_the_register_message) {
  expect_error(" ADD Q1,R2", register_message(), 6);
  expect_error(" ADD R1,  Q2", register_message(), 11);
}

TEST_F(OperandTest, register_without_number_gives_both_messages) {
  EXPECT_FALSE(assemble(" ADD R,R2 NOP\n"));
  EXPECT_EQ(output(), error("Register number expected.", 1, 7, " ADD R,R2 NOP") +
                          error(register_message(), 1, 6, " ADD R,R2 NOP"));
  EXPECT_TRUE(machine().rom.empty());  // the NOP went with the rest of the line
}

TEST_F(OperandTest, register_numbers_not_below_X_are_refused_however_large) {
  expect_error(" ADD R8,R1", register_message(), 6);
  expect_error(" ADD R4294967296,R1", register_message(), 6);  // 2^32 would wrap to R0
  expect_error(" ADD R1,R4294967297", register_message(), 9);  // and this one to R1
  expect_error(" ADD R99999999999999999999999,R1", register_message(), 6);
}

TEST_F(OperandTest, register_message_names_the_last_register_of_the_configuration) {
  machine().parameters.register_count = 16;
  expect_error(" NEG R16", "Register expected (R0, R1, R2, ..., R15).", 6);
}

TEST_F(OperandTest, RX_minus_k_counts_from_the_last_register) {
  machine().parameters.register_count = 16;
  ASSERT_TRUE(assemble(" NEG RX-1\n NEG rx-8\n NEG R15\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"NEG R15", "NEG R8", "NEG R15"}));
}

TEST_F(OperandTest, RX_needs_a_minus_and_a_digit_from_1_to_8) {
  expect_error(" NEG RX-9", register_message(), 6);
  expect_error(" NEG RX-0", register_message(), 6);
  expect_error(" NEG RX1", register_message(), 6);
  expect_error(" NEG RX-", register_message(), 6);
}

TEST_F(OperandTest, address_register_needs_its_parentheses) {
  expect_error(" LD R1,R2", "Missing \"(\".", 8);
  expect_error(" LD R1,(R2", "Missing \")\".", 11);
  expect_error(" LD R1,(R2 NOP)", "Missing \")\".", 12);
}

TEST_F(OperandTest, address_register_must_be_even) {
  expect_error(" LD R1,(R3)", "Address register expected (must be an even register).", 9);
  expect_error(" IJMP ( R5 )", "Address register expected (must be an even register).", 9);
}

TEST_F(OperandTest, address_register_with_a_bad_register_gives_only_the_register_message) {
  expect_error(" IJMP (Q2)", register_message(), 8);
}

TEST_F(OperandTest, address_register_allows_blanks_and_a_line_end_after_the_parenthesis) {
  ASSERT_TRUE(assemble(" LD R1,( R2 )\n LPM R1,(\n R4)\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"LD R1,(R2)", "LPM R1,(R4)"}));
}

TEST_F(OperandTest, post_increment_needs_its_plus) {
  expect_error(" LDX R1,(R2)", "+ expected for \"LDX ri,(rj)+\"", 13);
  expect_error(" STX R1,(R2) NOP", "+ expected for \"STX ri,(rj)+\".", 14);
}

TEST_F(OperandTest, stepped_forms_allow_blanks_before_the_plus_and_the_minus) {
  ASSERT_TRUE(assemble(" LDX R1,(R2) +\n STX R3, -(R4)\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"LDX R1,(R2)+", "STX R3,-(R4)"}));
}

TEST_F(OperandTest, immediates_in_every_base_give_the_same_value) {
  ASSERT_TRUE(
      assemble(" PMC #0x1F\n PMC #0X1f\n PMC #0b11111\n PMC #0B11111\n PMC #0o37\n"
               " PMC #0O37\n PMC #31\n PMC #017\n PMC #0\n"))
      << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"#31 (PMC)", "#31 (PMC)", "#31 (PMC)", "#31 (PMC)",
                                               "#31 (PMC)", "#31 (PMC)", "#31 (PMC)", "#17 (PMC)",
                                               "#0 (PMC)"}));
}

TEST_F(OperandTest, immediate_signs_and_blanks_after_them) {
  ASSERT_TRUE(assemble(" PMC #+5\n PMC #-5\n PMC #- 0x10\n\tPMC\t#-\t3\n")) << output();
  EXPECT_EQ(texts(),
            (std::vector<std::string>{"#5 (PMC)", "#-5 (PMC)", "#-16 (PMC)", "#-3 (PMC)"}));
}

TEST_F(OperandTest, immediate_sign_must_follow_the_hash_at_once) {
  expect_error(" PMC # -3", "Immediate value expected.", 8);
}

TEST_F(OperandTest, immediates_wrap_to_32_bits) {
  ASSERT_TRUE(
      assemble(" PMC #4294967297\n PMC #0xFFFFFFFF\n PMC #-2147483648\n PMC #2147483648\n"
               " PMC #99999999999\n PMC #0x123456789\n PMC #-0x80000001\n"))
      << output();
  // 99999999999 - 23 * 2^32 = 1215752191; 0x23456789 = 591751049; -(2^31 + 1) wraps to 2^31 - 1.
  EXPECT_EQ(texts(), (std::vector<std::string>{"#1 (PMC)", "#-1 (PMC)", "#-2147483648 (PMC)",
                                               "#-2147483648 (PMC)", "#1215752191 (PMC)",
                                               "#591751049 (PMC)", "#2147483647 (PMC)"}));
}

TEST_F(OperandTest, immediate_without_hash_or_value_is_reported) {
  expect_error(" PMC 5", "Immediate value expected.", 6);
  expect_error(" PMC #,", "Immediate value expected.", 7);
  expect_error(" PMC #-", "Immediate value expected.", 8);
}

TEST_F(OperandTest, base_prefix_without_digits_is_reported) {
  expect_error(" PMC #0b2", "Binary immediate value expected.", 9);
  expect_error(" PMC #0o8", "Octal immediate value expected.", 9);
  expect_error(" PMC #0xg", "Hexadecimal immediate value expected.", 9);
  expect_error(" PMC #0x", "Hexadecimal immediate value expected.", 9);
}

TEST_F(OperandTest, immediate_out_of_range_is_reported_and_the_low_bound_used) {
  EXPECT_FALSE(assemble(" ADI R1,#64\n CMPI R2,#-65\n LDIL R3,#256\n LDIH R4,#-1\n"));
  EXPECT_EQ(output(), error("Immediate value out of range [-64..63].", 1, 9, " ADI R1,#64") +
                          error("Immediate value out of range [-64..63].", 2, 10, " CMPI R2,#-65") +
                          error("Immediate value out of range [0..255].", 3, 10, " LDIL R3,#256") +
                          error("Immediate value out of range [0..255].", 4, 10, " LDIH R4,#-1"));
  EXPECT_EQ(texts(),
            (std::vector<std::string>{"ADI R1,#-64", "CMPI R2,#-64", "LDIL R3,#0", "LDIH R4,#0"}));
}

TEST_F(OperandTest, immediate_range_bounds_themselves_are_accepted) {
  ASSERT_TRUE(assemble(" ADI R1,#63\n ADI R1,#-64\n LDIL R1,#0xFF\n LDIH R1,#0\n")) << output();
  EXPECT_EQ(texts(),
            (std::vector<std::string>{"ADI R1,#63", "ADI R1,#-64", "LDIL R1,#255", "LDIH R1,#0"}));
}

TEST_F(OperandTest, constants_and_the_two_predefined_names) {
  machine().parameters.data_size = 16;
  ASSERT_TRUE(
      assemble(" CST SIZE #10\n LDIL R1,#SIZE\n PMC #-SIZE\n PMC #_TAVREL_N\n"
               " PMC #_TAVREL_X\n"))
      << output();
  EXPECT_EQ(texts(),
            (std::vector<std::string>{"LDIL R1,#10", "#-10 (PMC)", "#16 (PMC)", "#8 (PMC)"}));
}

TEST_F(OperandTest, a_constant_hides_a_predefined_name_and_is_overwritten_by_a_later_CST) {
  ASSERT_TRUE(
      assemble(" CST _TAVREL_N #3\n PMC #_TAVREL_N\n CST A #1\n CST A #2\n PMC #A\n"
               " CST B #A\n PMC #B\n"))
      << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"#3 (PMC)", "#2 (PMC)", "#2 (PMC)"}));
}

TEST_F(OperandTest, unknown_constant_is_reported_at_its_name) {
  expect_error(" LDIL R1,#NOPE NOP", "Unknown constant.", 11);
  expect_error(" PMC #-_x", "Unknown constant.", 8);
}

TEST_F(OperandTest, constant_names_are_letters_and_underscores_only) {
  EXPECT_FALSE(assemble(" CST A #1\n PMC #A2\n"));
  // The name is A; the digit 2 then stands where the next mnemonic should.
  EXPECT_EQ(output(), error("Unknown asm instruction.", 2, 8, " PMC #A2"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"#1 (PMC)"}));
}

TEST_F(OperandTest, CST_needs_a_name_then_an_immediate) {
  expect_error(" CST 5 #1", "Constant name expected.", 6);
  expect_error(" CST NAME 1", "Immediate value expected.", 11);
  EXPECT_EQ(context().asm_parser.constants().size(), 0u);
}

TEST_F(OperandTest, bit_index_with_or_without_hash) {
  machine().parameters.data_size = 16;
  ASSERT_TRUE(assemble(" BITSET R1,7\n BITCLR R1,# 15\n BITST R1, #0\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"BITSET R1,#7", "BITCLR R1,#15", "BITST R1,#0"}));
}

TEST_F(OperandTest, bit_index_beyond_N_gives_both_messages_at_the_offending_digit) {
  EXPECT_FALSE(assemble(" BITSET R1,#8\n"));
  EXPECT_EQ(output(), error("Register bit index out of range.", 1, 13, " BITSET R1,#8") +
                          error("Register bit index expected.", 1, 13, " BITSET R1,#8"));
  EXPECT_TRUE(machine().rom.empty());
}

TEST_F(OperandTest, bit_index_is_checked_digit_by_digit) {
  machine().parameters.data_size = 16;
  EXPECT_FALSE(assemble(" BITCHG R1,#16\n"));
  EXPECT_EQ(output(), error("Register bit index out of range.", 1, 14, " BITCHG R1,#16") +
                          error("Register bit index expected.", 1, 14, " BITCHG R1,#16"));
}

TEST_F(OperandTest, missing_bit_index_is_reported) {
  expect_error(" BITSET R1,#", "Register bit index expected.", 13);
  expect_error(" BITSET R1,x", "Register bit index expected.", 12);
}

TEST_F(OperandTest, ports_up_to_126_and_any_constant) {
  ASSERT_TRUE(assemble(" CST P #127\n IN R1,126\n OUT R2, P\n IN R3,0\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"IN R1,126", "OUT R2,127", "IN R3,0"}));
}

TEST_F(OperandTest, port_127_and_above_or_not_a_number_is_refused) {
  expect_error(" IN R1,127", "Port number expected. ", 8);
  expect_error(" OUT R1,99999999999999999999", "Port number expected. ", 9);
  expect_error(" IN R1,#5", "Port number expected. ", 8);
}

TEST_F(OperandTest, port_constant_outside_0_to_127_is_refused_by_the_instruction) {
  EXPECT_FALSE(assemble(" CST Q #128\n OUT R1,Q\n"));
  EXPECT_EQ(output(), error("128 : port number out of range.", 2, 2, " OUT R1,Q"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"OUT R1,0"}));
}

TEST_F(OperandTest, every_spelling_of_the_status_flags) {
  ASSERT_TRUE(
      assemble(" IB0 #C,(R0)\n IB0 #c,(R0)\n IB0 #0,(R0)\n IB0 #z,(R0)\n IB0 #1,(R0)\n"
               " IB0 #n,(R0)\n IB0 #2,(R0)\n IB0 #v,(R0)\n IB0 #3,(R0)\n IB0 #s,(R0)\n"
               " IB0 #4,(R0)\n IB0 #i,(R0)\n IB1 # 7 ,(R0)\n"))
      << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{
                         "IB0 #C,(R0)", "IB0 #C,(R0)", "IB0 #C,(R0)", "IB0 #Z,(R0)", "IB0 #Z,(R0)",
                         "IB0 #N,(R0)", "IB0 #N,(R0)", "IB0 #V,(R0)", "IB0 #V,(R0)", "IB0 #S,(R0)",
                         "IB0 #S,(R0)", "IB0 #I,(R0)", "IB1 #I,(R0)"}));
}

TEST_F(OperandTest, status_flag_needs_a_hash_and_a_known_letter) {
  expect_error(" IB0 Z,(R4)", "Status register flag expected.", 6);
  expect_error(" IB0 #Q,(R4)", "Status register flag expected.", 7);
  expect_error(" RB1 #5,x", "Status register flag expected.", 7);
}

TEST_F(OperandTest, label_reference_may_have_a_hash_and_blanks) {
  ASSERT_TRUE(assemble("x: NOP\n RJMP #x\n RCALL # x\n RB0 #Z, x\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"NOP", "RJMP #0xFF (jump at 0x0000)",
                                               "RCALL #0xFE (jump at 0x0000)",
                                               "RB0 #Z,#0xFD (jump at 0x0000)"}));
}

TEST_F(OperandTest, label_reference_must_start_with_a_letter) {
  expect_error(" RJMP 5", "Label expected.", 7);
  expect_error(" RB0 #Z,_x", "Label expected.", 9);
}

}  // namespace
