// The status register: the flags I (bit 7), S (4), V (3), N (2), Z (1) and C (0); bits 6 and 5
// exist and stay 0. Flags are named by letter; any letter other than I, S, V, N, Z names C.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The flag's bit in the status word, which is also its 3-bit code in machine words.
constexpr int flag_bit(char letter) {
  switch (letter) {
    case 'I':
      return 7;
    case 'S':
      return 4;
    case 'V':
      return 3;
    case 'N':
      return 2;
    case 'Z':
      return 1;
    default:
      return 0;
  }
}

class STATUS_REGISTER {
 public:
  static constexpr int I = 7, S = 4, V = 3, N = 2, Z = 1, C = 0;

  bool flag(char letter) const { return bits_[flag_bit(letter)]; }
  void set_flag(char letter, bool b) { bits_[flag_bit(letter)] = b; }
  // By bit number, for the instructions (no letter lookup while running).
  bool bit(int b) const { return bits_[b]; }
  void set_bit(int b, bool value) { bits_[b] = value; }

  void update_s() { bits_[S] = bits_[N] != bits_[V]; }
  void update_v() { bits_[V] = bits_[N] != bits_[C]; }

  // I counts 128, or -128 when N = 8 (bit 7 is then the sign bit).
  int32_t status_word(int data_size) const;
  // Reads bits 7, 4, 3, 2, 1 and 0; bits 6 and 5 stay 0.
  void set_status_word(int32_t value);

  void append_display(std::string& text) const;
  void reset();  // I := 1, the others 0

 private:
  // Indexed by bit number: a new register holds I (bit 7) only, as after a reset.
  std::array<bool, 8> bits_{false, false, false, false, false, false, false, true};
};
