// The checks walk expression trees and call chains recursively, so the compiler bounds both:
// past the bound a program gets an error at the place where it was met, never a crash. The
// programs are written here, since their size is the point.
#include <gtest/gtest.h>

#include <string>

#include "support/build_fixture.h"

namespace {

class DEPTH_LIMITS : public BuildTest {
 protected:
  std::string build_program(const std::string& text) {
    add_source("prog.c", text);
    build();
    return output();
  }
};

// x = 0 + x + x ... with one `+ x` per line, the `;` on the line after the last.
std::string chain_of_additions(int operators) {
  std::string text = "int main(void)\n{\n  int x;\n  x = 0\n";
  for (int n = 0; n < operators; ++n) text += "    + x\n";
  return text + "    ;\n  return x;\n}\n";
}

// f1 calls f0, f2 calls f1, ...; main calls the last one.
std::string chain_of_calls(int functions) {
  std::string text = "int f0(int a) { return a; }\n";
  for (int n = 1; n < functions; ++n)
    text += "int f" + std::to_string(n) + "(int a) { return f" + std::to_string(n - 1) + "(a); }\n";
  return text + "int main(void) { return f" + std::to_string(functions - 1) + "(1); }\n";
}

}  // namespace

TEST_F(DEPTH_LIMITS,
       an_expression_tree_taller_than_ten_thousand_is_refused_where_it_grows_too_tall) {
  // Leaves count 1, so 10,000 operators make a tree of 10,001.
  const std::string report =
      "****** Error : Expression too deep.\n"
      "Line 10005 column 5 in " +
      directory.path() +
      "/prog.c :\n"
      "    ;\n"
      "    ^\n"
      "------\n";
  EXPECT_EQ(build_program(chain_of_additions(10000)), report + report);
}

TEST_F(DEPTH_LIMITS, an_expression_at_the_bound_is_checked_and_compiled) {
  // 9,998 operators and the assignment above them make a tree of exactly 10,000; its code
  // needs a ROM wider than 16 bits. The code generator walks the same tree recursively.
  machine.parameters.pc_width = 20;
  EXPECT_EQ(build_program(chain_of_additions(9998)), "");
  EXPECT_GT(rom.size(), 65536);
}

TEST_F(DEPTH_LIMITS, calls_nested_past_1024_checks_stop_at_the_function_that_would_go_deeper) {
  // main and f1099 down to f77 are 1,024 checks under way when f76 is reached.
  EXPECT_EQ(build_program(chain_of_calls(1100)),
            "****** Error : Calls nested too deeply to be checked.\n"
            "Line 77 column 5 in " +
                directory.path() +
                "/prog.c :\n"
                "int f76(int a) { return f75(a); }\n"
                "    ^\n"
                "------\n");
}
