#include "forwarding/forwarder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "forwarding/hazards.h"
#include "isa/instructions.h"
#include "support/test_context.h"
#include "support/wrapper_stub.h"

namespace {

using LISTING = std::vector<std::string>;

struct FORWARDING : ::testing::Test {
  TEST_CONTEXT t;
  MACHINE& machine = t.context.machine;
  ROM& rom = machine.rom;
  FORWARDER& forwarder = t.context.forwarder;

  REGISTER* R(int n) { return machine.registers.get(n); }
  // Each instruction sits on its own line: line = its index when added, plus 1.
  POSITION next_line() const { return POSITION::make(nullptr, rom.size() + 1, 1); }

  template <class T, class... ARGUMENTS>
  T* add(ARGUMENTS&&... arguments) {
    auto instruction = std::make_unique<T>(next_line(), std::forward<ARGUMENTS>(arguments)...);
    T* raw = instruction.get();
    rom.append(std::move(instruction));
    return raw;
  }

  LISTING listing() const {
    LISTING lines;
    for (int32_t i = 0; i < rom.size(); ++i) {
      std::string text;
      rom.append_instruction_text(text, i, machine);
      lines.push_back(text);
    }
    return lines;
  }
  int line_at(int32_t index) const { return rom.fetch(index)->position().line; }
};

}  // namespace

TEST_F(FORWARDING, a_register_read_right_after_its_write_gets_two_nops) {
  add<ADD>(R(1), R(2));
  add<SUB>(R(3), R(1));
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"ADD R1,R2", "NOP", "NOP", "SUB R3,R1"}));
  EXPECT_EQ(forwarder.inserted(), (std::vector<int32_t>{1, 1}));
}

TEST_F(FORWARDING, one_unrelated_instruction_between_leaves_one_nop) {
  add<ADD>(R(1), R(2));
  add<TFR>(R(5), R(6));
  add<SUB>(R(3), R(1));
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"ADD R1,R2", "TFR R5,R6", "NOP", "SUB R3,R1"}));
  EXPECT_EQ(forwarder.inserted(), (std::vector<int32_t>{2}));
}

TEST_F(FORWARDING, two_unrelated_instructions_between_need_no_nop) {
  add<ADD>(R(1), R(2));
  add<TFR>(R(5), R(6));
  add<TFR>(R(7), R(6));
  add<SUB>(R(3), R(1));
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"ADD R1,R2", "TFR R5,R6", "TFR R7,R6", "SUB R3,R1"}));
  EXPECT_TRUE(forwarder.inserted().empty());
}

TEST_F(FORWARDING, flags_read_right_after_they_are_set_get_two_nops) {
  add<ADD>(R(1), R(2));
  add<ADC>(R(5), R(6));
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"ADD R1,R2", "NOP", "NOP", "ADC R5,R6"}));
}

TEST_F(FORWARDING, a_relative_branch_after_a_comparison_gets_no_nop) {
  add<CMP>(R(1), R(2));
  add<RB1>('Z', 5);  // beyond the ROM: nothing to pad
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"CMP R1,R2", "RB1 #Z,#0x05 (jump at 0x00000006)"}));
}

TEST_F(FORWARDING, nops_inserted_by_a_hazard_feed_the_next_checks) {
  add<ADD>(R(1), R(2));
  add<SUB>(R(3), R(1));  // two NOPs: the ADD is now two words back
  add<ADD>(R(4), R(1));  // reads R1 again, but after two NOPs and SUB: nothing
  add<ADD>(R(5), R(3));  // SUB is two words back: one NOP
  forwarder.forward(machine);
  EXPECT_EQ(listing(),
            (LISTING{"ADD R1,R2", "NOP", "NOP", "SUB R3,R1", "ADD R4,R1", "NOP", "ADD R5,R3"}));
  EXPECT_EQ(forwarder.inserted(), (std::vector<int32_t>{1, 1, 5}));
}

TEST_F(FORWARDING, two_branches_to_one_target_pad_it_once_and_land_on_its_first_nop) {
  add<RJMP>(3);
  add<RJMP>(2);
  add<TFR>(R(1), R(2));
  add<TFR>(R(3), R(4));  // the target
  add<TFR>(R(5), R(6));
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"RJMP #0x03 (jump at 0x0003)", "RJMP #0x02 (jump at 0x0003)",
                                "TFR R1,R2", "NOP", "NOP", "TFR R3,R4", "TFR R5,R6"}));
  EXPECT_EQ(forwarder.padded(), (std::vector<int32_t>{3}));
  EXPECT_EQ(forwarder.targets(), (std::vector<int32_t>{3, 3}));
  EXPECT_EQ(forwarder.offsets(), (std::vector<int32_t>{3, 2}));
}

TEST_F(FORWARDING, a_target_padded_earlier_is_recognised_after_it_moved) {
  add<RJMP>(5);  // to the TFR R5,R6
  add<RJMP>(2);  // to the TFR R1,R2, padded second, moving the first target
  add<RJMP>(3);  // to the TFR R5,R6 again
  add<TFR>(R(1), R(2));
  add<TFR>(R(3), R(4));
  add<TFR>(R(5), R(6));
  add<TFR>(R(7), R(0));
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"RJMP #0x07 (jump at 0x0007)", "RJMP #0x02 (jump at 0x0003)",
                                "RJMP #0x05 (jump at 0x0007)", "NOP", "NOP", "TFR R1,R2",
                                "TFR R3,R4", "NOP", "NOP", "TFR R5,R6", "TFR R7,R0"}));
  EXPECT_EQ(forwarder.padded(), (std::vector<int32_t>{3, 7}));
  EXPECT_EQ(forwarder.targets(), (std::vector<int32_t>{7, 3, 7}));
}

TEST_F(FORWARDING, backward_and_forward_branches_reach_their_moved_targets) {
  add<ADD>(R(1), R(2));
  add<SUB>(R(3), R(1));  // hazard: two NOPs
  add<TFR>(R(4), R(5));  // target of the RB0: padded
  add<ADD>(R(6), R(4));  // hazard: two NOPs
  add<RJMP>(2);          // to the TFR R7,R0
  add<RB0>('C', -3);     // back to the TFR R4,R5
  add<TFR>(R(7), R(0));  // target of the RJMP: padded
  add<NOP>();
  forwarder.forward(machine);
  EXPECT_EQ(listing(),
            (LISTING{"ADD R1,R2", "NOP", "NOP", "SUB R3,R1", "NOP", "NOP", "TFR R4,R5", "NOP",
                     "NOP", "ADD R6,R4", "RJMP #0x02 (jump at 0x000C)",
                     "RB0 #C,#0xF9 (jump at 0x0004)", "NOP", "NOP", "TFR R7,R0", "NOP"}));
  EXPECT_EQ(forwarder.targets(), (std::vector<int32_t>{12, 4}));
  EXPECT_EQ(forwarder.offsets(), (std::vector<int32_t>{2, -3}));
  EXPECT_EQ(forwarder.padded(), (std::vector<int32_t>{4, 12}));
  EXPECT_EQ(forwarder.inserted(), (std::vector<int32_t>{1, 1, 7, 7}));
}

TEST_F(FORWARDING, nops_carry_the_position_of_the_target_or_of_the_waiting_instruction) {
  add<ADD>(R(1), R(2));  // line 1
  add<SUB>(R(3), R(1));  // line 2
  add<TFR>(R(4), R(5));  // line 3, a target
  add<RJMP>(-1);         // line 4
  add<NOP>();            // line 5
  forwarder.forward(machine);
  // ADD, NOP, NOP, SUB, NOP, NOP, TFR, RJMP, NOP
  const std::vector<int> lines{1, 2, 2, 2, 3, 3, 3, 4, 5};
  ASSERT_EQ(rom.size(), static_cast<int32_t>(lines.size()));
  for (int32_t i = 0; i < rom.size(); ++i) EXPECT_EQ(line_at(i), lines[i]) << "at " << i;
  EXPECT_EQ(listing()[7], "RJMP #0xFD (jump at 0x0004)");
}

TEST_F(FORWARDING, branches_to_labels_past_the_end_keep_pointing_past_the_end) {
  ASM_LABEL end("end", {});
  end.address = 4;  // just after the last word
  add<ADD>(R(1), R(2));
  add<RB1>('Z', &end);
  add<ADD>(R(3), R(1));  // the ADD two words back: one NOP
  add<RB0>('N', &end);
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"ADD R1,R2", "RB1 #Z,#0x04 (jump at 0x00000005)", "NOP",
                                "ADD R3,R1", "RB0 #N,#0x01 (jump at 0x00000005)"}));
  EXPECT_TRUE(forwarder.padded().empty());
}

TEST_F(FORWARDING, only_targets_before_the_last_word_are_padded) {
  add<RJMP>(2);  // to the last word
  add<TFR>(R(1), R(2));
  add<RJMP>(-3);  // before the ROM
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"RJMP #0x02 (jump at 0x0002)", "TFR R1,R2",
                                "RJMP #0xFD (jump at 0xFFFFFFFF)"}));
  EXPECT_TRUE(forwarder.padded().empty());
}

TEST_F(FORWARDING, a_target_before_the_rom_stays_while_its_branch_moves) {
  add<ADD>(R(1), R(2));
  add<SUB>(R(3), R(1));
  add<RJMP>(-5);  // to -3
  forwarder.forward(machine);
  EXPECT_EQ(listing(),
            (LISTING{"ADD R1,R2", "NOP", "NOP", "SUB R3,R1", "RJMP #0xF9 (jump at 0xFFFFFFFD)"}));
  EXPECT_EQ(forwarder.targets(), (std::vector<int32_t>{-3}));
}

TEST_F(FORWARDING, a_target_with_a_hazard_lands_on_the_first_hazard_nop) {
  add<RJMP>(2);  // to the SUB, the last word: not padded
  add<ADD>(R(1), R(2));
  add<SUB>(R(3), R(1));
  forwarder.forward(machine);
  EXPECT_EQ(listing(),
            (LISTING{"RJMP #0x02 (jump at 0x0002)", "ADD R1,R2", "NOP", "NOP", "SUB R3,R1"}));
}

TEST_F(FORWARDING, the_next_register_of_lpm_waits_only_with_narrow_registers) {
  add<LPM>(R(2), R(4));
  add<ADD>(R(5), R(3));
  machine.parameters.data_size = 16;
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"LPM R2,(R4)", "ADD R5,R3"}));
  machine.parameters.data_size = 8;
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"LPM R2,(R4)", "NOP", "NOP", "ADD R5,R3"}));
}

TEST_F(FORWARDING, the_next_address_register_of_ldx_waits_only_with_wide_ram) {
  add<LDX_INCREMENT>(R(1), R(2));
  add<ADD>(R(5), R(3));
  machine.parameters.ram_address_width = 8;  // not wider than the 8-bit registers
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"LDX R1,(R2)+", "ADD R5,R3"}));
  machine.parameters.ram_address_width = 9;
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"LDX R1,(R2)+", "NOP", "NOP", "ADD R5,R3"}));
}

TEST_F(FORWARDING, a_store_writes_its_address_register_not_its_data_register) {
  add<ST>(R(1), R(2));
  add<ADD>(R(5), R(1));
  add<ADD>(R(6), R(2));  // the ST two words back: one NOP
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"ST R1,(R2)", "ADD R5,R1", "NOP", "ADD R6,R2"}));
}

TEST_F(FORWARDING, ttsr_waits_for_its_register_and_the_flags_wait_for_ttsr) {
  add<TFR>(R(5), R(1));
  add<TTSR>(R(5));
  add<TFSR>(R(6));
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"TFR R5,R1", "NOP", "NOP", "TTSR R5", "NOP", "NOP", "TFSR R6"}));
}

TEST_F(FORWARDING, breakpoints_change_neither_the_padding_nor_the_branches) {
  add<ADD>(R(1), R(2));
  auto* sub = add<SUB>(R(3), R(1));
  auto* jump = add<RJMP>(-2);  // back to the ADD: padded
  add<TFR>(R(4), R(5));
  WRAPPER_STUB on_sub(sub), on_jump(jump);
  rom.replace(1, &on_sub);
  rom.replace(2, &on_jump);
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"NOP", "NOP", "ADD R1,R2", "NOP", "NOP", "* SUB R3,R1",
                                "* RJMP #0xFA (jump at 0x0000)", "TFR R4,R5"}));
  EXPECT_EQ(rom.fetch(6), &on_jump);
  EXPECT_EQ(jump->offset(), -6);
  // Taking the breakpoints away leaves the same code.
  rom.replace(5, sub);
  rom.replace(6, jump);
  EXPECT_EQ(listing(), (LISTING{"NOP", "NOP", "ADD R1,R2", "NOP", "NOP", "SUB R3,R1",
                                "RJMP #0xFA (jump at 0x0000)", "TFR R4,R5"}));
}

TEST_F(FORWARDING, empty_slots_are_kept_and_never_wait) {
  add<ADD>(R(1), R(2));
  rom.reserve_empty();
  add<SUB>(R(3), R(1));  // the ADD two words back: one NOP
  forwarder.forward(machine);
  EXPECT_EQ(listing(), (LISTING{"ADD R1,R2", "??", "NOP", "SUB R3,R1"}));
}

TEST_F(FORWARDING, each_run_starts_from_fresh_lists) {
  add<RJMP>(1);
  add<ADD>(R(1), R(2));
  add<SUB>(R(3), R(1));
  add<NOP>();
  forwarder.forward(machine);
  ASSERT_EQ(listing(), (LISTING{"RJMP #0x01 (jump at 0x0001)", "NOP", "NOP", "ADD R1,R2", "NOP",
                                "NOP", "SUB R3,R1", "NOP"}));
  // Already safe: the second run only pads the target again, now its first NOP.
  forwarder.forward(machine);
  EXPECT_EQ(forwarder.targets(), (std::vector<int32_t>{1}));
  EXPECT_EQ(forwarder.offsets(), (std::vector<int32_t>{1}));
  EXPECT_EQ(forwarder.padded(), (std::vector<int32_t>{1}));
  EXPECT_TRUE(forwarder.inserted().empty());
  EXPECT_EQ(rom.size(), 10);
}

TEST_F(FORWARDING, absolute_indirect_branches_forbid_forwarding) {
  add<ADD>(R(1), R(2));
  add<RJMP>(-1);
  add<RB1>('Z', 1);
  EXPECT_TRUE(forwarder.can_forward(rom));
  t.context.machine.rom.clear();
  add<IB0>('Z', R(4));
  EXPECT_FALSE(forwarder.can_forward(rom));
  rom.clear();
  add<IB1>('C', R(4));
  EXPECT_FALSE(forwarder.can_forward(rom));
  rom.clear();
  add<ADD>(R(1), R(2));
  add<ICALL>(R(2));
  EXPECT_FALSE(forwarder.can_forward(rom));
  rom.clear();
  auto* jump = add<IJMP>(R(2));
  EXPECT_FALSE(forwarder.can_forward(rom));
  WRAPPER_STUB on_jump(jump);
  rom.replace(0, &on_jump);
  EXPECT_FALSE(forwarder.can_forward(rom));
}

TEST_F(FORWARDING, large_programs_are_padded_in_one_pass) {
  constexpr int pairs = 40000;  // 80002 words, beyond a 16-bit address range
  add<RJMP>(2 * pairs);         // to the last SUB: padded
  for (int i = 0; i < pairs; ++i) {
    add<ADD>(R(1), R(2));
    add<SUB>(R(3), R(1));
  }
  add<RJMP>(-2 * pairs);  // back to the first ADD: padded
  forwarder.forward(machine);
  // Every SUB but the padded last one gets two NOPs, each target two.
  ASSERT_EQ(rom.size(), 4 * pairs + 4);
  EXPECT_EQ(forwarder.targets(), (std::vector<int32_t>{4 * pairs, 1}));
  const LISTING lines = listing();
  EXPECT_EQ(lines[1], "NOP");
  EXPECT_EQ(lines[3], "ADD R1,R2");
  EXPECT_EQ(lines[6], "SUB R3,R1");
  EXPECT_EQ(lines[7], "ADD R1,R2");
  EXPECT_EQ(lines[4 * pairs - 1], "ADD R1,R2");
  EXPECT_EQ(lines[4 * pairs], "NOP");
  EXPECT_EQ(lines[4 * pairs + 2], "SUB R3,R1");
  const auto* first_jump = dynamic_cast<const RJMP*>(rom.fetch(0));
  const auto* last_jump = dynamic_cast<const RJMP*>(rom.fetch(4 * pairs + 3));
  ASSERT_NE(first_jump, nullptr);
  ASSERT_NE(last_jump, nullptr);
  EXPECT_EQ(first_jump->offset(), 4 * pairs);
  EXPECT_EQ(last_jump->offset(), 1 - (4 * pairs + 3));
  for (int32_t i = 0; i < rom.size(); ++i) ASSERT_EQ(rom.address_of(rom.fetch(i)), i);
}

namespace {

// The padding done the slow way, one insertion at a time, exactly as the rules read: a word is
// an original object or a NOP with the source line it carries.
struct REFERENCE_WORD {
  const ASM* original;  // nullptr for a NOP
  int line;
};

struct REFERENCE {
  std::vector<REFERENCE_WORD> words;
  std::vector<int64_t> targets;

  void insert_nops(std::size_t at, int count, int line) {
    words.insert(words.begin() + at, count, REFERENCE_WORD{nullptr, line});
  }
  void shift_targets_above(int64_t index, int count) {
    for (int64_t& target : targets)
      if (target > index) target += count;
  }

  void pad_targets() {
    std::vector<int64_t> padded;
    for (std::size_t k = 0; k < targets.size(); ++k) {
      const int64_t h = targets[k];
      const bool done = std::find(padded.begin(), padded.end(), h) != padded.end();
      if (h < 0 || h >= static_cast<int64_t>(words.size()) - 1 || done) continue;
      insert_nops(h, 2, words[h].line);
      for (int64_t& p : padded)
        if (p > h) p += 2;
      padded.push_back(h);
      shift_targets_above(h, 2);
    }
  }

  void scan_hazards(const PROCESSOR_PARAMETERS& parameters) {
    const NOP nop{POSITION{}};
    auto object = [&](std::size_t i) -> const ASM& {
      return words[i].original != nullptr ? *words[i].original : nop;
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
      const bool near = i >= 1 && depends_on(object(i), object(i - 1), parameters);
      const bool far = !near && i >= 2 && depends_on(object(i), object(i - 2), parameters);
      const int count = near ? 2 : far ? 1 : 0;
      insert_nops(i, count, words[i].line);
      shift_targets_above(static_cast<int64_t>(i), count);
      i += count;
    }
  }
};

}  // namespace

TEST_F(FORWARDING, random_programs_match_the_padding_done_one_nop_at_a_time) {
  std::mt19937 random(12345);
  auto pick = [&](int n) { return static_cast<int>(random() % n); };
  for (int round = 0; round < 200; ++round) {
    rom.clear();
    machine.parameters.data_size = pick(2) ? 8 : 16;
    machine.parameters.ram_address_width = pick(2) ? 6 : 12;
    const int length = 1 + pick(60);
    for (int i = 0; i < length; ++i) {
      REGISTER *a = R(pick(8)), *b = R(pick(8));
      const int offset = pick(2 * length + 6) - length - 3;
      switch (pick(14)) {
        case 0:
          add<ADD>(a, b);
          break;
        case 1:
          add<SUB>(a, b);
          break;
        case 2:
          add<ADC>(a, b);
          break;
        case 3:
          add<CMP>(a, b);
          break;
        case 4:
          add<LPM>(a, b);
          break;
        case 5:
          add<LDX_INCREMENT>(a, b);
          break;
        case 6:
          add<STX_DECREMENT>(a, b);
          break;
        case 7:
          add<ST>(a, b);
          break;
        case 8:
          add<TTSR>(a);
          break;
        case 9:
          add<TFSR>(a);
          break;
        case 10:
          add<LDIL>(a, 3);
          break;
        case 11:
          add<RJMP>(offset);
          break;
        case 12:
          add<RB1>('Z', offset);
          break;
        default:
          add<RCALL>(offset);
          break;
      }
    }
    REFERENCE reference;
    for (int32_t i = 0; i < rom.size(); ++i) {
      reference.words.push_back({rom.fetch(i), i + 1});
      if (auto* branch = dynamic_cast<const ASM_BR*>(rom.fetch(i)))
        reference.targets.push_back(i + branch->offset());
    }
    reference.pad_targets();
    reference.scan_hazards(machine.parameters);

    forwarder.forward(machine);
    ASSERT_EQ(rom.size(), static_cast<int32_t>(reference.words.size())) << "round " << round;
    std::size_t k = 0;
    for (int32_t i = 0; i < rom.size(); ++i) {
      const REFERENCE_WORD& word = reference.words[i];
      const ASM* object = rom.fetch(i);
      if (word.original != nullptr) {
        ASSERT_EQ(object, word.original) << "round " << round << " at " << i;
      } else {
        ASSERT_NE(dynamic_cast<const NOP*>(object), nullptr) << "round " << round << " at " << i;
      }
      ASSERT_EQ(object->position().line, word.line) << "round " << round << " at " << i;
      if (auto* branch = dynamic_cast<const ASM_BR*>(object)) {
        ASSERT_EQ(branch->offset(), reference.targets[k++] - i) << "round " << round << " at " << i;
      }
    }
  }
}
