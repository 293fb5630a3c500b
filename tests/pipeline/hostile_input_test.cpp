// Inputs no one writes on purpose: each build must end with a report or with code, never with a
// crash, a hang or a stack overflow. The sanitizer build runs the same cases.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/build_fixture.h"

namespace {

class HOSTILE_INPUT : public BuildTest {
 protected:
  int errors_of(const std::string& name, const std::string& text) {
    add_source(name, text);
    build();
    output();
    return context.error_handler.error_count();
  }
};

std::string repeated(const std::string& text, int times) {
  std::string result;
  for (int n = 0; n < times; ++n) result += text;
  return result;
}

}  // namespace

TEST_F(HOSTILE_INPUT, an_empty_c_file_has_no_main_and_an_empty_assembly_file_no_code) {
  EXPECT_EQ(errors_of("prog.c", ""), 1);
  context.source_paths.clear();
  EXPECT_EQ(errors_of("prog.s", ""), 0);
  EXPECT_EQ(rom.size(), 0);
}

TEST_F(HOSTILE_INPUT, nul_bytes_are_errors_in_both_languages) {
  const std::string nuls(4096, '\0');
  EXPECT_GT(errors_of("prog.c", nuls), 0);
  context.source_paths.clear();
  EXPECT_GT(errors_of("prog.s", "        NOP\n" + nuls + "\n"), 0);
}

TEST_F(HOSTILE_INPUT, a_line_of_100000_characters_compiles_like_a_short_one) {
  const std::string statements = repeated("x = x + 1; ", 100000 / 11);
  EXPECT_EQ(errors_of("prog.c", "int x;\nint main(void) { " + statements + "return x; }\n"), 0);
  EXPECT_GT(rom.size(), 100000 / 11);
  context.source_paths.clear();
  EXPECT_EQ(errors_of("prog.s", "        NOP  * " + std::string(100000, 'z') + "\n"), 0);
  EXPECT_EQ(rom.size(), 1);
}

// More than a megabyte of statements whose result the program checks itself: the sum of the
// additions, wrapped to the 16-bit int.
TEST_F(HOSTILE_INPUT, a_c_file_of_a_megabyte_builds_and_computes_its_sum) {
  const int lines = 25000;
  const int sum = static_cast<int16_t>(3 * lines + 5);
  std::string text = "int x;\nint main(void)\n{\n  x = 5;\n";
  text += repeated("  x = x + 3; /* one more line of the long file */\n", lines);
  text += "  if (x != " + std::to_string(sum) + ") {\n#asm R6;\n    R6 = x;\n" +
          "    asm( IEM R6 );\n#endasm\n  }\n}\n";
  ASSERT_GT(text.size(), size_t{1} << 20);
  machine.configuration.set_data_size(16);
  machine.parameters.pc_width = 22;
  EXPECT_EQ(errors_of("prog.c", text), 0);
  run();
  EXPECT_EQ(errors(), 0) << "the program found a wrong sum";
}

TEST_F(HOSTILE_INPUT, unterminated_comments_and_characters_are_errors) {
  for (const char* text : {"int main(void) { return 0; } /* never closed\n", "/* never closed",
                           "int main(void) { return 'a; }\n", "#define A /* open\n",
                           "int main(void) { return 0; }\n#asm R6;\n"}) {
    context.source_paths.clear();
    EXPECT_GT(errors_of("prog.c", text), 0) << text;
  }
  context.source_paths.clear();
  EXPECT_EQ(errors_of("prog.c", "int main(void) { return 0; }\n/* no line end */"), 0);
}

// A file being parsed is not parsed again inside itself, so each cycle of includes ends at once.
TEST_F(HOSTILE_INPUT, a_file_that_includes_itself_is_read_once) {
  EXPECT_EQ(errors_of("prog.c", "#include \"prog.c\"\nint main(void) { return 0; }\n"), 0);
  EXPECT_GT(rom.size(), 0);
  context.source_paths.clear();
  directory.write("a.h", "#include \"b.h\"\n#define A 1\n");
  directory.write("b.h", "#include \"a.h\"\n#define B 2\n");
  EXPECT_EQ(errors_of("two.c", "#include \"a.h\"\nint main(void) { return A + B; }\n"), 0);
}

TEST_F(HOSTILE_INPUT, nesting_a_thousand_deep_and_far_deeper_is_an_error_not_an_overflow) {
  for (int depth : {1000, 100000}) {
    const std::string blocks = repeated("{", depth) + repeated("}", depth);
    const std::string parentheses = repeated("(", depth) + "1" + repeated(")", depth);
    const std::string negations = repeated("-", depth) + "1";
    for (const std::string& text :
         {"int main(void) " + blocks + "\n", "int main(void) { return " + parentheses + "; }\n",
          "int main(void) { return " + negations + "; }\n",
          "#if " + parentheses + "\nint main(void) { return 0; }\n#endif\n"}) {
      context.source_paths.clear();
      EXPECT_GT(errors_of("prog.c", text), 0) << depth << ": " << text.substr(0, 40);
    }
  }
}
