// Binary text files for tests, in the layout the converter reads: two header lines of 18
// tokens, the word count as the 19th token, then one line per word with its address and code.
#pragma once

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline std::string binary_text_header(const std::string& count_token) {
  return "Tavrel ROM image, processor N=8 X=8 M=16 L=6 Z=4 I=0 O=0 IO=0\n"
         "address and code (16 bits), words: " +
         count_token + "\n";
}

inline std::string binary_text_word(size_t address, const std::string& code) {
  char hex[32];
  std::snprintf(hex, sizeof hex, "%04zX", address);
  return std::string(hex) + " " + code + "\n";
}

inline std::string binary_text(const std::vector<std::string>& codes) {
  std::string text = binary_text_header(std::to_string(codes.size()));
  for (size_t i = 0; i < codes.size(); ++i) text += binary_text_word(i, codes[i]);
  return text;
}

inline std::string binary_text(const std::vector<std::uint16_t>& words) {
  std::vector<std::string> codes;
  for (std::uint16_t word : words) codes.push_back(std::bitset<16>(word).to_string());
  return binary_text(codes);
}
