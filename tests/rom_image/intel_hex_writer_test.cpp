#include "rom_image/intel_hex_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "pipeline/context.h"
#include "support/binary_text_file.h"
#include "support/scratch_directory.h"

namespace {

const std::vector<std::string> three_codes = {"0000100010100011", "1100110000000000",
                                              "1100001000000000"};
const std::string end_record = ":00000001FF\n";

class IntelHexWriter : public ::testing::Test {
 protected:
  SCRATCH_DIRECTORY scratch;
  std::istringstream input;
  std::ostringstream output, error_output;
  CONTEXT context{input, output, error_output, scratch.path()};

  INTEL_HEX_OUTCOME convert(const std::string& path, INTEL_HEX_LAYOUT layout) {
    return write_intel_hex(path, layout, context.files, context.error_handler);
  }
  INTEL_HEX_OUTCOME convert_text(const std::string& text, INTEL_HEX_LAYOUT layout) {
    SCRATCH_DIRECTORY::write("prog.b", text);
    return convert("prog.b", layout);
  }
  static std::string file(const std::string& name) { return SCRATCH_DIRECTORY::read(name); }
};

constexpr INTEL_HEX_LAYOUT eight = INTEL_HEX_LAYOUT::eight_bits;
constexpr INTEL_HEX_LAYOUT sixteen = INTEL_HEX_LAYOUT::sixteen_bits;

}  // namespace

TEST(IntelHexNames, drop_the_last_two_characters_and_add_the_layouts_suffixes) {
  using NAMES = std::pair<std::string, std::string>;
  EXPECT_EQ(intel_hex_names("prog.b", eight), (NAMES{"progRow_low.hex", "progRow_high.hex"}));
  EXPECT_EQ(intel_hex_names("prog.b", sixteen), (NAMES{"progRow_data.hex", "progRow_byte.hex"}));
  EXPECT_EQ(intel_hex_names("dir/x.b", eight), (NAMES{"dir/xRow_low.hex", "dir/xRow_high.hex"}));
}

TEST(IntelHexNames, a_path_shorter_than_two_characters_leaves_only_the_suffixes) {
  using NAMES = std::pair<std::string, std::string>;
  EXPECT_EQ(intel_hex_names("b", eight), (NAMES{"Row_low.hex", "Row_high.hex"}));
  EXPECT_EQ(intel_hex_names("", sixteen), (NAMES{"Row_data.hex", "Row_byte.hex"}));
}

TEST_F(IntelHexWriter, three_words_give_one_padded_record_per_byte_row) {
  EXPECT_EQ(convert_text(binary_text(three_codes), eight), INTEL_HEX_OUTCOME::written);
  EXPECT_EQ(file("progRow_low.hex"), ":08000000A30000000000000055\n" + end_record);
  EXPECT_EQ(file("progRow_high.hex"), ":0800000008CCC2000000000062\n" + end_record);
  EXPECT_EQ(output.str(), "");
}

TEST_F(IntelHexWriter, three_words_give_the_same_record_in_both_sixteen_bit_files) {
  EXPECT_EQ(convert_text(binary_text(three_codes), sixteen), INTEL_HEX_OUTCOME::written);
  const std::string record = ":1000000008A3CC00C20000000000000000000000B7\n";
  EXPECT_EQ(file("progRow_data.hex"), record + end_record);
  EXPECT_EQ(file("progRow_byte.hex"), record + end_record);
}

TEST_F(IntelHexWriter, eight_words_are_followed_by_a_record_of_zeros) {
  std::vector<std::string> codes(8, "1111111111111111");
  ASSERT_EQ(convert_text(binary_text(codes), eight), INTEL_HEX_OUTCOME::written);
  const std::string full = ":08000000FFFFFFFFFFFFFFFF00\n";
  const std::string zeros = ":080008000000000000000000F0\n";
  EXPECT_EQ(file("progRow_low.hex"), full + zeros + end_record);
  EXPECT_EQ(file("progRow_high.hex"), full + zeros + end_record);
}

TEST_F(IntelHexWriter, the_second_sixteen_bit_record_is_addressed_by_words_and_by_bytes) {
  std::vector<std::string> codes(9, "0000000000000000");
  codes[8] = "0000000100000010";  // 0x0102
  ASSERT_EQ(convert_text(binary_text(codes), sixteen), INTEL_HEX_OUTCOME::written);
  const std::string first = ":10000000" + std::string(32, '0') + "F0\n";
  // 0x10 + 0x08 + 0x01 + 0x02 = 0x1B; 0x10 + 0x10 + 0x01 + 0x02 = 0x23
  EXPECT_EQ(file("progRow_data.hex"),
            first + ":100008000102" + std::string(28, '0') + "E5\n" + end_record);
  EXPECT_EQ(file("progRow_byte.hex"),
            first + ":100010000102" + std::string(28, '0') + "DD\n" + end_record);
}

TEST_F(IntelHexWriter, no_words_give_one_record_of_zeros_and_a_negative_count_is_bad) {
  const std::string zeros = ":080000000000000000000000F8\n";
  ASSERT_EQ(convert_text(binary_text_header("-0"), eight), INTEL_HEX_OUTCOME::written);
  EXPECT_EQ(file("progRow_low.hex"), zeros + end_record);
  EXPECT_EQ(convert_text(binary_text_header("-4") + binary_text_word(0, three_codes[0]), eight),
            INTEL_HEX_OUTCOME::failed);
  EXPECT_NE(output.str().find("Bad word count"), std::string::npos);
}

TEST_F(IntelHexWriter, reads_only_the_token_count_of_the_header_and_every_separator) {
  std::string text = "a b c d e f g h i j k l m n o p q r +3\t0 " + three_codes[0] + "\r\n1\r" +
                     three_codes[1] + std::string(1, '\0') + "2\n\n" + three_codes[2];
  ASSERT_EQ(convert_text(text, eight), INTEL_HEX_OUTCOME::written);
  EXPECT_EQ(file("progRow_low.hex"), ":08000000A30000000000000055\n" + end_record);
}

TEST_F(IntelHexWriter, a_file_shorter_than_its_count_ends_after_its_last_whole_word) {
  std::string text = binary_text_header("6");
  for (size_t i = 0; i < 3; ++i) text += binary_text_word(i, three_codes[i]);
  text += "0003\n";  // an address without its code
  ASSERT_EQ(convert_text(text, eight), INTEL_HEX_OUTCOME::written);
  EXPECT_EQ(file("progRow_high.hex"), ":0800000008CCC2000000000062\n" + end_record);
  EXPECT_EQ(context.error_handler.error_count(), 0);
}

TEST_F(IntelHexWriter, a_malformed_code_is_an_error_that_ends_the_conversion_there) {
  for (std::string bad : {"110011000000000", "11001100000000001", "110011000000000x"}) {
    context.error_handler.reset();
    output.str("");
    std::vector<std::string> codes = three_codes;
    codes[1] = bad;
    EXPECT_EQ(convert_text(binary_text(codes), eight), INTEL_HEX_OUTCOME::failed);
    EXPECT_EQ(context.error_handler.error_count(), 1);
    EXPECT_EQ(output.str(),
              "****** Error : Bad code \"" + bad + "\" of word 1 in file \"prog.b\".\n\n------\n");
    // 0x08 + 0x08 = 0x10: only word 0 is kept.
    EXPECT_EQ(file("progRow_high.hex"),
              ":08000000"
              "08"
              "00000000000000"
              "F0\n" +
                  end_record);
  }
}

TEST_F(IntelHexWriter, a_missing_or_malformed_count_is_an_error_and_writes_nothing) {
  for (const std::string& text : {std::string("a b c"), binary_text_header("3x"),
                                  binary_text_header("99999999999"), binary_text_header("+-3")}) {
    context.error_handler.reset();
    output.str("");
    EXPECT_EQ(convert_text(text, eight), INTEL_HEX_OUTCOME::failed) << text;
    EXPECT_EQ(output.str(), "****** Error : Bad word count in file \"prog.b\".\n\n------\n");
    EXPECT_FALSE(std::filesystem::exists("progRow_low.hex"));
  }
}

TEST_F(IntelHexWriter, an_unreadable_binary_text_file_is_reported_and_writes_nothing) {
  EXPECT_EQ(convert("missing.b", sixteen), INTEL_HEX_OUTCOME::unreadable_input);
  EXPECT_EQ(context.error_handler.error_count(), 1);
  EXPECT_EQ(output.str(), "****** Error : Unable to open file \"missing.b\".\n\n------\n");
  EXPECT_FALSE(std::filesystem::exists("missingRow_data.hex"));
  EXPECT_FALSE(std::filesystem::exists("missingRow_byte.hex"));
}

TEST_F(IntelHexWriter, a_file_that_cannot_be_created_is_reported_and_the_other_still_written) {
  std::filesystem::create_directory("progRow_low.hex");  // stands in the way of the file
  EXPECT_EQ(convert_text(binary_text(three_codes), eight), INTEL_HEX_OUTCOME::failed);
  EXPECT_EQ(output.str(), "****** Error : Unable to create file \"progRow_low.hex\".\n\n------\n");
  EXPECT_EQ(file("progRow_high.hex"), ":0800000008CCC2000000000062\n" + end_record);
}

TEST_F(IntelHexWriter, does_nothing_while_errors_are_counted) {
  SCRATCH_DIRECTORY::write("prog.b", binary_text(three_codes));
  context.error_handler.error_without_position("earlier");
  output.str("");
  context.echo.verbose = true;
  EXPECT_EQ(convert("prog.b", eight), INTEL_HEX_OUTCOME::not_started);
  EXPECT_EQ(output.str(), "");
  EXPECT_FALSE(std::filesystem::exists("progRow_low.hex"));
}

TEST_F(IntelHexWriter, echoes_every_file_it_opens_and_closes) {
  context.echo.verbose = true;
  ASSERT_EQ(convert_text(binary_text(three_codes), sixteen), INTEL_HEX_OUTCOME::written);
  EXPECT_EQ(output.str(),
            "Trying to read file \"prog.b\".\n"
            "Trying to write file \"progRow_data.hex\".\n"
            "Trying to write file \"progRow_byte.hex\".\n"
            "Closing file \"progRow_data.hex\".\n"
            "Closing file \"progRow_byte.hex\".\n"
            "Closing file \"prog.b\".\n");
}

TEST_F(IntelHexWriter, a_one_character_path_gives_the_bare_suffixes) {
  SCRATCH_DIRECTORY::write("b", binary_text(three_codes));
  ASSERT_EQ(convert("b", eight), INTEL_HEX_OUTCOME::written);
  EXPECT_EQ(file("Row_low.hex"), ":08000000A30000000000000055\n" + end_record);
}

TEST_F(IntelHexWriter, addresses_past_0xFFFF_go_through_extended_linear_address_records) {
  std::vector<std::uint16_t> words(4097 * 8, 0);  // byte rows reach 0x10000 at word 0x8000
  ASSERT_EQ(convert_text(binary_text(words), sixteen), INTEL_HEX_OUTCOME::written);
  std::string byte_file = file("progRow_byte.hex");
  const std::string zeros = std::string(32, '0');
  const std::string around = ":10FFF000" + zeros + "01\n:020000040001F9\n:10000000" + zeros +
                             "F0\n:10001000" + zeros + "E0\n";
  EXPECT_NE(byte_file.find(around), std::string::npos);
  EXPECT_EQ(byte_file.find(":02000004"), byte_file.rfind(":02000004")) << "one segment change";
  EXPECT_EQ(file("progRow_data.hex").find(":02000004"), std::string::npos);
}
