// The C parser: recursive descent straight on the characters of one file, with backtracking
// through set_cursor. Its lines come from the preprocessor (preprocessor.h), which prepares each
// when the reader first reaches it, so directives run in source order as the parse goes. One
// parser per file being parsed; nested includes take another from the program's pool. The
// grammar routines live in the files of their part:
//   c_reader.cpp        the character reader and the lexical operations
//   file_parse.cpp      the parse entry points and the parser's one directive, #asm
//   asm_in_c.cpp        #asm ... #endasm and asm( ... )
//   declaration_parser.cpp   specifiers, declarators, parameters, initialisers, file-level items
//   expression_parser.cpp    every expression level and name binding
//   statement_parser.cpp     statements, blocks and function definitions
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/position.h"
#include "cfront/c_name.h"

class ARRAY_TYPE;
struct STRING_TEXT;
class COMPOUND;
class C_FUNCTION;
class C_PROGRAM;
class C_TYPE;
class DECIMAL_CONSTANT;
class DECLARATION_LIST;
class DECLARATOR;
class EXPRESSION;
class PARAMETER_LIST;
class PREPROCESSOR;
class REGISTER_FROM_C;
class SRC_FILE;
class STATEMENT;
class SWITCH;
struct C_FILE;
enum class STORAGE_CLASS;

// Nesting deeper than this (blocks, parentheses, unary operators, includes) is an error rather
// than a stack overflow.
inline constexpr int nesting_limit = 256;
// The same for the height of one expression's tree (a chain of 10,000 operators).
inline constexpr int expression_depth_limit = 10000;

class C_PARSER {
 public:
  explicit C_PARSER(C_PROGRAM& program);
  ~C_PARSER();
  C_PARSER(const C_PARSER&) = delete;
  C_PARSER& operator=(const C_PARSER&) = delete;

  // The pipeline's entry: parses the file; true when no error has been counted.
  bool parse_c_file(const std::string& path);
  // An #include: parses path with this (free) parser for includer.
  bool parse_included(SRC_FILE& includer, const std::string& path);

  // For an asm( ... ) statement: the value of the current file's macro, its text read as an
  // integer constant expression; 0 after "Unknown constant." (or the expression's error) at
  // position.
  int32_t macro_constant(const POSITION& position, const std::string& name);
  // Whether the name is a macro of the current file or a predefined one.
  bool is_macro(const std::string& name) const;

  bool busy = false;

  // ---- Character reader and lexical operations (c_reader.cpp) ----
  char current() const { return current_; }
  int line() const { return line_; }
  int column() const { return column_; }
  void next_char();
  void previous_char();
  void set_cursor(int line, int column);
  // True past the last line. A NUL byte inside a line also reads as 0 but is not the end.
  bool at_end_of_file() const { return line_ > static_cast<int>(lines_.size()); }
  // Takes the lines of the text to read, as written, and puts the cursor on line 1, column 1.
  // The parse entry points load the file this way; unit tests feed their own lines through it
  // too. A line is preprocessed when the cursor first reaches it.
  void load_text(std::vector<std::string> lines);
  void skip_blanks();
  bool match_char(char c);
  bool match_two(char c1, char c2);
  bool match_three(char c1, char c2, char c3);
  bool match_keyword(std::string_view word);
  void expect_char(char c);
  // Reads a name into the name buffer; false (cursor back at its start) for a reserved word or
  // when no name starts here.
  bool read_identifier();
  // Peeks: the next word is word (the cursor does not move).
  bool next_word_is(std::string_view word);
  bool read_prefixed();
  bool read_octal();
  bool read_decimal();
  bool read_character();
  // string := '"' { character } '"' { string }: adjacent literals join. Answers the codes
  // read, between the first quote and the last one; false when no string starts here.
  bool read_string(STRING_TEXT& text);
  // Where a column of a line stands in the source written (a macro's expansion at its use).
  POSITION position_at(int line, int column) const;
  POSITION cursor_position() const { return position_at(line_, column_); }
  POSITION token_start() const { return position_at(token_line_, token_column_); }
  void report(const POSITION& position, std::string_view message);
  void warn(const POSITION& position, std::string_view message);
  [[noreturn]] void not_implemented();
  // The refusal of a construct the language leaves out, named: "...: floating point.", once.
  [[noreturn]] void not_implemented(std::string_view construct);
  bool read_integer_suffix(POSITION& last);
  void make_integer_constant(const POSITION& first, POSITION last, uint32_t value,
                             bool beyond_32_bits);
  [[noreturn]] void syntax_error();
  // Error recovery: up to the end of the file, a `}` (kept) or a `;` (consumed).
  void skip_to_end_of_statement();
  // Error recovery after a refusal: from the item's start at line and column, past its `;` or
  // the closing brace of a function body, counting braces outside literals and comments.
  void skip_item(int line, int column);
  void skip_quoted(char quote);
  // Errors beyond those this parse tolerates (refusals it went on after, an includer's).
  bool errors_counted() const;

  // The name buffer: the identifier read last, where it began and its interned text.
  const std::string& name_text() const { return name_text_; }
  POSITION name_position() const { return position_at(name_line_, name_column_); }
  POSITION name_last_position() const;
  INTERNED interned_name();
  // A NAME for the identifier read last, in the innermost open block.
  NAME* make_name();
  DECIMAL_CONSTANT* last_constant() const { return last_constant_; }

  // ---- Directives (file_parse.cpp, asm_in_c.cpp) ----
  // At `#`: runs #asm, then any that follows at once; any other word is refused.
  void parse_directive();
  void parse_asm_macro();                     // after "#asm"
  void parse_asm_statement(COMPOUND& block);  // after "asm"
  REGISTER_FROM_C* parse_register();          // at the R or r

  // ---- Declarations (declaration_parser.cpp) ----
  void parse_external_declaration();
  // The storage class written, when one may be, goes to storage_class.
  C_TYPE* parse_specifiers(C_TYPE* type_so_far, STORAGE_CLASS* storage_class = nullptr);
  C_TYPE* parse_type_specifier(C_TYPE* type_so_far);
  C_TYPE* parse_enum(POSITION at);  // enum_parser.cpp
  C_TYPE* parse_struct_or_union(POSITION at, bool is_union);  // struct_parser.cpp
  DECLARATOR* parse_declarator(C_TYPE* type);
  DECLARATOR* parse_declarator_suffixes(DECLARATOR* declarator);
  void parse_parameters(PARAMETER_LIST& list);
  DECLARATOR* parse_initializer(DECLARATOR* declarator);
  std::size_t parse_block_declarations(COMPOUND& block);
  void parse_for_declaration(COMPOUND& scope);
  // The block's first word starts a declaration (peeked).
  bool at_declaration_word();
  // Whether the word at the cursor is a name typedef gave to a type, followed by what may follow
  // a type (a name, `*` or the `)` of a cast); the cursor does not move.
  bool at_type_name_word();

  // ---- Expressions (expression_parser.cpp) ----
  EXPRESSION* parse_expression();
  EXPRESSION* parse_required_expression();
  EXPRESSION* parse_assignment();
  EXPRESSION* parse_conditional();
  EXPRESSION* parse_logical_or();
  EXPRESSION* parse_logical_and();
  EXPRESSION* parse_inclusive_or();
  EXPRESSION* parse_exclusive_or();
  EXPRESSION* parse_and();
  EXPRESSION* parse_equality();
  EXPRESSION* parse_relational();
  EXPRESSION* parse_shift();
  EXPRESSION* parse_additive();
  EXPRESSION* parse_multiplicative();
  EXPRESSION* parse_unary();
  EXPRESSION* parse_postfix(EXPRESSION* primary);
  // Gives node the height of its operands' trees plus one; beyond the limit an error abandons.
  EXPRESSION* bounded(EXPRESSION* node, const EXPRESSION* first,
                      const EXPRESSION* second = nullptr);
  // Binds the identifier read last: a local, a parameter, a global of this file, else a NAME.
  EXPRESSION* bind_name(NAME* name);

  // ---- Statements and functions (statement_parser.cpp) ----
  void parse_statement(COMPOUND& block);
  // A declaration or a statement of block; at_head when no statement of block comes before.
  void parse_block_item(COMPOUND& block, bool at_head);
  COMPOUND* parse_block();
  // At the `{` that follows a file-level declarator (the `{` not yet consumed).
  void parse_function_definition(DECLARATOR* declarator);

  // ---- State shared by the grammar routines ----
  C_PROGRAM& program;
  SRC_FILE* source_file = nullptr;
  C_FILE* file = nullptr;  // what the program keeps for source_file
  C_FUNCTION* current_function = nullptr;
  std::vector<COMPOUND*> scopes;  // innermost last
  std::vector<SWITCH*> switches;  // innermost last
  // What a break or continue would leave, innermost last.
  enum class JUMP_SCOPE { loop, switch_body };
  std::vector<JUMP_SCOPE> jump_scopes;
  int nesting = 0;  // see nesting_limit
  // The errors that do not stop this parse: the refusals it went on after, an includer's.
  int errors_tolerated = 0;
  // The declaration being read defined enumerators: a type alone is then a declaration.
  bool declared_enumerators = false;
  // The declaration's specifiers declared or defined a structure tag: it may end at `;`.
  bool declared_tag = false;

  COMPOUND* innermost_block() const { return scopes.empty() ? nullptr : scopes.back(); }

  // Counts one more level of nesting for its lifetime; beyond the limit an error abandons.
  class NESTED {
   public:
    explicit NESTED(C_PARSER& parser);
    ~NESTED() { --parser_.nesting; }
    NESTED(const NESTED&) = delete;
    NESTED& operator=(const NESTED&) = delete;

   private:
    C_PARSER& parser_;
  };

  void record_token_start() {
    token_line_ = line_;
    token_column_ = column_;
  }

 private:
  void load_line();
  bool match_sequence(std::string_view text);

  std::unique_ptr<PREPROCESSOR> preprocessor_;
  std::vector<std::string> lines_;
  const std::string* line_text_ = nullptr;
  char current_ = 0;
  int line_ = 1;
  int column_ = 1;
  int token_line_ = 1;
  int token_column_ = 1;
  std::string name_text_;
  int name_line_ = 1;
  int name_column_ = 1;
  INTERNED name_interned_ = nullptr;
  DECIMAL_CONSTANT* last_constant_ = nullptr;
};
