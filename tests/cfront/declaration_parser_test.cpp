// Declarations as the parser builds them: the type each specifier list gives, pointer levels,
// arrays, parameter lists and initialisers; every refused form with where its message points
// (a refusal abandons the parse, so one file can show only one); and the conformance rule on
// the cases that no program reaches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "cfront/c_types.h"
#include "cfront/declarations.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

class DECLARATION_PARSER : public testing::Test {
 protected:
  bool parse(const std::string& text) {
    path = directory.write("prog.c", text);
    test.context.error_handler.reset();
    program.reset();
    return program.parse_c_file(path);
  }
  std::vector<DECLARATOR*>& declarations() {
    return program.file(&test.context.source_files.source_file_for(path)).declarations;
  }
  std::string type_of(int index) { return declarations().at(index)->type()->display_name(); }
  // The report the diagnostics format gives for a message at one column of a one-line source.
  std::string report(const std::string& message, const std::string& line, int column) {
    return "****** Error : " + message + "\nLine 1 column " + std::to_string(column) + " in " +
           path + " :\n" + line + "\n" + std::string(column - 1, ' ') + "^\n------\n";
  }

  TEMPORARY_DIRECTORY directory;
  TEST_CONTEXT test;
  C_PROGRAM& program = test.context.c_program;
  std::string path;
};

TEST_F(DECLARATION_PARSER, the_last_type_keyword_wins_and_short_and_long_are_int) {
  ASSERT_TRUE(
      parse("unsigned a; unsigned int b; long c; short d; unsigned long e;\n"
            "signed f; signed char g; unsigned char h; char i; long int j;\n"));
  const std::vector<std::string> expected{"unsigned int", "unsigned int", "int",  "int",
                                          "int",          "int",          "char", "unsigned char",
                                          "char",         "int"};
  ASSERT_EQ(expected.size(), declarations().size());
  for (size_t index = 0; index < expected.size(); ++index)
    EXPECT_EQ(expected[index], type_of(index)) << "declaration " << index;
  auto* alone = dynamic_cast<UNSIGNED_INT_TYPE*>(declarations()[0]->type());
  auto* with_int = dynamic_cast<UNSIGNED_INT_TYPE*>(declarations()[1]->type());
  ASSERT_TRUE(alone != nullptr && with_int != nullptr);
  EXPECT_EQ(nullptr, alone->int_position.source_file) << "no `int` written";
  EXPECT_EQ(22, with_int->int_position.column);
}

TEST_F(DECLARATION_PARSER, stars_arrays_and_initialisers_build_their_declarators) {
  ASSERT_TRUE(parse("int **p; int a[2][3]; int b[]; int c = 3; int d[2] = {1, 2,};\n"));
  ASSERT_EQ(5u, declarations().size());
  EXPECT_EQ("int**", type_of(0));
  auto* outer = dynamic_cast<ARRAY_TYPE*>(declarations()[1]);
  ASSERT_NE(nullptr, outer);
  auto* inner = dynamic_cast<ARRAY_TYPE*>(outer->element);
  ASSERT_NE(nullptr, inner) << "a[2][3] is an array around the array a[2]";
  EXPECT_NE(nullptr, dynamic_cast<TYPE_AND_NAME*>(inner->element));
  EXPECT_EQ("int**", type_of(1));
  EXPECT_NE(nullptr, dynamic_cast<TYPE_AND_NAME*>(declarations()[2])) << "b[] is a pointer";
  EXPECT_EQ("int*", type_of(2));
  EXPECT_NE(nullptr, dynamic_cast<INITIALIZER*>(declarations()[3]));
  auto* list = dynamic_cast<INITIALIZER_LIST*>(declarations()[4]);
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(2u, list->items.size()) << "a trailing comma adds no item";
}

TEST_F(DECLARATION_PARSER, parameters_may_be_void_empty_unnamed_pointers_arrays_or_named) {
  ASSERT_TRUE(parse("int f(int *, int n, char *s) { }\nint g(void) { }\nint h(int) { }\n"
                    "int k(int a[], char b[4]) { }\nint m() { }\n"));
  ASSERT_EQ(5u, program.functions.size());
  const PARAMETER_LIST& f = *program.functions[0]->parameters;
  ASSERT_EQ(3u, f.parameters.size());
  EXPECT_EQ(nullptr, f.parameters[0]->name);
  EXPECT_EQ("int*", f.parameters[0]->type->display_name());
  EXPECT_EQ(f.parameters[1], f.find(program.intern("n")));
  EXPECT_EQ("char*", f.find(program.intern("s"))->type->display_name());
  EXPECT_EQ(nullptr, f.find(program.intern("t")));
  EXPECT_FALSE(f.is_void());
  EXPECT_TRUE(program.functions[1]->parameters->is_void());
  EXPECT_FALSE(program.functions[2]->parameters->is_void()) << "int is no void";
  const PARAMETER_LIST& k = *program.functions[3]->parameters;
  EXPECT_EQ("int*", k.parameters[0]->type->display_name()) << "an array parameter is a pointer";
  EXPECT_EQ("char*", k.parameters[1]->type->display_name());
  EXPECT_TRUE(program.functions[4]->parameters->is_void()) << "f() defines no parameter";
}

TEST_F(DECLARATION_PARSER, qualifiers_mark_their_type_and_storage_classes_their_declarators) {
  ASSERT_TRUE(
      parse("const int a; int const b; static int c; extern int d; extern int e = 1;\n"
            "int *const p; const int *q;\n"));
  ASSERT_EQ(7u, declarations().size());
  EXPECT_TRUE(declarations()[0]->type()->is_const);
  EXPECT_TRUE(declarations()[1]->type()->is_const) << "const after the type";
  EXPECT_FALSE(declarations()[2]->type()->is_const);
  EXPECT_EQ(STORAGE_CLASS::static_storage, declarations()[2]->storage_class);
  EXPECT_TRUE(declarations()[3]->is_extern());
  EXPECT_FALSE(declarations()[4]->is_extern()) << "an initialised extern is the definition";
  auto* constant_pointer = dynamic_cast<POINTER_TYPE*>(declarations()[5]->type());
  auto* to_constant = dynamic_cast<POINTER_TYPE*>(declarations()[6]->type());
  ASSERT_TRUE(constant_pointer != nullptr && to_constant != nullptr);
  EXPECT_TRUE(constant_pointer->is_const);
  EXPECT_FALSE(constant_pointer->pointed_to->is_const);
  EXPECT_FALSE(to_constant->is_const);
  EXPECT_TRUE(to_constant->pointed_to->is_const);
}

TEST_F(DECLARATION_PARSER, typedef_names_stand_for_their_types_until_a_local_hides_them) {
  ASSERT_TRUE(
      parse("typedef unsigned char byte, *bytes;\nbyte b; bytes p; const byte c;\n"
            "int f(byte x) { typedef int count; x++; count n, *m; n = x; return n; }\n"
            "int g(void) { int byte; byte = 2; return byte; }\n"));
  ASSERT_EQ(3u, declarations().size()) << "a typedef declares no object";
  EXPECT_EQ("unsigned char", type_of(0));
  EXPECT_EQ("unsigned char*", type_of(1));
  EXPECT_TRUE(declarations()[2]->type()->is_const);
  EXPECT_FALSE(declarations()[0]->type()->is_const) << "a qualifier marks only its own use";
  EXPECT_EQ("unsigned char", program.functions[0]->parameters->parameters[0]->type->display_name());
}

struct REFUSAL {
  const char* source;
  const char* message;
  const char* at;  // the text the message points at: its first occurrence in the source
  bool twice;      // an abandoning refusal reports its message once more
};

constexpr const char* not_implemented = "This aspect of ANSI C is not implemented.";

const REFUSAL refusals[] = {
    {"typedef int row[3];", "typedef names only a scalar or pointer type.", "row", false},
    {"const *p;", not_implemented, "*", true},
    {"x;", not_implemented, "x", true},
    {"main() { }", not_implemented, "main", true},
    {"int;", not_implemented, ";", true},
    {"static x;", not_implemented, "x", true},
    {"float x;", "This aspect of ANSI C is not implemented: floating\npoint.", "float", false},
    {"struct s x;", "This aspect of ANSI C is not implemented: struct\nand union.", "struct", false},
    {"int x y;", not_implemented, "y", true},
    {"int 5;", "Syntax error.", "5", true},
    {"int f(static int a) { }", not_implemented, "static", true},
    {"int (*p)[4];", "This aspect of ANSI C is not implemented: a pointer\nto an array.", "[", false},
    {"int (*(*p))(int);", "This aspect of ANSI C is not implemented: nested\nparenthesised declarators.", "(*p))", false},
    {"int *;", "( expected.", ";", false},
    {"int f(a, b) { }", not_implemented, "a", true},
    {"int f(my_type a) { }", not_implemented, "my_type", true},
    {"int f(int, int) { }", not_implemented, ",", true},
    {"int f(int a, ...) { }", "This aspect of ANSI C is not implemented: a variable\nargument list (...).", "...", false},
    {"int f(int a[2][3]) { }", "This aspect of ANSI C is not implemented: an array\nparameter of several dimensions.", "[3", false},
    {"int f(void) = 3;", not_implemented, "=", true},
    {"int a[2] = {{1}, 2};", "This aspect of ANSI C is not implemented: nested\ninitialiser braces.", "{1", false},
    {"int a[2] = {1 2};", "Bad array initializer.", "2}", false},
    {"int a[2][] = 0;", "Only the first brackets of a declarator may be empty.", "[]", false},
    {"int main(void) { int a, b c; }", not_implemented, "c", true},
    {"int main(void) { int x } ", not_implemented, "}", true},
};

TEST_F(DECLARATION_PARSER, each_refused_form_points_at_what_is_refused) {
  for (const REFUSAL& refusal : refusals) {
    const std::string source = refusal.source;
    EXPECT_FALSE(parse(source + "\n")) << source;
    const int column = static_cast<int>(source.find(refusal.at)) + 1;
    std::string expected = report(refusal.message, source, column);
    if (refusal.twice) expected += expected;
    const std::string output = test.take_output();
    // "( expected." and "Bad array initializer." are followed by the refusal of what comes next.
    EXPECT_EQ(expected, output.substr(0, expected.size())) << source;
    if (refusal.twice) {
      EXPECT_EQ(expected.size(), output.size()) << source;
    }
  }
}

// Each refusal that names its construct is reported where it stands and the parse goes on at
// the next item, past braces in strings and comments; an unnamed refusal still ends it.
TEST_F(DECLARATION_PARSER, named_refusals_are_each_reported_and_the_parse_goes_on) {
  EXPECT_FALSE(
      parse("float ratio;\nint ok(void) { return 1; }\n"
            "struct point { int x; } origin = {1};\n"
            "int f(int a, ...) { char *s = \"}\"; return a; }  /* } */\n"
            "int main(void) { int (*p)[4]; return ok(); }\n"
            "int g(void) { return 'ab'; }\nint x y;\nfloat never_reported;\n"));
  const std::string output = test.take_output();
  std::vector<int> lines;
  for (std::size_t at = output.find("\nLine "); at != std::string::npos;
       at = output.find("\nLine ", at + 1))
    lines.push_back(std::stoi(output.substr(at + 6)));
  EXPECT_EQ((std::vector<int>{1, 3, 4, 5, 6, 7, 7}), lines) << output;
  EXPECT_EQ(1u, program.functions.size()) << "only ok() was read whole";
}

TEST_F(DECLARATION_PARSER, a_prototype_around_an_array_stops_the_compiler) {
  path = directory.write("prog.c", "int a[2](void);\n");
  program.reset();
  EXPECT_THROW(program.parse_c_file(path), COMPILER_STOP);
}

// Types made here carry no position, so a refusal prints its reason alone.
class CONFORMANCE : public testing::Test {
 protected:
  std::string refusal(const C_TYPE& source, const C_TYPE& target) {
    if (conforms_to(source, target, test.context.error_handler)) return "accepted";
    test.context.error_handler.error();
    return test.take_output();
  }
  TEST_CONTEXT test;
  CHAR_TYPE char_type{POSITION{}};
  INT_TYPE int_type{POSITION{}};
  UNSIGNED_INT_TYPE unsigned_int{POSITION{}, POSITION{}};
  VOID_TYPE void_type{POSITION{}};
  POINTER_TYPE char_pointer{POSITION{}, &char_type};
  POINTER_TYPE int_pointer{POSITION{}, &int_type};
  POINTER_TYPE void_pointer{POSITION{}, &void_type};
};

TEST_F(CONFORMANCE, pointers_conform_by_their_pointed_to_types_and_void_stops) {
  EXPECT_EQ("accepted", refusal(char_pointer, int_pointer));
  EXPECT_EQ("accepted", refusal(void_pointer, void_pointer));
  EXPECT_EQ("accepted", refusal(void_pointer, int_pointer)) << "void * converts to any pointer";
  EXPECT_EQ("accepted", refusal(char_pointer, void_pointer)) << "and any object pointer to it";
  const std::string mismatch = "****** Error : Pointer type does not match.\n------\n";
  EXPECT_EQ(mismatch, refusal(int_pointer, char_pointer));
  EXPECT_EQ(mismatch, refusal(int_pointer, int_type));
  EXPECT_EQ("****** Error : Incompatible with int C type.\n------\n",
            refusal(unsigned_int, int_pointer));
  EXPECT_EQ("accepted", refusal(unsigned_int, int_type)) << "signedness is not compared";
  EXPECT_THROW(conforms_to(void_type, int_type, test.context.error_handler), COMPILER_STOP);
}

}  // namespace
