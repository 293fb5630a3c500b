// The preprocessor as the parser sees it: the examples of macro replacement from the C
// standard, the expected lines written out from C's rules (compared without blanks, which the
// rules leave free), and the map that takes an expansion's characters back to the use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/macro_names.h"
#include "cfront/c_parser.h"
#include "support/test_context.h"

namespace {

std::string without_blanks(const std::string& text) {
  std::string result;
  for (char c : text)
    if (c != ' ' && c != '\t') result += c;
  return result;
}

class PREPROCESSED : public testing::Test {
 protected:
  // The lines as the parser reads them, each without blanks.
  std::vector<std::string> prepared(std::vector<std::string> lines) {
    const int count = static_cast<int>(lines.size());
    parser.load_text(std::move(lines));
    std::vector<std::string> result;
    for (int line = 1; line <= count; ++line) {
      std::string text;
      for (parser.set_cursor(line, 1); parser.current() != '\n' && parser.current() != 0;
           parser.next_char())
        text += parser.current();
      result.push_back(without_blanks(text));
    }
    return result;
  }
  int errors() const { return test.context.error_handler.error_count(); }

  TEST_CONTEXT test;
  C_PARSER parser{test.context.c_program};
};

TEST_F(PREPROCESSED, rescanning_stops_at_each_macro_already_being_replaced) {
  const std::vector<std::string> lines = prepared({
      "#define x 3",
      "#define f(a) f(x * (a))",
      "#undef x",
      "#define x 2",
      "#define g f",
      "#define z z[0]",
      "#define h g(~",
      "#define m(a) a(w)",
      "#define w 0,1",
      "#define t(a) a",
      "#define p() int",
      "#define q(x) x",
      "#define r(x,y) x ## y",
      "#define str(x) # x",
      "f(y+1) + f(f(z)) % t(t(g)(0) + t)(1);",
      "g(x+(3,4)-w) | h 5) & m",
      "(f)^m(m);",
      "p() i[q()] = { q(1), r(2,3), r(4,), r(,5), r(,) };",
      "char c[2][6] = { str(hello), str() };",
  });
  EXPECT_EQ(without_blanks("f(2 * (y+1)) + f(2 * (f(2 * (z[0])))) % f(2 * (0)) + t(1);"),
            lines[14]);
  EXPECT_EQ(without_blanks("f(2 * (2+(3,4)-0,1)) | f(2 * (~ 5)) & f(2 * (0,1))^m(0,1);"),
            lines[15]);
  EXPECT_EQ("", lines[16]) << "the call of m that began on the line before took this line";
  EXPECT_EQ(without_blanks("int i[] = { 1, 23, 4, 5, };"), lines[17]);
  EXPECT_EQ(without_blanks("char c[2][6] = { \"hello\", \"\" };"), lines[18]);
  for (int line = 0; line < 14; ++line) EXPECT_EQ("", lines[line]) << "directive line " << line;
  EXPECT_EQ(0, errors());
}

TEST_F(PREPROCESSED, strings_and_pastes_take_arguments_as_written) {
  const std::vector<std::string> lines = prepared({
      "#define str(s) # s",
      "#define xstr(s) str(s)",
      "#define debug(s, t) printf(\"x\" # s \"= %d, x\" # t \"= %s\", \\",
      " x ## s, x ## t)",
      "#define INCFILE(n) vers ## n",
      "#define glue(a, b) a ## b",
      "#define xglue(a, b) glue(a, b)",
      "#define HIGHLOW \"hello\"",
      "#define LOW LOW \", world\"",
      "debug(1, 2);",
      "fputs(str(strncmp(\"abc\\0d\", \"abc\", '\\4') // this goes away",
      " == 0) str(: @\\n), s);",
      "xstr(INCFILE(2).h)",
      "glue(HIGH, LOW);",
      "xglue(HIGH, LOW)",
      "#define t(x,y,z) x ## y ## z",
      "int j[] = { t(1,2,3), t(,4,5), t(6,,7), t(8,9,),",
      " t(10,,), t(,11,), t(,,12), t(,,) };",
  });
  EXPECT_EQ(without_blanks("printf(\"x\" \"1\" \"= %d, x\" \"2\" \"= %s\", x1, x2);"), lines[9]);
  EXPECT_EQ(without_blanks("fputs(\"strncmp(\\\"abc\\\\0d\\\", \\\"abc\\\", '\\\\4') == 0\" "
                           "\": @\\n\", s);"),
            lines[10]);
  EXPECT_EQ("\"vers2.h\"", lines[12]);
  EXPECT_EQ("\"hello\";", lines[13]);
  EXPECT_EQ("\"hello\"\",world\"", lines[14]);
  EXPECT_EQ("intj[]={123,45,67,89,", lines[16]);
  EXPECT_EQ("10,11,12,};", lines[17]);
  EXPECT_EQ(0, errors());
}

TEST_F(PREPROCESSED, variable_arguments_keep_their_commas) {
  const std::vector<std::string> lines = prepared({
      "#define debug(...) fprintf(stderr, __VA_ARGS__)",
      "#define showlist(...) puts(#__VA_ARGS__)",
      "#define report(test, ...) ((test)?puts(#test): printf(__VA_ARGS__))",
      "debug(\"Flag\");",
      "debug(\"X = %d\\n\", x);",
      "showlist(The first, second, and third items.);",
      "report(x>y, \"x is %d but y is %d\", x, y);",
  });
  EXPECT_EQ("fprintf(stderr,\"Flag\");", lines[3]);
  EXPECT_EQ(without_blanks("fprintf(stderr, \"X = %d\\n\", x);"), lines[4]);
  EXPECT_EQ("puts(\"Thefirst,second,andthirditems.\");", lines[5]);
  EXPECT_EQ(without_blanks("((x>y)?puts(\"x>y\"): printf(\"x is %d but y is %d\", x, y));"),
            lines[6]);
}

TEST_F(PREPROCESSED, conditional_groups_nest_inside_skipped_ones) {
  const std::vector<std::string> lines = prepared({
      "#if 0",
      "#if 1",
      "a",
      "#endif",
      "b",
      "#elif 2 * 3 == 6 && defined(__TAVREL_N__) && !defined NONE",
      "c",
      "#else",
      "d",
      "#endif",
      "/* #if 0 is in a comment",
      "*/ e",
      "\"#define\" f",
  });
  EXPECT_EQ((std::vector<std::string>{"", "", "", "", "", "", "c", "", "", "", "/*#if0isinacomment",
                                      "*/e", "\"#define\"f"}),
            lines);
  EXPECT_EQ(0, errors());
}

TEST_F(PREPROCESSED, an_expansion_maps_to_its_use_and_an_argument_to_where_it_was_written) {
  prepared({"#define N 16", "#define ID(a) (a)", "x = N + ID(abc);"});
  const int n = macro_name_index("N");
  const int id = macro_name_index("ID");
  // "x = 16 + (abc);": 16 covers N's one column, the parentheses come from ID's text.
  const POSITION one = parser.position_at(3, 5);
  const POSITION six = parser.position_at(3, 6);
  EXPECT_EQ(5, one.column);
  EXPECT_EQ(n, one.macro);
  EXPECT_EQ(5, six.column);
  const POSITION plus = parser.position_at(3, 8);
  EXPECT_EQ(7, plus.column);
  EXPECT_EQ(0, plus.macro);
  const POSITION open = parser.position_at(3, 10);
  EXPECT_EQ(9, open.column);
  EXPECT_EQ(id, open.macro);
  const POSITION b = parser.position_at(3, 12);
  EXPECT_EQ(3, b.line);
  EXPECT_EQ(13, b.column) << "b of abc, written in the call";
  EXPECT_EQ(0, b.macro);
  const POSITION close = parser.position_at(3, 14);
  EXPECT_EQ(15, close.column) << "the last character of the expansion at the call's )";
}

}  // namespace
