// A pool constant: every use reads its word through LPM into R4 first.
#include "codegen/media/rom_sm.h"

#include "codegen/codegen.h"
#include "codegen/media/machine_sequences.h"
#include "codegen/media/scratch.h"
#include "isa/instructions.h"
#include "machine/hexadecimal.h"
#include "machine/machine.h"

// The word leaves R4 before the source is read: the source may be another pool word.
void ROM_SM::compare(CODEGEN& g, STORAGE_MEDIUM& source) {
  SCRATCH use(g);
  REGISTER& read = rom_read(g, use, address);
  REGISTER& t = use.take();
  g.code.emit<TFR>(&t, &read);
  use.give_back(read);
  source.compare_register_with(g, t);
}

void ROM_SM::compare_constant(CODEGEN& g, int32_t n) {
  SCRATCH use(g);
  REGISTER& t = rom_read(g, use, address);
  compare_immediate(g, t, n);
}

REGISTER& ROM_SM::fetch(CODEGEN& g, SCRATCH& use) {
  return rom_read(g, use, address);
}

namespace {

// "0x" and as many digits as the program-counter width needs; all eight outside the ROM.
std::string rom_address_text(const MACHINE& machine, int32_t address) {
  const int width = machine.parameters.pc_width;
  const bool valid = address >= 0 && address < machine.rom.size();
  const int digits = valid ? 8 - (32 - width) / 4 : 8;
  std::string text = "0x";
  append_hexadecimal(text, static_cast<uint32_t>(address), digits);
  return text;
}

}  // namespace

std::string ROM_SM::print_kind(const MACHINE& machine) const {
  return "ROM " + rom_address_text(machine, address);
}

// The word read back as a 16-bit two's-complement value.
std::string ROM_SM::print_value(const MACHINE& machine) const {
  const int32_t word = static_cast<int16_t>(machine.rom.code_word(address));
  return std::to_string(word) + " (in " + print_kind(machine) + ")";
}
