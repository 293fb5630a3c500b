// The mnemonic table and the letter-by-letter recogniser. Rows are grouped by operand form;
// an alias (CLR, INC, DEC, the BR family) is a row whose builder makes another class.
#include "assembler/asm_mnemonics.h"

#include <array>
#include <cstddef>

#include "assembler/asm_cursor.h"
#include "assembler/asm_operands.h"
#include "isa/immediate_range.h"
#include "isa/instructions.h"

namespace {

template <class T>
std::unique_ptr<ASM> none(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<T>(o.position);
}
template <class T>
std::unique_ptr<ASM> one_register(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<T>(o.position, o.first);
}
template <class T>
std::unique_ptr<ASM> two_registers(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<T>(o.position, o.first, o.second);
}
template <class T>
std::unique_ptr<ASM> register_immediate(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<T>(o.position, o.first, o.immediate);
}
template <class T>
std::unique_ptr<ASM> register_port(const ASM_OPERANDS& o, ERROR_HANDLER& errors) {
  return std::make_unique<T>(o.position, o.first, o.immediate, errors);
}
template <class T>
std::unique_ptr<ASM> flag_address(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<T>(o.position, o.flag, o.first);
}
template <class T>
std::unique_ptr<ASM> flag_target(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<T>(o.position, o.flag, o.label);
}
template <class T>
std::unique_ptr<ASM> target(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<T>(o.position, o.label);
}
std::unique_ptr<ASM> program_constant(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<PMC>(o.position, o.immediate);
}
std::unique_ptr<ASM> clear(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<EOR>(o.position, o.first, o.first);
}
std::unique_ptr<ASM> increment(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<ADI>(o.position, o.first, 1);
}
std::unique_ptr<ASM> decrement(const ASM_OPERANDS& o, ERROR_HANDLER&) {
  return std::make_unique<ADI>(o.position, o.first, -1);
}

using FORM = ASM_OPERAND_FORM;
using AFTER = AFTER_MNEMONIC;
constexpr AFTER register_message = AFTER::BLANK_ELSE_REGISTER_MESSAGE;

constexpr ASM_MNEMONIC row(std::string_view text, FORM form, ASM_BUILDER build,
                           AFTER after = register_message) {
  return ASM_MNEMONIC{.text = text, .form = form, .after = after, .build = build};
}
constexpr ASM_MNEMONIC row(std::string_view text, FORM form, ASM_BUILDER build,
                           std::string_view no_blank_message) {
  return ASM_MNEMONIC{.text = text,
                      .form = form,
                      .after = AFTER::BLANK_ELSE_MESSAGE,
                      .no_blank_message = no_blank_message,
                      .build = build};
}
// The range is the instruction's own field.
constexpr ASM_MNEMONIC ranged(std::string_view text, ASM_BUILDER build, OPCODE opcode) {
  ASM_MNEMONIC r = row(text, FORM::R_IMMEDIATE, build);
  r.low = immediate_range(opcode).low;
  r.high = immediate_range(opcode).high;
  return r;
}
constexpr ASM_MNEMONIC stepped(std::string_view text, ASM_BUILDER increment_form,
                               ASM_BUILDER decrement_form, std::string_view missing_plus) {
  ASM_MNEMONIC r = row(text, FORM::R_ADDRESS_STEP, increment_form);
  r.build_pre_decrement = decrement_form;
  r.missing_plus_message = missing_plus;
  return r;
}
// BRCC (Ra) and its kin: IB0 or IB1 on a fixed flag.
constexpr ASM_MNEMONIC branch_alias(std::string_view text, ASM_BUILDER build, char flag) {
  ASM_MNEMONIC r = row(text, FORM::ADDRESS, build, "parenthsis expected.");
  r.flag = flag;
  return r;
}

constexpr std::string_view flag_expected = "Status register flag expected.";

// clang-format off
constexpr std::array mnemonics{
  row("ADC",  FORM::RR, two_registers<ADC>),
  row("ADD",  FORM::RR, two_registers<ADD>),
  row("AND",  FORM::RR, two_registers<ASM_AND>),
  row("OR",   FORM::RR, two_registers<ASM_OR>),
  row("EOR",  FORM::RR, two_registers<EOR>),
  row("SUBC", FORM::RR, two_registers<SUBC_Z>),
  row("TFR",  FORM::RR, two_registers<TFR>),
  row("SUB",  FORM::RR, two_registers<SUB>, "Unknown asm instruction."),
  row("CMP",  FORM::RR, two_registers<CMP>, AFTER::SKIP_ONE_CHARACTER),
  ranged("ADI",  register_immediate<ADI>, OPCODE::ADI),
  ranged("CMPI", register_immediate<CMPI>, OPCODE::CMPI),
  ranged("LDIL", register_immediate<LDIL>, OPCODE::LDIL),
  ranged("LDIH", register_immediate<LDIH>, OPCODE::LDIH),
  row("ASR",  FORM::R, one_register<ASR>),
  row("COM",  FORM::R, one_register<COM>),
  row("LSL",  FORM::R, one_register<LSL>),
  row("LSR",  FORM::R, one_register<LSR>),
  row("NEG",  FORM::R, one_register<NEG>),
  row("ROL",  FORM::R, one_register<ROL>),
  row("ROR",  FORM::R, one_register<ROR>),
  row("TFSR", FORM::R, one_register<TFSR>),
  row("TTSR", FORM::R, one_register<TTSR>),
  row("IEM",  FORM::R, one_register<IEM>, "Unknown asm instruction."),
  row("CLR",  FORM::R, clear),
  row("INC",  FORM::R, increment),
  row("DEC",  FORM::R, decrement),
  row("BITCHG", FORM::R_BIT, register_immediate<BITCHG>),
  row("BITCLR", FORM::R_BIT, register_immediate<BITCLR>),
  row("BITSET", FORM::R_BIT, register_immediate<BITSET>),
  row("BITST",  FORM::R_BIT, register_immediate<BITST>),
  row("LD",  FORM::R_ADDRESS, two_registers<LD>, AFTER::SKIP_ONE_CHARACTER),
  row("LPM", FORM::R_ADDRESS, two_registers<LPM>),
  row("ST",  FORM::R_ADDRESS, two_registers<ST>, "Unknown asm instruction."),
  stepped("LDX", two_registers<LDX_INCREMENT>, two_registers<LDX_DECREMENT>,
          "+ expected for \"LDX ri,(rj)+\""),
  stepped("STX", two_registers<STX_INCREMENT>, two_registers<STX_DECREMENT>,
          "+ expected for \"STX ri,(rj)+\"."),
  row("IN",  FORM::R_PORT, register_port<IN>, AFTER::SKIP_ONE_CHARACTER),
  row("OUT", FORM::R_PORT, register_port<OUT>, AFTER::ANYTHING),
  row("IJMP",  FORM::ADDRESS, one_register<IJMP>),
  row("ICALL", FORM::ADDRESS, one_register<ICALL>),
  row("IB0", FORM::FLAG_ADDRESS, flag_address<IB0>, flag_expected),
  row("IB1", FORM::FLAG_ADDRESS, flag_address<IB1>, flag_expected),
  row("RB0", FORM::FLAG_TARGET, flag_target<RB0>, flag_expected),
  row("RB1", FORM::FLAG_TARGET, flag_target<RB1>, flag_expected),
  row("RJMP",  FORM::TARGET, target<RJMP>, "Immediate value expected."),
  row("RCALL", FORM::TARGET, target<RCALL>, "Immediate value expected."),
  row("NOP",  FORM::NONE, none<NOP>, AFTER::ANYTHING),
  row("RET",  FORM::NONE, none<RET>, AFTER::ANYTHING),
  row("RETI", FORM::NONE, none<RETI>, AFTER::ANYTHING),
  row("INT",  FORM::NONE, none<INT>, AFTER::ANYTHING),
  row("PMC", FORM::PROGRAM_CONSTANT, program_constant, "Bad PMC."),
  branch_alias("BRCC", flag_address<IB0>, 'C'),
  branch_alias("BRCS", flag_address<IB1>, 'C'),
  branch_alias("BRNE", flag_address<IB0>, 'Z'),
  branch_alias("BREQ", flag_address<IB1>, 'Z'),
  branch_alias("BRGE", flag_address<IB0>, 'S'),
  branch_alias("BRLT", flag_address<IB1>, 'S'),
  branch_alias("BRPL", flag_address<IB0>, 'N'),
  branch_alias("BRMI", flag_address<IB1>, 'N'),
  branch_alias("BRVC", flag_address<IB0>, 'V'),
  branch_alias("BRVS", flag_address<IB1>, 'V'),
  branch_alias("BRID", flag_address<IB0>, 'I'),
  branch_alias("BRIE", flag_address<IB1>, 'I'),
  row("CST", FORM::CONSTANT_DEFINITION, nullptr, AFTER::ANYTHING),
};
// clang-format on

// Every prefix of every mnemonic, packed a letter a byte (upper case, the first letter highest),
// in an open-addressed table: reading a mnemonic is one lookup per letter. An entry names the
// row its prefix spells, or none when the prefix only begins longer mnemonics.
using PREFIX_KEY = uint64_t;
constexpr int no_row = -1;
constexpr size_t prefix_slots = 512;  // a power of two, well above the prefix count

struct PREFIX_ENTRY {
  PREFIX_KEY key = 0;  // 0: a free slot (no prefix is empty)
  int row = no_row;
};

constexpr PREFIX_KEY extended(PREFIX_KEY key, char c) {
  return (key << 8) | static_cast<unsigned char>(c);
}

constexpr size_t home_slot(PREFIX_KEY key) {
  return static_cast<size_t>((key * 0x9E3779B97F4A7C15u) >> 56) & (prefix_slots - 1);
}

using PREFIX_TABLE = std::array<PREFIX_ENTRY, prefix_slots>;

constexpr const PREFIX_ENTRY* find_prefix(const PREFIX_TABLE& table, PREFIX_KEY key) {
  for (size_t slot = home_slot(key);; slot = (slot + 1) & (prefix_slots - 1)) {
    if (table[slot].key == 0) return nullptr;  // so the empty key is never found
    if (table[slot].key == key) return &table[slot];
  }
}

constexpr PREFIX_TABLE make_prefix_table() {
  PREFIX_TABLE table{};
  for (size_t row = 0; row < mnemonics.size(); ++row) {
    PREFIX_KEY key = 0;
    for (size_t length = 1; length <= mnemonics[row].text.size(); ++length) {
      key = extended(key, mnemonics[row].text[length - 1]);
      size_t slot = home_slot(key);
      while (table[slot].key != 0 && table[slot].key != key) slot = (slot + 1) & (prefix_slots - 1);
      table[slot].key = key;
      if (length == mnemonics[row].text.size()) table[slot].row = static_cast<int>(row);
    }
  }
  return table;
}

constexpr PREFIX_TABLE prefixes = make_prefix_table();

constexpr bool fits_the_table() {
  size_t used = 0;
  for (const PREFIX_ENTRY& entry : prefixes) used += entry.key != 0;
  for (const ASM_MNEMONIC& m : mnemonics)
    if (m.text.size() > sizeof(PREFIX_KEY)) return false;
  return 2 * used <= prefix_slots;  // half full at most, so probes stay short
}
static_assert(fits_the_table());

// Each row is found by its own text, with nothing before it spelling another row.
constexpr bool every_row_is_found() {
  for (size_t row = 0; row < mnemonics.size(); ++row) {
    PREFIX_KEY key = 0;
    for (char c : mnemonics[row].text) key = extended(key, c);
    const PREFIX_ENTRY* entry = find_prefix(prefixes, key);
    if (entry == nullptr || entry->row != static_cast<int>(row)) return false;
  }
  return true;
}
static_assert(every_row_is_found());

}  // namespace

// Longest match: "SUBC" is SUBC, "SUB" followed by anything else is SUB. The 0 read at the end
// of the input continues no prefix.
const ASM_MNEMONIC* read_mnemonic(ASM_CURSOR& cursor) {
  const PREFIX_ENTRY* read = nullptr;
  PREFIX_KEY key = 0;
  for (;;) {
    const PREFIX_ENTRY* longer = find_prefix(prefixes, extended(key, to_upper(cursor.current())));
    if (longer == nullptr) break;
    read = longer;
    key = longer->key;
    cursor.advance();
  }
  return read != nullptr && read->row != no_row ? &mnemonics[read->row] : nullptr;
}

std::span<const ASM_MNEMONIC> all_mnemonics() {
  return mnemonics;
}
