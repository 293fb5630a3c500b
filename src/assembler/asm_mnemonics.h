// The assembler's mnemonics, aliases included, one row each: the operands that follow, what
// must come right after the mnemonic, and how the instruction is built from its operands.
// read_mnemonic reads it letter by letter, upper and lower case alike, one table lookup a letter.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "base/position.h"
#include "machine/asm.h"

class ASM_CURSOR;
class ERROR_HANDLER;
struct ASM_LABEL;
struct REGISTER;

// What a mnemonic is followed by; the operand readers follow this order.
enum class ASM_OPERAND_FORM {
  NONE,                 // NOP
  R,                    // ASR Rd
  RR,                   // ADD Rd,Rs
  R_IMMEDIATE,          // ADI Rd,#imm (within the row's range)
  R_BIT,                // BITSET Rd,#b
  R_ADDRESS,            // LD Rd,(Ra)
  R_ADDRESS_STEP,       // LDX Rd,(Ra)+ or LDX Rd,-(Ra)
  R_PORT,               // IN Rd,p
  ADDRESS,              // IJMP (Ra); the BR aliases with their fixed flag
  FLAG_ADDRESS,         // IB0 #F,(Ra)
  FLAG_TARGET,          // RB0 #F,target
  TARGET,               // RJMP target
  PROGRAM_CONSTANT,     // PMC #value
  CONSTANT_DEFINITION,  // CST name #value
};

// What must stand right after the mnemonic's last letter.
enum class AFTER_MNEMONIC {
  ANYTHING,                     // nothing required
  SKIP_ONE_CHARACTER,           // the next character is skipped, whatever it is
  BLANK_ELSE_REGISTER_MESSAGE,  // a blank, else the register message
  BLANK_ELSE_MESSAGE,           // a blank, else the row's own message
};

// The operands read for one instruction; each builder takes the ones its form has.
struct ASM_OPERANDS {
  POSITION position;  // of the mnemonic's first character
  REGISTER* first = nullptr;
  REGISTER* second = nullptr;
  int32_t immediate = 0;
  char flag = 0;
  ASM_LABEL* label = nullptr;
};

using ASM_BUILDER = std::unique_ptr<ASM> (*)(const ASM_OPERANDS&, ERROR_HANDLER&);

struct ASM_MNEMONIC {
  std::string_view text;  // upper case
  ASM_OPERAND_FORM form;
  AFTER_MNEMONIC after;
  std::string_view no_blank_message = {};
  ASM_BUILDER build = nullptr;
  ASM_BUILDER build_pre_decrement = nullptr;   // LDX, STX
  std::string_view missing_plus_message = {};  // LDX, STX
  char flag = 0;                               // the BR aliases
  int32_t low = 0;                             // R_IMMEDIATE range
  int32_t high = 0;
};

// Reads letters while they continue some mnemonic and answers the one they spell. Answers
// nullptr, the cursor on the character that leads nowhere, when they spell none.
const ASM_MNEMONIC* read_mnemonic(ASM_CURSOR& cursor);

// Every row, for the tests.
std::span<const ASM_MNEMONIC> all_mnemonics();
