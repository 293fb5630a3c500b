// Which handler of the fast run loop executes each opcode. Opcodes without one of their own
// (the indexed memory forms, ports, LPM, calls through a register, the rarer ALU instructions)
// run through their object, as the single steps do.
#pragma once

#include "isa/opcode_table.h"
#include "machine/predecoded.h"

constexpr FAST_KIND fast_kind_of(OPCODE opcode) {
  switch (opcode) {
    case OPCODE::NOP:
      return FAST_KIND::nop;
    case OPCODE::ADD:
      return FAST_KIND::add;
    case OPCODE::ADC:
      return FAST_KIND::adc;
    case OPCODE::ADI:
      return FAST_KIND::adi;
    case OPCODE::SUB:
      return FAST_KIND::sub;
    case OPCODE::SUBC:
      return FAST_KIND::subc;
    case OPCODE::CMP:
      return FAST_KIND::cmp;
    case OPCODE::CMPI:
      return FAST_KIND::cmpi;
    case OPCODE::AND:
      return FAST_KIND::logic_and;
    case OPCODE::OR:
      return FAST_KIND::logic_or;
    case OPCODE::EOR:
      return FAST_KIND::eor;
    case OPCODE::ASR:
      return FAST_KIND::asr;
    case OPCODE::LSR:
      return FAST_KIND::lsr;
    case OPCODE::LSL:
      return FAST_KIND::lsl;
    case OPCODE::TFR:
      return FAST_KIND::tfr;
    case OPCODE::LDIL:
      return FAST_KIND::ldil;
    case OPCODE::LDIH:
      return FAST_KIND::ldih;
    case OPCODE::LD:
      return FAST_KIND::ld;
    case OPCODE::ST:
      return FAST_KIND::st;
    case OPCODE::RCALL:
      return FAST_KIND::rcall;
    case OPCODE::RET:
      return FAST_KIND::ret;
    case OPCODE::IJMP:
      return FAST_KIND::ijmp;
    case OPCODE::IB0:
      return FAST_KIND::ib0;
    case OPCODE::IB1:
      return FAST_KIND::ib1;
    case OPCODE::RJMP:
      return FAST_KIND::rjmp;
    case OPCODE::RB0:
      return FAST_KIND::rb0;
    case OPCODE::RB1:
      return FAST_KIND::rb1;
    default:
      return FAST_KIND::generic;
  }
}
