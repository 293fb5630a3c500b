// The building blocks every medium's sequences are made of: the constant load into a
// register, the RAM address in the access registers, loads and stores of RAM words, the carry
// step of a wide address, the ROM read through LPM and the indirect load.
#pragma once

#include <cstdint>

class CODEGEN;
class SCRATCH;
struct REGISTER;

// The value brought to the register width as a signed number.
int32_t reduce_to_width(const CODEGEN& g, int64_t value);

void constant_load(CODEGEN& g, REGISTER& r, int32_t n);
// R2 (and R3 when RAM is wide) := address.
void ram_address(CODEGEN& g, int32_t address);
// R3 := the part of address above the register width (with wide RAM only).
void ram_address_high(CODEGEN& g, int32_t address);
// Whether that sequence changes the status flags (it clears R3 with EOR).
bool ram_address_changes_flags(const CODEGEN& g, int32_t address);
void load_from_ram(CODEGEN& g, int32_t address, REGISTER& t);
void store_to_ram(CODEGEN& g, REGISTER& t, int32_t address);
// With wide RAM: the carry of an addition to the low register goes into the one above it.
void carry_step(CODEGEN& g, REGISTER& low);
// Reads the pool word at rom_address into R4, which stays taken in use.
REGISTER& rom_read(CODEGEN& g, SCRATCH& use, int32_t rom_address);
// target := the RAM word whose address pointer holds.
void indirect_load(CODEGEN& g, REGISTER& target, REGISTER& pointer);
// r := r + n and the flags of r - n, without an immediate beyond the 7-bit field.
void add_immediate(CODEGEN& g, REGISTER& r, int32_t n);
void compare_immediate(CODEGEN& g, REGISTER& r, int32_t n);
bool fits_immediate_field(int32_t n);
