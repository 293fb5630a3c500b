// The binary text file is read as whitespace-separated tokens (blank, tab, line feed, carriage
// return, NUL): 18 header tokens, the word count, then per word its address and its 16-character
// code, bit 15 first. Only the count and the codes are read.
#include "rom_image/intel_hex_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "base/error_handler.h"
#include "base/file_tools.h"
#include "rom_image/intel_hex_records.h"

namespace {

constexpr int header_tokens = 18;
constexpr int code_length = 16;
constexpr int words_per_record = 8;

enum class WORD_BYTES { low, high, high_then_low };

// How one output file of a layout takes its bytes from the words and counts its addresses.
struct HEX_FILE_FORM {
  std::string_view suffix;
  WORD_BYTES bytes;
  std::uint32_t address_step;  // between two records
};

constexpr std::array<HEX_FILE_FORM, 2> eight_bit_forms{{
    {"Row_low.hex", WORD_BYTES::low, 8},
    {"Row_high.hex", WORD_BYTES::high, 8},
}};
constexpr std::array<HEX_FILE_FORM, 2> sixteen_bit_forms{{
    {"Row_data.hex", WORD_BYTES::high_then_low, 8},
    {"Row_byte.hex", WORD_BYTES::high_then_low, 16},
}};

const std::array<HEX_FILE_FORM, 2>& forms_of(INTEL_HEX_LAYOUT layout) {
  return layout == INTEL_HEX_LAYOUT::eight_bits ? eight_bit_forms : sixteen_bit_forms;
}

class TOKENS {
 public:
  explicit TOKENS(std::string text) : text_(std::move(text)) {}

  std::optional<std::string_view> next() {
    while (position_ < text_.size() && is_separator(text_[position_])) ++position_;
    if (position_ == text_.size()) return std::nullopt;
    size_t start = position_;
    while (position_ < text_.size() && !is_separator(text_[position_])) ++position_;
    return std::string_view(text_).substr(start, position_ - start);
  }

 private:
  static bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\0';
  }

  std::string text_;
  size_t position_ = 0;
};

// An optional sign, then decimal digits, all of the token; a negative count means no words.
std::optional<int> parse_count(std::string_view token) {
  bool negative = !token.empty() && token.front() == '-';
  if (!token.empty() && (token.front() == '+' || token.front() == '-')) token.remove_prefix(1);
  if (token.empty() || token.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  int value = 0;
  auto [end, problem] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (problem != std::errc() || end != token.data() + token.size()) return std::nullopt;
  if (negative && value != 0) return std::nullopt;  // no image has fewer than no words
  return value;
}

std::optional<std::uint16_t> parse_code(std::string_view token) {
  if (token.size() != code_length) return std::nullopt;
  std::uint16_t code = 0;
  for (char bit : token) {
    if (bit != '0' && bit != '1') return std::nullopt;
    code = static_cast<std::uint16_t>(code << 1 | (bit - '0'));
  }
  return code;
}

std::optional<int> read_word_count(TOKENS& tokens) {
  for (int i = 0; i < header_tokens; ++i)
    if (!tokens.next()) return std::nullopt;
  std::optional<std::string_view> count = tokens.next();
  return count ? parse_count(*count) : std::nullopt;
}

// The codes, up to the count or to the end of the file; a malformed code is reported and ends it.
std::vector<std::uint16_t> read_codes(TOKENS& tokens, int count, const std::string& path,
                                      ERROR_HANDLER& error_handler) {
  std::vector<std::uint16_t> codes;
  for (int word = 0; word < count; ++word) {
    std::optional<std::string_view> address = tokens.next();
    std::optional<std::string_view> token = address ? tokens.next() : std::nullopt;
    if (!token) break;
    std::optional<std::uint16_t> code = parse_code(*token);
    if (!code) {
      error_handler.append("Bad code \"").append(*token).append("\" of word ").append(word);
      error_handler.append(" in file \"" + path + "\".\n");
      error_handler.error();
      break;
    }
    codes.push_back(*code);
  }
  return codes;
}

void append_word(std::vector<std::uint8_t>& bytes, std::uint16_t word, WORD_BYTES form) {
  std::uint8_t high = static_cast<std::uint8_t>(word >> 8);
  std::uint8_t low = static_cast<std::uint8_t>(word);
  if (form != WORD_BYTES::low) bytes.push_back(high);
  if (form != WORD_BYTES::high) bytes.push_back(low);
}

// Always one record more than the full ones: the open record, padded, even when it is empty.
void write_records(std::ostream& out, const std::vector<std::uint16_t>& codes,
                   const HEX_FILE_FORM& form) {
  INTEL_HEX_RECORDS records(out);
  size_t record_count = codes.size() / words_per_record + 1;
  std::vector<std::uint8_t> bytes;
  for (size_t record = 0; record < record_count; ++record) {
    bytes.clear();
    for (size_t word = record * words_per_record; word < (record + 1) * words_per_record; ++word)
      append_word(bytes, word < codes.size() ? codes[word] : 0, form.bytes);
    records.data(static_cast<std::uint32_t>(record * form.address_step), bytes);
  }
  records.end_of_file();
}

void report(ERROR_HANDLER& error_handler, std::string_view what, const std::string& path) {
  error_handler.append(what).append(" \"" + path + "\".\n");
  error_handler.error();
}

// Creates both files, converts the words into each that could be created, and closes them. The
// two files of a pair go together: when writing either fails, both targets stay as they were.
void convert(TOKENS& tokens, int count, const std::string& path, INTEL_HEX_LAYOUT layout,
             FILE_TOOLS& files, ERROR_HANDLER& error_handler) {
  std::pair<std::string, std::string> pair = intel_hex_names(path, layout);
  const std::array<std::string, 2> names{pair.first, pair.second};
  std::array<OUTPUT_FILE, 2> outputs;
  for (size_t i = 0; i < names.size(); ++i) {
    outputs[i] = files.open_write(names[i]);
    if (!outputs[i].is_open()) report_write_failure(error_handler, outputs[i], names[i]);
  }
  std::vector<std::uint16_t> codes = read_codes(tokens, count, path, error_handler);
  bool written = true;
  for (size_t i = 0; i < names.size(); ++i) {
    if (!outputs[i].created()) continue;
    write_records(outputs[i].stream(), codes, forms_of(layout)[i]);
    if (!outputs[i].finish_writing()) {
      report_write_failure(error_handler, outputs[i], names[i]);
      written = false;
    }
  }
  for (size_t i = 0; i < names.size(); ++i) {
    if (!outputs[i].created()) continue;
    if (!written) {
      outputs[i].discard();
    } else if (!files.close_write(outputs[i], names[i])) {
      report_write_failure(error_handler, outputs[i], names[i]);
    }
  }
}

}  // namespace

std::pair<std::string, std::string> intel_hex_names(const std::string& binary_text_file_path,
                                                    INTEL_HEX_LAYOUT layout) {
  std::string base = binary_text_file_path.substr(
      0, binary_text_file_path.size() - std::min<size_t>(2, binary_text_file_path.size()));
  const auto& forms = forms_of(layout);
  return {base + std::string(forms[0].suffix), base + std::string(forms[1].suffix)};
}

INTEL_HEX_OUTCOME write_intel_hex(const std::string& binary_text_file_path, INTEL_HEX_LAYOUT layout,
                                  FILE_TOOLS& files, ERROR_HANDLER& error_handler) {
  if (error_handler.error_count() != 0) return INTEL_HEX_OUTCOME::not_started;
  const std::string& path = binary_text_file_path;
  std::ifstream in = files.open_read(path);
  if (!in.is_open()) {
    report(error_handler, "Unable to open file", path);
    return INTEL_HEX_OUTCOME::unreadable_input;
  }
  TOKENS tokens{std::string(std::istreambuf_iterator<char>(in), {})};
  std::optional<int> count = read_word_count(tokens);
  if (count)
    convert(tokens, *count, path, layout, files, error_handler);
  else
    report(error_handler, "Bad word count in file", path);
  files.close_read(in, path);
  return error_handler.error_count() == 0 ? INTEL_HEX_OUTCOME::written : INTEL_HEX_OUTCOME::failed;
}
