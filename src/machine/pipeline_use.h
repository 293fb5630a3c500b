// How an instruction uses the processor's pipeline: which of its registers it reads and which it
// writes. An instruction that reads what one of the two before it writes must wait for it; the
// forwarding module puts NOPs between them. Each instruction's facts stand in its opcode row.
#pragma once

inline constexpr int NO_REGISTER = -1;

// Register numbers of an instruction's operands. A is the first register of its assembly text
// and B the second, except ST and STX (A is the address register, B the stored one) and TTSR
// (its only register is B).
struct REGISTER_OPERANDS {
  int a = NO_REGISTER;
  int b = NO_REGISTER;
};

// Where A and B sit among the operands as written.
enum class OPERAND_LAYOUT { AS_WRITTEN, SWAPPED, ONLY_B };

// Which registers of the later instruction are compared with what the earlier one writes.
enum class PIPELINE_READS {
  UNSET,          // no row may keep this: every instruction states what it reads
  NOTHING,        // never waits
  ITS_REGISTERS,  // A and B (whichever exist) against every written register
  INDIRECT,       // ICALL, IJMP: A, and with a wide RAM address A + 1 against the earlier A
  INDEXED,        // LDX, STX: B (and B + 1) against the earlier A; A and B against the rest
  LOADED          // LDIL, LDIH, IN, TFSR: A against the registers after A or B only
};

// What the earlier instruction writes.
enum PIPELINE_WRITES : unsigned {
  WRITES_NONE = 0,
  WRITES_A = 1,        // its A register
  WRITES_B = 2,        // its B register
  WRITES_AFTER_A = 4,  // A + 1, when registers are narrower than 16 bits
  WRITES_AFTER_B = 8,  // B + 1, when RAM addresses are wider than registers
  INDEXED_WRITES = WRITES_A | WRITES_B | WRITES_AFTER_B
};

struct PIPELINE_USE {
  OPERAND_LAYOUT layout = OPERAND_LAYOUT::AS_WRITTEN;
  PIPELINE_READS reads = PIPELINE_READS::UNSET;
  unsigned writes = WRITES_NONE;
};
