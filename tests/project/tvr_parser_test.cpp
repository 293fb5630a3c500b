// The project file reader on texts written by hand: what it applies, what layout it tolerates,
// and the exact line and column of its one error report. The file is named "a" so that the
// report fits on one line.
#include "project/tvr_parser.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/test_context.h"

namespace {

using PATHS = std::vector<std::string>;

// A complete project in the writer's layout, with the given parameter lines and memory text.
std::string project_text(const std::string& parameters, const std::string& sources,
                         const std::string& memory = "") {
  return "project_name = \"demo\"\n"
         "binary_text_file_path = \"out.b\"\n" +
         parameters + "src_file_path_list = {\n" + sources + "   }\n" + memory;
}

const std::string default_parameters =
    "N = \"8\"\nM = \"16\"\nL = \"6\"\nX = \"8\"\nI = \"0\"\nO = \"0\"\nIO = \"0\"\nZ = \"4\"\n";

std::string parse_error(int line, int column) {
  return "****** Error : Error while parsing file \"a\" at line " + std::to_string(line) +
         " column " + std::to_string(column) + ".\n------\n";
}

struct TvrParser : testing::Test {
  TEST_CONTEXT test;
  CONTEXT& context = test.context;

  bool read(const std::string& text) {
    std::istringstream file(text);
    TVR_PARSER parser(context.project_description(), context.error_handler, "a", file);
    return parser.read();
  }
  const PROCESSOR_PARAMETERS& configured() const { return context.machine.parameters; }
  DEVICE_POOL& devices() { return context.machine.devices; }
  int errors() const { return context.error_handler.error_count(); }
};

}  // namespace

TEST_F(TvrParser, applies_names_parameters_sources_and_port_words) {
  const std::string parameters =
      "N = \"12\"\nM = \"24\"\nL = \"10\"\nX = \"16\"\nI = \"2\"\nO = \"1\"\nIO = \"1\"\nZ = "
      "\"9\"\n";
  const std::string memory =
      "input_memory = {\n-7\n300\n}\noutput_memory = {\n5\n}\nio_memory = {\n1\n2\n}\n";
  ASSERT_TRUE(read(project_text(parameters, "   \"main.c\",\n   \"lib.s\"\n", memory)));
  EXPECT_EQ(context.project_manager.project_name, "demo");
  EXPECT_EQ(context.project_manager.binary_text_file_path, "out.b");
  EXPECT_EQ(configured().data_size, 12);
  EXPECT_EQ(configured().pc_width, 24);
  EXPECT_EQ(configured().ram_address_width, 10);
  EXPECT_EQ(configured().register_count, 16);
  EXPECT_EQ(configured().input_count, 2);
  EXPECT_EQ(configured().output_count, 1);
  EXPECT_EQ(configured().io_count, 1);
  EXPECT_EQ(configured().stack_size, 9);
  EXPECT_EQ(context.source_paths.paths(), (PATHS{"main.c", "lib.s"}));
  EXPECT_EQ(devices().input[0], -7);
  EXPECT_EQ(devices().input[1], 300);
  EXPECT_EQ(devices().output[0], 5);
  EXPECT_EQ(devices().io[0], 1);
  EXPECT_EQ(devices().io[1], 2);
  EXPECT_EQ(test.take_output(), "");
}

TEST_F(TvrParser, empty_source_list_with_indented_brace_reads_back_empty) {
  EXPECT_TRUE(read(project_text(default_parameters, "")));
  EXPECT_TRUE(context.source_paths.empty());
  EXPECT_EQ(errors(), 0);
}

TEST_F(TvrParser, paths_that_are_not_source_files_are_dropped_silently) {
  EXPECT_TRUE(
      read(project_text(default_parameters, "   \"notes.txt\",\n   \"a.C\",\n   \"b.h\"\n")));
  EXPECT_EQ(context.source_paths.paths(), PATHS{"b.h"});
  EXPECT_EQ(errors(), 0);
}

TEST_F(TvrParser, refused_data_size_is_reported_at_the_closing_quote) {
  context.machine.configuration.set_data_size(16);
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("\"8\""), 3, "\"9\"");
  EXPECT_FALSE(read(project_text(parameters, "")));
  EXPECT_EQ(test.take_output(), parse_error(3, 7));
  EXPECT_EQ(errors(), 1);
  EXPECT_EQ(configured().data_size, 16);
  // Values read before the error stay set.
  EXPECT_EQ(context.project_manager.project_name, "demo");
}

TEST_F(TvrParser, every_parameter_is_checked_against_its_range) {
  struct REFUSAL {
    const char* line;  // replaces the parameter's line
    int line_number;
    int column;
  };
  const REFUSAL refusals[] = {{"M = \"25\"", 4, 8},  {"L = \"5\"", 5, 7},  {"X = \"9\"", 6, 7},
                              {"I = \"97\"", 7, 8},  {"O = \"-1\"", 8, 8}, {"IO = \"17\"", 9, 9},
                              {"Z = \"65\"", 10, 8}, {"Z = \"3\"", 10, 7}, {"N = \"\"", 3, 6}};
  for (const REFUSAL& refusal : refusals) {
    TEST_CONTEXT fresh;
    std::string key = std::string(refusal.line).substr(0, std::string(refusal.line).find(' '));
    std::string parameters = default_parameters;
    size_t start = parameters.find("\n" + key + " ") + 1;
    if (key == "N") start = 0;
    parameters.replace(start, parameters.find('\n', start) - start, refusal.line);
    std::istringstream file(project_text(parameters, ""));
    TVR_PARSER parser(fresh.context.project_description(), fresh.context.error_handler, "a", file);
    EXPECT_FALSE(parser.read()) << refusal.line;
    EXPECT_EQ(fresh.take_output(), parse_error(refusal.line_number, refusal.column))
        << refusal.line;
  }
}

TEST_F(TvrParser, blanks_and_blank_lines_between_tokens_are_accepted) {
  const std::string text =
      "\n\n  project_name\t=   \"my project\"   \r\n\n"
      "binary_text_file_path=\"x.b\"\n"
      "N=\"10\" M = \"16\"\n L \n=\n\"7\"\nX = \"12\"\nI=\"1\"\nO=\"0\"\nI O = \"2\"\nZ = \"5\"\n"
      "src_file_path_list\n=\n{ \"a.c\" , \"b.s\"\n\n}\n\n"
      "  input_memory = {   3   }\n";
  ASSERT_TRUE(read(text));
  EXPECT_EQ(context.project_manager.project_name, "my project");
  EXPECT_EQ(configured().data_size, 10);
  EXPECT_EQ(configured().ram_address_width, 7);
  EXPECT_EQ(configured().io_count, 2);
  EXPECT_EQ(context.source_paths.paths(), (PATHS{"a.c", "b.s"}));
  EXPECT_EQ(devices().input[0], 3);
}

TEST_F(TvrParser, lines_ending_with_carriage_return_and_line_feed_read_as_written) {
  std::string text = project_text(default_parameters, "   \"a.c\"\n");
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_TRUE(read(crlf));
  EXPECT_EQ(context.source_paths.paths(), PATHS{"a.c"});
}

TEST_F(TvrParser, carriage_return_counts_as_a_column_and_only_line_feed_starts_a_line) {
  EXPECT_FALSE(read("project_name = \"x\"\r\nbinary_text_file_path = \"y\"\r\nN = \"9\"\r\n"));
  EXPECT_EQ(test.take_output(), parse_error(3, 7));
}

TEST_F(TvrParser, nul_characters_are_separators) {
  std::string text = project_text(default_parameters, "");
  text.insert(0, 3, '\0');
  EXPECT_TRUE(read(text));
}

TEST_F(TvrParser, blank_before_the_digits_of_a_number_is_refused) {
  std::string parameters = default_parameters;
  parameters.replace(0, 7, "N = \" 8\"");
  EXPECT_FALSE(read(project_text(parameters, "")));
  EXPECT_EQ(test.take_output(), parse_error(3, 6));
}

TEST_F(TvrParser, blank_before_a_number_that_may_be_zero_is_refused_at_the_digit) {
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("I = \"0\""), 7, "I = \" 0\"");
  EXPECT_FALSE(read(project_text(parameters, "")));
  EXPECT_EQ(test.take_output(), parse_error(7, 7));
}

TEST_F(TvrParser, wrong_key_is_reported_at_the_first_differing_character) {
  EXPECT_FALSE(read("project_nam = \"x\"\n"));
  EXPECT_EQ(test.take_output(), parse_error(1, 12));
}

TEST_F(TvrParser, only_the_first_error_is_reported) {
  EXPECT_FALSE(read("projekt = \"x\"\nrubbish\n"));
  EXPECT_EQ(test.take_output(), parse_error(1, 6));
  EXPECT_EQ(errors(), 1);
}

TEST_F(TvrParser, file_stopping_after_the_source_list_leaves_the_port_words) {
  devices().input[0] = 11;
  devices().io[0] = -3;
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("I = \"0\""), 7, "I = \"1\"");
  parameters.replace(parameters.find("IO = \"0\""), 8, "IO = \"1\"");
  EXPECT_TRUE(read(project_text(parameters, "")));
  EXPECT_EQ(devices().input[0], 11);
  EXPECT_EQ(devices().io[0], -3);
}

TEST_F(TvrParser, port_counts_are_set_after_the_data_size_they_depend_on) {
  context.machine.configuration.set_data_size(16);
  devices().input[0] = 1000;  // fits 16 bits, not 8
  devices().input[1] = 100;
  devices().output[0] = 7;
  EXPECT_TRUE(read(project_text(default_parameters, "")));
  EXPECT_EQ(devices().input[0], 0);
  EXPECT_EQ(devices().input[1], 100);
  EXPECT_EQ(devices().output[0], 0);
}

TEST_F(TvrParser, memory_values_may_stand_several_to_a_line) {
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("I = \"0\""), 7, "I = \"4\"");
  EXPECT_TRUE(read(project_text(parameters, "", "input_memory = {\n1 -2\t3\n   4 }\n")));
  EXPECT_EQ(devices().input[0], 1);
  EXPECT_EQ(devices().input[1], -2);
  EXPECT_EQ(devices().input[2], 3);
  EXPECT_EQ(devices().input[3], 4);
}

TEST_F(TvrParser, a_value_beyond_the_port_count_is_reported) {
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("I = \"0\""), 7, "I = \"1\"");
  EXPECT_FALSE(read(project_text(parameters, "", "input_memory = {\n5\n6\n}\n")));
  EXPECT_EQ(test.take_output(), parse_error(15, 1));
  EXPECT_EQ(devices().input[0], 5);
}

TEST_F(TvrParser, port_words_are_held_to_32_bits) {
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("O = \"0\""), 7, "O = \"3\"");
  EXPECT_TRUE(read(project_text(parameters, "",
                                "output_memory = {\n99999999999999999999\n-4294967296\n-\n}\n")));
  EXPECT_EQ(devices().output[0], INT32_MAX);
  EXPECT_EQ(devices().output[1], INT32_MIN);
  EXPECT_EQ(devices().output[2], 0);
}

TEST_F(TvrParser, sections_are_optional_each_on_its_own) {
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("I = \"0\""), 7, "I = \"1\"");
  parameters.replace(parameters.find("IO = \"0\""), 8, "IO = \"1\"");
  devices().input[0] = 9;
  EXPECT_TRUE(read(project_text(parameters, "", "io_memory = {\n4 5\n}\n")));
  EXPECT_EQ(devices().input[0], 9);
  EXPECT_EQ(devices().io[0], 4);
  EXPECT_EQ(devices().io[1], 5);
  EXPECT_EQ(errors(), 0);
}

TEST_F(TvrParser, misspelt_section_key_is_reported) {
  EXPECT_FALSE(read(project_text(default_parameters, "", "output_memroy = {\n}\n")));
  EXPECT_EQ(test.take_output(), parse_error(13, 11));
}

TEST_F(TvrParser, name_holding_a_double_quote_cannot_be_read_back) {
  EXPECT_FALSE(read("project_name = \"a\"b\"\nbinary_text_file_path = \"x\"\n"));
  EXPECT_EQ(test.take_output(), parse_error(1, 20));
  EXPECT_EQ(context.project_manager.project_name, "a");
}

TEST_F(TvrParser, garbage_after_a_source_path_is_reported) {
  EXPECT_FALSE(read(project_text(default_parameters, "   \"a.c\" ; \"b.c\"\n")));
  EXPECT_EQ(test.take_output(), parse_error(12, 10));
  EXPECT_EQ(context.source_paths.paths(), PATHS{"a.c"});
}

TEST_F(TvrParser, paths_need_no_comma_between_them) {
  EXPECT_TRUE(read(project_text(default_parameters, "   \"a.c\" \"b.c\",\n")));
  EXPECT_EQ(context.source_paths.paths(), (PATHS{"a.c", "b.c"}));
}

// At the end of the file the error stands at the last character read.
TEST_F(TvrParser, empty_file_is_reported_at_its_start) {
  EXPECT_FALSE(read(""));
  EXPECT_EQ(test.take_output(), parse_error(1, 1));
}

TEST_F(TvrParser, end_of_file_where_a_token_is_expected_is_reported_at_the_last_character) {
  EXPECT_FALSE(read("project_name = \"x\"\n"));
  EXPECT_EQ(test.take_output(), parse_error(1, 19));
}

TEST_F(TvrParser, end_of_file_inside_a_quoted_value_is_reported) {
  EXPECT_FALSE(read("project_name = \"abc"));
  EXPECT_EQ(test.take_output(), parse_error(1, 19));
  EXPECT_EQ(context.project_manager.project_name, "");
}

TEST_F(TvrParser, file_ending_inside_the_source_list_stops_with_an_error) {
  std::string text = project_text(default_parameters, "   \"a.c\",\n   \"b.c\"");
  text.erase(text.rfind("   }"));
  EXPECT_FALSE(read(text));
  EXPECT_EQ(test.take_output(), parse_error(13, 8));
  EXPECT_EQ(context.source_paths.paths(), (PATHS{"a.c", "b.c"}));
}

TEST_F(TvrParser, file_ending_after_a_comma_in_the_source_list_stops_with_an_error) {
  std::string text = project_text(default_parameters, "   \"a.c\",\n");
  text.erase(text.rfind("   }"));
  EXPECT_FALSE(read(text));
  EXPECT_EQ(test.take_output(), parse_error(12, 10));
}

TEST_F(TvrParser, file_ending_inside_a_memory_section_is_reported) {
  std::string parameters = default_parameters;
  parameters.replace(parameters.find("I = \"0\""), 7, "I = \"2\"");
  EXPECT_FALSE(read(project_text(parameters, "", "input_memory = {\n1\n")));
  EXPECT_EQ(test.take_output(), parse_error(14, 2));
}

// Whatever the number, a value read is one the processor allows: nothing wraps into range.
TEST_F(TvrParser, absurd_numbers_never_set_a_parameter_out_of_its_range) {
  const char* keys[] = {"N", "M", "L", "X", "I", "O", "IO", "Z"};
  const char* absurd[] = {
      "99999999999999999999", "-99999999999999999999", "4294967304", "2147483648",
      "-2147483648",          "18446744073709551624",  "0x10",       "1e3"};
  for (const char* key : keys) {
    for (const char* value : absurd) {
      TEST_CONTEXT fresh;
      std::string parameters = default_parameters;
      const std::string line = std::string(key) + " = \"";
      const size_t start = parameters.find(line) + line.size();
      parameters.replace(start, parameters.find('"', start) - start, value);
      std::istringstream file(project_text(parameters, "   \"a.s\"\n"));
      TVR_PARSER parser(fresh.context.project_description(), fresh.context.error_handler, "a",
                        file);
      parser.read();
      const PROCESSOR_PARAMETERS& p = fresh.context.machine.parameters;
      EXPECT_TRUE(is_valid_data_size(p.data_size) && is_valid_register_count(p.register_count) &&
                  is_valid_pc_width(p.pc_width) &&
                  is_valid_ram_address_width(p.ram_address_width) &&
                  is_valid_stack_size(p.stack_size) && is_valid_input_count(p.input_count) &&
                  is_valid_output_count(p.output_count) && is_valid_io_count(p.io_count))
          << key << " = " << value;
    }
  }
}
