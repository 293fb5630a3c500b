// The pieces of an integer literal that code and a macro's text read alike.
#pragma once

// The value of a hexadecimal digit, or -1.
constexpr int hexadecimal_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// suffix := ( "u" | "U" ) [ "l" | "L" ] | ( "l" | "L" ) [ "u" | "U" ]   (long is the int width),
// fed one character at a time: take answers whether the character belongs to the suffix.
class INTEGER_SUFFIX {
 public:
  constexpr bool take(char c) {
    if ((c == 'u' || c == 'U') && !unsigned_) return unsigned_ = true;
    if ((c == 'l' || c == 'L') && !long_) return long_ = true;
    return false;
  }
  constexpr bool is_unsigned() const { return unsigned_; }

 private:
  bool unsigned_ = false;
  bool long_ = false;
};
