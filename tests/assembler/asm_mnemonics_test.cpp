// Every mnemonic and alias of the assembler: the text it is written in, the instruction it
// builds (its print form) and the 16-bit code, the codes worked out by hand from the encodings.
#include "assembler/asm_mnemonics.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "assembler/asm_cursor.h"
#include "support/assembler_fixture.h"

namespace {

struct CASE {
  const char* source;
  const char* text;
  const char* code;
};

// clang-format off
constexpr CASE cases[] = {
  {"ADC R1,R2",     "ADC R1,R2",     "0000010001000001"},
  {"ADD R3,R5",     "ADD R3,R5",     "0000100010100011"},
  {"SUB R1,R2",     "SUB R1,R2",     "0000110001000001"},
  {"SUBC R1,R2",    "SUBC R1,R2",    "0001000001000001"},
  {"AND R1,R2",     "AND R1,R2",     "0001010001000001"},
  {"OR R1,R2",      "OR R1,R2",      "0001100001000001"},
  {"EOR R1,R2",     "EOR R1,R2",     "0001110001000001"},
  {"TFR R1,R2",     "TFR R1,R2",     "0010000001000001"},
  {"CMP R1,R2",     "CMP R1,R2",     "0010100001000001"},
  {"TTSR R3",       "TTSR R3",       "0010110000000011"},
  {"TFSR R3",       "TFSR R3",       "0011000000000011"},
  {"ASR R3",        "ASR R3",        "0100000000000011"},
  {"LSR R3",        "LSR R3",        "0100000010000011"},
  {"LSL R3",        "LSL R3",        "0100000100000011"},
  {"ROL R3",        "ROL R3",        "0100000110000011"},
  {"ROR R3",        "ROR R3",        "0100001000000011"},
  {"NEG R3",        "NEG R3",        "0100001010000011"},
  {"COM R3",        "COM R3",        "0100001100000011"},
  {"BITCHG R3,#5",  "BITCHG R3,#5",  "0100010010100011"},
  {"BITCLR R3,#5",  "BITCLR R3,#5",  "0100011010100011"},
  {"BITSET R3,#5",  "BITSET R3,#5",  "0100100010100011"},
  {"BITST R3,#5",   "BITST R3,#5",   "0100101010100011"},
  {"ADI R3,#-2",    "ADI R3,#-2",    "0110111111000011"},
  {"CMPI R3,#5",    "CMPI R3,#5",    "0111000010100011"},
  {"LDIH R2,#1",    "LDIH R2,#1",    "1000000000001010"},
  {"LDIL R2,#255",  "LDIL R2,#255",  "1000111111111010"},
  {"LD R1,(R2)",    "LD R1,(R2)",    "1001000001000001"},
  {"LDX R1,(R2)+",  "LDX R1,(R2)+",  "1001010001000001"},
  {"LDX R1,-(R2)",  "LDX R1,-(R2)",  "1001100001000001"},
  {"ST R1,(R2)",    "ST R1,(R2)",    "1001110001000001"},
  {"STX R1,(R2)+",  "STX R1,(R2)+",  "1010000001000001"},
  {"STX R1,-(R2)",  "STX R1,-(R2)",  "1010010001000001"},
  {"IN R1,5",       "IN R1,5",       "1010100000101001"},
  {"OUT R1,5",      "OUT R1,5",      "1010110000101001"},
  {"LPM R1,(R2)",   "LPM R1,(R2)",   "1011000001000001"},
  {"IJMP (R2)",     "IJMP (R2)",     "1100000000000010"},
  {"ICALL (R2)",    "ICALL (R2)",    "1100100000000010"},
  {"INT",           "int",           "1100000100000000"},
  {"RET",           "RET",           "1100001000000000"},
  {"RETI",          "RETI",          "1100001100000000"},
  {"NOP",           "NOP",           "1100110000000000"},
  {"IEM R3",        "IEM R3",        "1100110000000000"},
  {"IB0 #Z,(R4)",   "IB0 #Z,(R4)",   "1101000010000100"},
  {"IB1 #Z,(R4)",   "IB1 #Z,(R4)",   "1101010010000100"},
  {"PMC #4660",     "#4660 (PMC)",   "0001001000110100"},
  {"CLR R3",        "CLR R3 (EOR R3,R3)", "0001110001100011"},
  {"INC R3",        "ADI R3,#1",     "0110000000100011"},
  {"DEC R3",        "ADI R3,#-1",    "0110111111100011"},
  {"BRCC (R4)",     "IB0 #C,(R4)",   "1101000000000100"},
  {"BRCS (R4)",     "IB1 #C,(R4)",   "1101010000000100"},
  {"BRNE (R4)",     "IB0 #Z,(R4)",   "1101000010000100"},
  {"BREQ (R4)",     "IB1 #Z,(R4)",   "1101010010000100"},
  {"BRGE (R4)",     "IB0 #S,(R4)",   "1101001000000100"},
  {"BRLT (R4)",     "IB1 #S,(R4)",   "1101011000000100"},
  {"BRPL (R4)",     "IB0 #N,(R4)",   "1101000100000100"},
  {"BRMI (R4)",     "IB1 #N,(R4)",   "1101010100000100"},
  {"BRVC (R4)",     "IB0 #V,(R4)",   "1101000110000100"},
  {"BRVS (R4)",     "IB1 #V,(R4)",   "1101010110000100"},
  {"BRID (R4)",     "IB0 #I,(R4)",   "1101001110000100"},
  {"BRIE (R4)",     "IB1 #I,(R4)",   "1101011110000100"},
};
// clang-format on

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

class MnemonicTest : public AssemblerTest {};

TEST_F(MnemonicTest, every_mnemonic_and_alias_builds_its_instruction_and_code) {
  std::string source;
  for (const CASE& c : cases) source += std::string(" ") + c.source + "\n";
  ASSERT_TRUE(assemble(source)) << output();
  ASSERT_EQ(texts().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(texts()[i], cases[i].text) << cases[i].source;
    EXPECT_EQ(codes()[i], cases[i].code) << cases[i].source;
  }
  EXPECT_EQ(output(), "");
}

TEST_F(MnemonicTest, lower_case_mnemonics_and_registers_build_the_same_instructions) {
  std::string source;
  for (const CASE& c : cases) source += " " + lower(c.source) + "\n";
  ASSERT_TRUE(assemble(source)) << output();
  ASSERT_EQ(texts().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(codes()[i], cases[i].code) << cases[i].source;
}

TEST_F(MnemonicTest, relative_branches_reach_labels_before_and_after_them) {
  ASSERT_TRUE(
      assemble("start: NOP\n"
               " RJMP start\n"
               " RCALL ahead\n"
               " RB0 #C,start\n"
               "ahead: RB1 #Z,ahead\n"))
      << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{
                         "NOP", "RJMP #0xFF (jump at 0x0000)", "RCALL #0x02 (jump at 0x0004)",
                         "RB0 #C,#0xFD (jump at 0x0000)", "RB1 #Z,#0x00 (jump at 0x0004)"}));
  EXPECT_EQ(codes(),
            (std::vector<std::string>{"1100110000000000", "1110111111111111", "1111000000000010",
                                      "1101100001111101", "1101110010000000"}));
}

TEST_F(MnemonicTest, every_row_of_the_table_is_covered_by_the_cases) {
  std::set<std::string> covered{"RJMP", "RCALL", "RB0", "RB1", "CST"};
  for (const CASE& c : cases)
    covered.insert(std::string(c.source).substr(0, std::string(c.source).find(' ')));
  for (const ASM_MNEMONIC& m : all_mnemonics())
    EXPECT_TRUE(covered.count(std::string(m.text))) << m.text;
}

TEST(ReadMnemonic, takes_the_longest_mnemonic_the_letters_spell) {
  struct {
    const char* text;
    const char* mnemonic;
    int stop_column;
  } const rows[] = {{"SUBC", "SUBC", 5}, {"SUB ", "SUB", 4}, {"CMPI", "CMPI", 5},
                    {"RETI", "RETI", 5}, {"RET;", "RET", 4}, {"BITST", "BITST", 6},
                    {"ldx", "LDX", 4},   {"InT", "INT", 4},  {"brie", "BRIE", 5}};
  for (const auto& row : rows) {
    ASM_TEXT_CURSOR cursor(row.text, POSITION::make(nullptr, 1, 1));
    const ASM_MNEMONIC* m = read_mnemonic(cursor);
    ASSERT_NE(m, nullptr) << row.text;
    EXPECT_EQ(m->text, row.mnemonic);
    EXPECT_EQ(cursor.column(), row.stop_column) << row.text;
  }
}

TEST(ReadMnemonic, stops_on_the_character_that_leads_nowhere) {
  struct {
    const char* text;
    int stop_column;
  } const rows[] = {{"LOOP", 2}, {"LDI ", 4}, {"BITS", 5}, {"IB2", 3}, {",", 1},
                    {"(R2)", 1}, {"5", 1},    {"Q", 1},    {"AD", 3}};
  for (const auto& row : rows) {
    ASM_TEXT_CURSOR cursor(row.text, POSITION::make(nullptr, 1, 1));
    EXPECT_EQ(read_mnemonic(cursor), nullptr) << row.text;
    EXPECT_EQ(cursor.column(), row.stop_column) << row.text;
  }
}

}  // namespace

namespace {

struct NO_BLANK_CASE {
  const char* source;
  const char* message;  // empty: the register message
  int column;
};

// clang-format off
constexpr NO_BLANK_CASE no_blank_cases[] = {
  {" ADCR1,R2",  "", 5}, {" ADDR1,R2", "", 5}, {" ANDR1,R2", "", 5}, {" ORR1,R2", "", 4},
  {" EORR1,R2",  "", 5}, {" SUBCR1,R2", "", 6}, {" TFRR1,R2", "", 5},
  {" SUBR1,R2",  "Unknown asm instruction.", 5},
  {" ADIR1,#1",  "", 5}, {" CMPIR1,#1", "", 6}, {" LDILR1,#1", "", 6}, {" LDIHR1,#1", "", 6},
  {" ASRR1", "", 5}, {" COMR1", "", 5}, {" LSLR1", "", 5}, {" LSRR1", "", 5}, {" NEGR1", "", 5},
  {" ROLR1", "", 5}, {" RORR1", "", 5}, {" TFSRR1", "", 6}, {" TTSRR1", "", 6},
  {" IEMR1",     "Unknown asm instruction.", 5},
  {" BITCHGR1,#1", "", 8}, {" BITCLRR1,#1", "", 8}, {" BITSETR1,#1", "", 8},
  {" BITSTR1,#1", "", 7},
  {" LPMR1,(R2)", "", 5},
  {" STR1,(R2)", "Unknown asm instruction.", 4},
  {" LDXR1,(R2)+", "", 5}, {" STXR1,(R2)+", "", 5},
  {" IJMP(R2)", "", 6}, {" ICALL(R2)", "", 7},
  {" IB0#Z,(R2)", "Status register flag expected.", 5},
  {" IB1#Z,(R2)", "Status register flag expected.", 5},
  {" RB0#Z,x",    "Status register flag expected.", 5},
  {" RB1#Z,x",    "Status register flag expected.", 5},
  {" RJMP#x",     "Immediate value expected.", 6},
  {" RCALL#x",    "Immediate value expected.", 7},
  {" PMC#1",      "Bad PMC.", 5},
  {" CLRR1", "", 5}, {" INCR1", "", 5}, {" DECR1", "", 5},
  {" BRCC(R2)", "parenthsis expected.", 6}, {" BRCS(R2)", "parenthsis expected.", 6},
  {" BRNE(R2)", "parenthsis expected.", 6}, {" BREQ(R2)", "parenthsis expected.", 6},
  {" BRGE(R2)", "parenthsis expected.", 6}, {" BRLT(R2)", "parenthsis expected.", 6},
  {" BRPL(R2)", "parenthsis expected.", 6}, {" BRMI(R2)", "parenthsis expected.", 6},
  {" BRVC(R2)", "parenthsis expected.", 6}, {" BRVS(R2)", "parenthsis expected.", 6},
  {" BRID(R2)", "parenthsis expected.", 6}, {" BRIE(R2)", "parenthsis expected.", 6},
};
// clang-format on

TEST_F(MnemonicTest, a_mnemonic_that_needs_a_blank_reports_its_own_message_without_one) {
  for (const NO_BLANK_CASE& c : no_blank_cases) {
    TEST_CONTEXT fresh;
    const std::string file = directory.write("case.s", std::string(c.source) + "\n");
    EXPECT_FALSE(fresh.context.asm_parser.parse_file(file)) << c.source;
    const std::string message = *c.message ? c.message : "Register expected (R0, R1, R2, ..., R7).";
    path = file;
    EXPECT_EQ(fresh.take_output(), error(message, 1, c.column, c.source)) << c.source;
    EXPECT_TRUE(fresh.context.machine.rom.empty()) << c.source;
  }
}

TEST_F(MnemonicTest, CMP_LD_and_IN_skip_the_character_after_them_whatever_it_is) {
  ASSERT_TRUE(assemble(" CMPXR1,R2\n CMP,R1,R2\n LD,R1,(R2)\n LDPR1,(R2)\n IN,R1,5\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"CMP R1,R2", "CMP R1,R2", "LD R1,(R2)", "LD R1,(R2)",
                                               "IN R1,5"}));
}

TEST_F(MnemonicTest, IN_skipping_a_register_letter_then_misses_the_register) {
  EXPECT_FALSE(assemble(" INR1,5\n"));
  EXPECT_EQ(output(), error("Register expected (R0, R1, R2, ..., R7).", 1, 5, " INR1,5"));
}

TEST_F(MnemonicTest, OUT_and_the_mnemonics_without_operands_need_no_blank) {
  ASSERT_TRUE(assemble(" OUTR1,5\n NOPNOP\n RETNOP\n RETINOP\n INTNOP\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"OUT R1,5", "NOP", "NOP", "RET", "NOP", "RETI",
                                               "NOP", "int", "NOP"}));
}

TEST_F(MnemonicTest, CST_needs_no_blank_before_its_name) {
  ASSERT_TRUE(assemble(" CSTA#7\n PMC #A\n")) << output();
  EXPECT_EQ(texts(), (std::vector<std::string>{"#7 (PMC)"}));
}

}  // namespace
