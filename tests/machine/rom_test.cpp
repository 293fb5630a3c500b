#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "isa/instructions.h"
#include "machine/test_machine.h"
#include "support/wrapper_stub.h"

namespace {
using WRAPPER = WRAPPER_STUB;

std::unique_ptr<NOP> nop() {
  return std::make_unique<NOP>(POSITION{});
}
}  // namespace

TEST(ROM, address_of_follows_appends_and_inserts) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  auto first = nop(), second = nop(), middle = nop();
  ASM *a = first.get(), *b = second.get(), *m = middle.get();
  rom.append(std::move(first));
  rom.append(std::move(second));
  EXPECT_EQ(rom.address_of(a), 0);
  EXPECT_EQ(rom.address_of(b), 1);
  rom.insert(1, std::move(middle));
  EXPECT_EQ(rom.address_of(m), 1);
  EXPECT_EQ(rom.address_of(b), 2);
  EXPECT_EQ(rom.fetch(2), b);
  EXPECT_EQ(rom.size(), 3);
}

TEST(ROM, objects_outside_the_rom_have_no_address) {
  TEST_MACHINE t;
  auto loose = nop();
  EXPECT_EQ(t.machine.rom.address_of(loose.get()), -1);
  EXPECT_EQ(t.machine.rom.address_of(nullptr), -1);
}

TEST(ROM, a_wrapped_object_has_the_wrapper_address_until_it_is_put_back) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  rom.append(nop());
  rom.append(nop());
  ASM* inner = rom.fetch(1);
  WRAPPER wrapper(inner);
  EXPECT_EQ(rom.replace(1, &wrapper), inner);
  EXPECT_EQ(rom.fetch(1), &wrapper);
  EXPECT_EQ(rom.address_of(inner), 1);
  EXPECT_EQ(rom.address_of(&wrapper), 1);
  rom.insert(0, nop());
  EXPECT_EQ(rom.address_of(inner), 2);
  EXPECT_EQ(rom.address_of(&wrapper), 2);
  EXPECT_EQ(rom.replace(2, inner), &wrapper);
  EXPECT_EQ(rom.address_of(&wrapper), -1);
  EXPECT_EQ(rom.address_of(inner), 2);
}

namespace {
using INSERTIONS = std::vector<std::pair<int32_t, std::unique_ptr<ASM>>>;

std::unique_ptr<PMC> constant(int32_t value) {
  return std::make_unique<PMC>(POSITION{}, value);
}

// The ROM's words as their constants, "." for any other object.
std::string values(const ROM& rom) {
  std::string text;
  for (int32_t i = 0; i < rom.size(); ++i) {
    const auto* pmc = dynamic_cast<const PMC*>(rom.fetch(i));
    text += pmc != nullptr ? std::to_string(pmc->value()) : std::string(".");
    text += ' ';
  }
  return text;
}
}  // namespace

TEST(ROM, insert_all_places_each_object_before_its_original_index_in_order) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  for (int v = 0; v < 4; ++v) rom.append(constant(v));
  INSERTIONS insertions;
  insertions.emplace_back(0, constant(10));
  insertions.emplace_back(2, constant(20));
  insertions.emplace_back(2, constant(21));
  insertions.emplace_back(4, constant(40));
  rom.insert_all(std::move(insertions));
  EXPECT_EQ(values(rom), "10 0 1 20 21 2 3 40 ");
  for (int32_t i = 0; i < rom.size(); ++i)
    EXPECT_EQ(rom.address_of(rom.fetch(i)), i) << "slot " << i;
}

TEST(ROM, insert_all_with_nothing_changes_nothing) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  rom.append(constant(1));
  rom.insert_all({});
  EXPECT_EQ(values(rom), "1 ");
}

TEST(ROM, insert_all_moves_a_breakpoint_with_the_object_it_wraps) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  rom.append(constant(1));
  rom.append(constant(2));
  rom.append(constant(3));
  ASM* inner = rom.fetch(1);
  WRAPPER wrapper(inner);
  rom.replace(1, &wrapper);
  INSERTIONS insertions;
  insertions.emplace_back(1, constant(7));
  insertions.emplace_back(2, constant(8));
  rom.insert_all(std::move(insertions));
  EXPECT_EQ(values(rom), "1 7 . 8 3 ");
  EXPECT_EQ(rom.fetch(2), &wrapper);
  EXPECT_EQ(rom.address_of(inner), 2);
  EXPECT_EQ(rom.address_of(&wrapper), 2);
  // Putting the instruction back keeps it in the slot its wrapper moved to, still owned.
  EXPECT_EQ(rom.replace(2, inner), &wrapper);
  EXPECT_EQ(values(rom), "1 7 2 8 3 ");
  EXPECT_EQ(rom.address_of(rom.fetch(4)), 4);
}

TEST(ROM, insert_all_keeps_empty_slots_empty) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  rom.reserve_empty();
  rom.append(constant(5));
  INSERTIONS insertions;
  insertions.emplace_back(1, constant(6));
  rom.insert_all(std::move(insertions));
  EXPECT_EQ(rom.fetch(0), nullptr);
  EXPECT_EQ(values(rom), ". 6 5 ");
  rom.fill(0, constant(4));
  EXPECT_EQ(values(rom), "4 6 5 ");
}

TEST(ROM, reserved_slots_show_question_marks_and_are_stepped_over) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  EXPECT_EQ(rom.reserve_empty(), 0);
  rom.append(nop());
  std::string text;
  rom.append_instruction_text(text, 0, t.machine);
  EXPECT_EQ(text, "??");
  EXPECT_EQ(rom.fetch(0), nullptr);
  rom.execute_at(0, t.machine);
  EXPECT_EQ(t.machine.program_counter.value, 1);
  EXPECT_EQ(t.machine.clock.periods(), 0);
  rom.fill(0, std::make_unique<ADD>(POSITION{}, t.R(1), t.R(2)));
  text.clear();
  rom.append_instruction_text(text, 0, t.machine);
  EXPECT_EQ(text, "ADD R1,R2");
  EXPECT_EQ(rom.address_of(rom.fetch(0)), 0);
}

TEST(ROM, execute_at_outside_the_rom_does_nothing) {
  TEST_MACHINE t;
  t.machine.rom.append(nop());
  t.machine.rom.execute_at(-1, t.machine);
  t.machine.rom.execute_at(1, t.machine);
  EXPECT_EQ(t.machine.program_counter.value, 0);
  t.machine.rom.execute_at(0, t.machine);
  EXPECT_EQ(t.machine.program_counter.value, 1);
  EXPECT_EQ(t.machine.clock.periods(), 1);
}

TEST(ROM, code_word_is_signed_sixteen_bits) {
  TEST_MACHINE t;
  ROM& rom = t.machine.rom;
  rom.append(nop());  // 0xCC00
  rom.append(std::make_unique<PMC>(POSITION{}, 0x1234));
  rom.append(std::make_unique<PMC>(POSITION{}, 0x8000));
  EXPECT_EQ(rom.code_word(0), 0xCC00 - 0x10000);
  EXPECT_EQ(rom.code_word(1), 0x1234);
  EXPECT_EQ(rom.code_word(2), -32768);
  EXPECT_EQ(rom.code_word(3), 0);
  EXPECT_EQ(rom.code_word(-1), 0);
}

TEST(ROM, text_beyond_the_rom_is_the_end_of_code) {
  TEST_MACHINE t;
  std::string text;
  t.machine.rom.append_instruction_text(text, 0, t.machine);
  EXPECT_EQ(text, "End of code reached.");
  text.clear();
  t.machine.rom.append_instruction_text(text, -1, t.machine);
  EXPECT_EQ(text, "End of code reached.");
}

TEST(ROM, title_names_the_size_when_not_empty) {
  TEST_MACHINE t;
  EXPECT_EQ(t.machine.rom.title(), "ROM ");
  t.machine.rom.append(nop());
  t.machine.rom.append(nop());
  EXPECT_EQ(t.machine.rom.title(), "ROM (2 words)");
  t.machine.rom.clear();
  EXPECT_TRUE(t.machine.rom.empty());
}

TEST(MACHINE, reset_clears_the_run_but_keeps_inputs_that_fit) {
  TEST_MACHINE t;
  MACHINE& m = t.machine;
  m.program_counter.value = 9;
  m.status.set_status_word(0x0F);
  m.ram.write(3, 1, {}, t.error_handler);
  m.stack.push(4, {}, t.error_handler);
  t.R(1)->value = 5;
  m.clock.advance(7);
  m.rom.append(nop());
  m.devices.set_input(0, 100);
  m.devices.set_input(1, 300);  // outside the 8-bit int range
  m.devices.write_port(2, 9);
  m.reset();
  EXPECT_EQ(m.program_counter.value, 0);
  EXPECT_EQ(m.status.status_word(16), 128);
  EXPECT_EQ(m.ram.written_end(), -1);
  EXPECT_EQ(m.stack.pointer, -1);
  EXPECT_EQ(t.R(1)->value, 0);
  EXPECT_EQ(m.clock.periods(), 0);
  EXPECT_TRUE(m.rom.empty());
  EXPECT_EQ(m.devices.input[0], 100);
  EXPECT_EQ(m.devices.input[1], 0);
  EXPECT_EQ(m.devices.output[2], 0);
}
