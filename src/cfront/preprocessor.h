// The preprocessor in front of the C parser. It prepares the file's lines one by one, when the
// parser's reader first reaches them, so directives run in source order as the parse goes: a
// directive or a skipped line becomes empty, a line with macro uses is rebuilt with their
// expansions and keeps a map from each of its characters back to the source it stands for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/position.h"
#include "cfront/pp_expander.h"
#include "cfront/pp_tokenizer.h"

class C_PARSER;
class DEFINE_MACRO;

class PREPROCESSOR {
 public:
  explicit PREPROCESSOR(C_PARSER& parser);
  PREPROCESSOR(const PREPROCESSOR&) = delete;
  PREPROCESSOR& operator=(const PREPROCESSOR&) = delete;

  // Takes the file's lines as written; lines gets as many empty ones, prepared on demand.
  void start(std::vector<std::string> written, std::vector<std::string>& lines);
  // Prepares every line up to line (past the last one: all of them).
  void prepare_up_to(int line);
  // Where a column of a prepared line stands in the source.
  SPOT spot_at(int line, int column) const;
  bool is_macro(const std::string& name) const { return expander_.is_macro(name); }
  // The value of a macro's text as an integer constant expression, at spot; nothing after an
  // error, and nothing without a report when the name is no macro.
  std::optional<int32_t> macro_value(const std::string& name, SPOT spot);

 private:
  struct GROUP {
    bool parent_active = true;
    bool taken = false;  // a branch of the group was chosen
    bool active = true;
    bool after_else = false;
  };
  struct DIRECTIVE_LINE {
    int line = 0;
    const LOGICAL_LINE* text = nullptr;
    PP_TOKENS tokens;  // after the directive's word
    SPOT word;         // where the word stands
  };

  // ---- Lines (preprocessor.cpp) ----
  LOGICAL_LINE logical_line(int first, int& last) const;
  void prepare_line(int line);
  bool is_directive(const PP_TOKENS& tokens) const;
  void prepare_text_line(int line, int last, PP_TOKENS tokens);
  bool take_asm_text(const PP_TOKEN& token);
  bool pull_line(PP_INPUT& input, bool only_paren);
  void rebuild(int line, int last, const PP_TOKENS& output);
  void finish();
  std::optional<std::string> predefined(const std::string& name, SPOT use) const;
  const DEFINE_MACRO* find(const std::string& name) const;
  void report(SPOT where, const std::string& message);
  std::vector<DEFINE_MACRO*>& macros();
  bool active() const { return groups_.empty() || groups_.back().active; }

  // ---- Directives (pp_directives.cpp) ----
  // Runs the directive; false when the line stays for the parser (#asm, #endasm).
  bool run_directive(int line, const LOGICAL_LINE& text, const PP_TOKENS& tokens);
  void run_conditional(const std::string& word, DIRECTIVE_LINE& directive);
  void define(DIRECTIVE_LINE& directive);
  bool read_parameters(DEFINE_MACRO& macro, PP_TOKENS& tokens, std::size_t& i, SPOT at);
  void undefine(DIRECTIVE_LINE& directive);
  void include(DIRECTIVE_LINE& directive);
  void include_file(const std::string& path, const POSITION& at);
  bool condition(const std::string& word, DIRECTIVE_LINE& directive);
  bool replace_defined(DIRECTIVE_LINE& directive, PP_TOKENS& replaced);
  bool stringizes_parameters(const DEFINE_MACRO& macro);
  POSITION to_position(SPOT spot) const;
  void error_directive(DIRECTIVE_LINE& directive);
  const PP_TOKEN* directive_name(DIRECTIVE_LINE& directive);
  [[noreturn]] void refuse(SPOT at);

  C_PARSER& parser_;
  std::vector<std::string> written_;
  std::vector<std::string>* lines_ = nullptr;
  std::vector<std::vector<SPOT>> maps_;  // empty for a line kept as written
  int prepared_ = 0;
  bool preparing_ = false;
  bool finished_ = false;
  bool in_comment_ = false;
  // Inside asm( ... ) nothing expands: the depth of its parentheses, and the word just read.
  int asm_depth_ = 0;
  bool after_asm_word_ = false;
  std::vector<GROUP> groups_;
  std::vector<DEFINE_MACRO*> own_macros_;  // when the parser reads no file (unit tests)
  PP_CONTEXT context_;
  PP_EXPANDER expander_;
};
