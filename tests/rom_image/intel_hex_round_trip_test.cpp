// Reads the produced Intel HEX files back with independent readers (binutils' objcopy, and
// srecord's srec_cat when present) and compares them with the ROM words they came from.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "pipeline/context.h"
#include "rom_image/intel_hex_writer.h"
#include "support/binary_text_file.h"
#include "support/scratch_directory.h"

namespace {

using BYTES = std::vector<std::uint8_t>;

bool tool_available(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::vector<std::uint16_t> pseudo_random_words(size_t count) {
  std::vector<std::uint16_t> words;
  std::uint32_t state = 12345;
  for (size_t i = 0; i < count; ++i) {
    state = state * 1103515245u + 12345u;
    words.push_back(static_cast<std::uint16_t>(state >> 16));
  }
  return words;
}

BYTES bytes_of(const std::string& text) {
  return BYTES(text.begin(), text.end());
}

// The image a byte-addressed file must hold: the chosen bytes of each word, then zeros up to
// the end of the padded last record of 8 words.
BYTES expected_image(const std::vector<std::uint16_t>& words, bool high, bool low) {
  BYTES image;
  size_t padded = (words.size() / 8 + 1) * 8;
  for (size_t i = 0; i < padded; ++i) {
    std::uint16_t word = i < words.size() ? words[i] : 0;
    if (high) image.push_back(static_cast<std::uint8_t>(word >> 8));
    if (low) image.push_back(static_cast<std::uint8_t>(word & 0xFF));
  }
  return image;
}

BYTES read_with_objcopy(const std::string& hex) {
  std::string command = "objcopy -I ihex -O binary " + hex + " objcopy.bin";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return bytes_of(SCRATCH_DIRECTORY::read("objcopy.bin"));
}

BYTES read_with_srec_cat(const std::string& hex) {
  std::string command = "srec_cat " + hex + " -intel -o srec.bin -binary";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return bytes_of(SCRATCH_DIRECTORY::read("srec.bin"));
}

// The word-addressed file's records overlap as bytes, so they are read as separate blocks:
// objcopy's Verilog output gives each block's load address and its bytes.
std::map<std::uint32_t, BYTES> read_blocks_with_objcopy(const std::string& hex) {
  std::string command = "objcopy -I ihex -O verilog " + hex + " objcopy.v";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::map<std::uint32_t, BYTES> blocks;
  std::istringstream text(SCRATCH_DIRECTORY::read("objcopy.v"));
  std::string token;
  BYTES* block = nullptr;
  while (text >> token) {
    if (token[0] == '@')
      block = &blocks[static_cast<std::uint32_t>(std::stoul(token.substr(1), nullptr, 16))];
    else if (block)
      block->push_back(static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)));
  }
  return blocks;
}

std::map<std::uint32_t, BYTES> expected_word_blocks(const std::vector<std::uint16_t>& words) {
  BYTES image = expected_image(words, true, true);
  std::map<std::uint32_t, BYTES> blocks;
  for (size_t record = 0; record * 16 < image.size(); ++record)
    blocks[static_cast<std::uint32_t>(record * 8)] =
        BYTES(image.begin() + record * 16, image.begin() + record * 16 + 16);
  return blocks;
}

class IntelHexRoundTrip : public ::testing::TestWithParam<size_t> {
 protected:
  void SetUp() override {
    if (!tool_available("objcopy")) GTEST_SKIP() << "objcopy is not installed";
    words = pseudo_random_words(GetParam());
    SCRATCH_DIRECTORY::write("rom.b", binary_text(words));
  }

  void convert(INTEL_HEX_LAYOUT layout) {
    ASSERT_EQ(write_intel_hex("rom.b", layout, context.files, context.error_handler),
              INTEL_HEX_OUTCOME::written)
        << output.str();
  }

  void expect_image(const std::string& hex, const BYTES& expected) {
    EXPECT_TRUE(read_with_objcopy(hex) == expected) << hex << " differs as objcopy reads it";
    if (tool_available("srec_cat")) {
      EXPECT_TRUE(read_with_srec_cat(hex) == expected) << hex << " differs as srec_cat reads it";
    }
  }

  SCRATCH_DIRECTORY scratch;
  std::istringstream input;
  std::ostringstream output, error_output;
  CONTEXT context{input, output, error_output, scratch.path()};
  std::vector<std::uint16_t> words;
};

}  // namespace

TEST_P(IntelHexRoundTrip, eight_bit_files_hold_the_low_and_the_high_bytes) {
  convert(INTEL_HEX_LAYOUT::eight_bits);
  expect_image("romRow_low.hex", expected_image(words, false, true));
  expect_image("romRow_high.hex", expected_image(words, true, false));
}

TEST_P(IntelHexRoundTrip, sixteen_bit_byte_file_holds_each_word_high_byte_first) {
  convert(INTEL_HEX_LAYOUT::sixteen_bits);
  expect_image("romRow_byte.hex", expected_image(words, true, true));
}

TEST_P(IntelHexRoundTrip, sixteen_bit_data_file_holds_eight_words_per_word_address) {
  convert(INTEL_HEX_LAYOUT::sixteen_bits);
  EXPECT_TRUE(read_blocks_with_objcopy("romRow_data.hex") == expected_word_blocks(words));
}

// 40000 words pass 0xFFFF in the byte-addressed 16-bit file; 70000 in every file.
INSTANTIATE_TEST_SUITE_P(RomSizes, IntelHexRoundTrip, ::testing::Values(1, 8, 9, 300, 40000, 70000),
                         [](const auto& info) { return std::to_string(info.param) + "_words"; });
