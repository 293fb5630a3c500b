// The preparation of lines. A line whose last character is a backslash takes the next line; a
// directive line runs and becomes empty; a line of a skipped group becomes empty; a function-like
// call that goes on past its line takes the following lines, which become empty. Inside
// comments, literals and asm( ... ) nothing expands.
#include "cfront/preprocessor.h"

#include <algorithm>

#include "base/error_handler.h"
#include "base/macro_names.h"
#include "base/src_file.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/macro.h"
#include "cfront/pp_condition.h"
#include "machine/processor_parameters.h"

namespace {

struct PREPARING {
  explicit PREPARING(bool& flag) : flag_(flag) { flag_ = true; }
  ~PREPARING() { flag_ = false; }
  PREPARING(const PREPARING&) = delete;
  PREPARING& operator=(const PREPARING&) = delete;
  bool& flag_;
};

const PP_TOKEN* first_solid(const PP_TOKENS& tokens) {
  for (const PP_TOKEN& token : tokens)
    if (token.kind != PP_KIND::space) return &token;
  return nullptr;
}

// Two tokens that would read as one when written side by side.
bool would_join(const PP_TOKEN& left, const PP_TOKEN& right) {
  if (left.text.empty() || right.text.empty()) return false;
  const char a = left.text.back(), b = right.text.front();
  if ((is_pp_name_character(a) || a == '.') && (is_pp_name_character(b) || b == '.')) return true;
  static constexpr std::string_view pairs[] = {
      "++", "--", "<<", ">>", "&&", "||", "==", "!=", "<=", ">=", "->", "+=",
      "-=", "*=", "/=", "%=", "&=", "|=", "^=", "##", "/*", "//", ".."};
  const char pair[] = {a, b};
  return std::find(std::begin(pairs), std::end(pairs), std::string_view(pair, 2)) !=
         std::end(pairs);
}

std::string quoted_path(const std::string& path) {
  std::string text = "\"";
  for (char c : path) {
    if (c == '\\' || c == '"') text += '\\';
    text += c;
  }
  return text + "\"";
}

}  // namespace

PREPROCESSOR::PREPROCESSOR(C_PARSER& parser)
    : parser_(parser),
      context_{[this](const std::string& name) { return find(name); },
               [this](const std::string& name, SPOT use) { return predefined(name, use); },
               [this](SPOT where, const std::string& message) { report(where, message); }},
      expander_(context_) {}

void PREPROCESSOR::start(std::vector<std::string> written, std::vector<std::string>& lines) {
  written_ = std::move(written);
  lines_ = &lines;
  lines.assign(written_.size(), std::string());
  maps_.assign(written_.size(), std::vector<SPOT>());
  prepared_ = 0;
  finished_ = false;
  in_comment_ = false;
  asm_depth_ = 0;
  after_asm_word_ = false;
  groups_.clear();
  own_macros_.clear();
}

void PREPROCESSOR::prepare_up_to(int line) {
  if (preparing_ || lines_ == nullptr || finished_) return;
  PREPARING preparing(preparing_);
  const int count = static_cast<int>(written_.size());
  while (prepared_ < std::min(line, count)) prepare_line(prepared_ + 1);
  if (prepared_ == count) finish();
}

// A group still open at the end of the file.
void PREPROCESSOR::finish() {
  finished_ = true;
  if (groups_.empty()) return;
  const int past_end = static_cast<int>(written_.size()) + 1;
  report(SPOT{past_end, 1, 0}, "#endif expected before the end of the file.");
}

SPOT PREPROCESSOR::spot_at(int line, int column) const {
  if (line < 1 || line > static_cast<int>(maps_.size()) || column < 1) return SPOT{line, column, 0};
  const std::vector<SPOT>& map = maps_[static_cast<std::size_t>(line) - 1];
  if (map.empty()) return SPOT{line, column, 0};
  if (column <= static_cast<int>(map.size())) return map[static_cast<std::size_t>(column) - 1];
  SPOT end = map.back();
  end.column += column - static_cast<int>(map.size());
  return end;
}

// The written line first and those a final backslash joins to it, up to last.
LOGICAL_LINE PREPROCESSOR::logical_line(int first, int& last) const {
  LOGICAL_LINE logical;
  const int count = static_cast<int>(written_.size());
  for (last = first;; ++last) {
    const std::string& text = written_[static_cast<std::size_t>(last) - 1];
    const bool joined = !text.empty() && text.back() == '\\' && last < count;
    const std::size_t length = joined ? text.size() - 1 : text.size();
    logical.text.append(text, 0, length);
    for (std::size_t i = 0; i < length; ++i)
      logical.spots.push_back(SPOT{last, static_cast<int>(i) + 1, 0});
    if (!joined) return logical;
  }
}

bool PREPROCESSOR::is_directive(const PP_TOKENS& tokens) const {
  const PP_TOKEN* first = first_solid(tokens);
  return first != nullptr && first->is_punctuator("#") && !first->text.empty();
}

void PREPROCESSOR::prepare_line(int line) {
  int last = line;
  const LOGICAL_LINE text = logical_line(line, last);
  prepared_ = last;
  PP_TOKENS tokens = PP_TOKENIZER::tokenize(text, in_comment_);
  const bool directive = is_directive(tokens);
  std::string& prepared = (*lines_)[static_cast<std::size_t>(line) - 1];
  if (directive && !run_directive(line, text, tokens)) {
    prepared = written_[static_cast<std::size_t>(line) - 1];
  } else if (directive || !active()) {
    // A comment left open goes on for the parser on the next lines.
    prepared = in_comment_ && active() ? "/*" : "";
  } else {
    prepare_text_line(line, last, std::move(tokens));
  }
}

// The tokens go through the expander; a line where nothing expanded stays as written.
void PREPROCESSOR::prepare_text_line(int line, int last, PP_TOKENS tokens) {
  PP_INPUT input(std::make_move_iterator(tokens.begin()), std::make_move_iterator(tokens.end()));
  PP_TOKENS output;
  bool expanded = last != line;
  const PP_MORE more = [this](PP_INPUT& rest, bool only_paren) {
    return pull_line(rest, only_paren);
  };
  while (!input.empty()) {
    const PP_TOKEN& token = input.front();
    if (take_asm_text(token) || token.kind != PP_KIND::identifier ||
        !expander_.is_macro(token.text)) {
      output.push_back(std::move(input.front()));
      input.pop_front();
      continue;
    }
    expanded = true;
    expander_.step(input, output, more);
  }
  if (expanded || prepared_ != last)
    rebuild(line, prepared_, output);
  else
    (*lines_)[static_cast<std::size_t>(line) - 1] = written_[static_cast<std::size_t>(line) - 1];
}

// Whether the token is part of asm( ... ), which the assembler reads as written.
bool PREPROCESSOR::take_asm_text(const PP_TOKEN& token) {
  if (token.kind == PP_KIND::space || !token.written) return asm_depth_ > 0;
  if (asm_depth_ > 0) {
    if (token.is_punctuator("(")) ++asm_depth_;
    if (token.is_punctuator(")")) --asm_depth_;
    return true;
  }
  if (after_asm_word_ && token.is_punctuator("(")) {
    after_asm_word_ = false;
    asm_depth_ = 1;
    return true;
  }
  after_asm_word_ = token.is(PP_KIND::identifier, "asm");
  return after_asm_word_;
}

// The next line goes to the input of a call still open; it becomes empty.
bool PREPROCESSOR::pull_line(PP_INPUT& input, bool only_paren) {
  const int next = prepared_ + 1;
  if (next > static_cast<int>(written_.size())) return false;
  int last = next;
  const LOGICAL_LINE text = logical_line(next, last);
  bool in_comment = in_comment_;
  PP_TOKENS tokens = PP_TOKENIZER::tokenize(text, in_comment);
  if (is_directive(tokens)) return false;
  const PP_TOKEN* first = first_solid(tokens);
  if (only_paren && (first == nullptr || !first->is_punctuator("("))) return false;
  in_comment_ = in_comment;
  for (int consumed = next; consumed <= last; ++consumed)
    (*lines_)[static_cast<std::size_t>(consumed) - 1].clear();
  prepared_ = last;
  PP_TOKEN newline;
  newline.kind = PP_KIND::space;
  newline.text = " ";
  newline.first = newline.last = SPOT{next, 1, 0};
  input.push_back(newline);
  input.insert(input.end(), tokens.begin(), tokens.end());
  return true;
}

// The line's new text, each character mapped; a space keeps apart two tokens that an expansion
// put side by side and that would otherwise read as one.
void PREPROCESSOR::rebuild(int line, int last, const PP_TOKENS& output) {
  std::string text;
  std::vector<SPOT> map;
  const PP_TOKEN* previous = nullptr;
  for (const PP_TOKEN& token : output) {
    if (previous != nullptr && (!previous->written || !token.written) &&
        would_join(*previous, token)) {
      text += ' ';
      map.push_back(token.first);
    }
    for (std::size_t i = 0; i < token.text.size(); ++i) {
      text += token.text[i];
      map.push_back(token.spot_of(i));
    }
    previous = token.kind == PP_KIND::space ? nullptr : &token;
  }
  const int end_column = static_cast<int>(written_[static_cast<std::size_t>(last) - 1].size()) + 1;
  map.push_back(SPOT{last, end_column, 0});
  (*lines_)[static_cast<std::size_t>(line) - 1] = std::move(text);
  maps_[static_cast<std::size_t>(line) - 1] = std::move(map);
}

// The names every file knows: the use's line and file, and the processor being built for.
std::optional<std::string> PREPROCESSOR::predefined(const std::string& name, SPOT use) const {
  if (name.size() < 8 || name[0] != '_') return std::nullopt;
  if (name == "__LINE__") return std::to_string(use.line);
  if (name == "__FILE__")
    return quoted_path(parser_.source_file == nullptr ? "" : parser_.source_file->path());
  const PROCESSOR_PARAMETERS& p = parser_.program.parameters();
  if (name == "__TAVREL__") return "1";
  if (name == "__TAVREL_N__" || name == "_TAVREL_N") return std::to_string(p.data_size);
  if (name == "__TAVREL_X__" || name == "_TAVREL_X") return std::to_string(p.register_count);
  if (name == "__TAVREL_M__") return std::to_string(p.pc_width);
  if (name == "__TAVREL_L__") return std::to_string(p.ram_address_width);
  // As C's limits.h writes it, so that it is an int and not the negation of a larger number.
  if (name == "_TAVREL_INT_MIN") return "(" + std::to_string(int_min(p.data_size) + 1) + "-1)";
  if (name == "_TAVREL_INT_MAX") return std::to_string(int_max(p.data_size));
  if (name == "_TAVREL_UINT_MAX") return std::to_string(uint_max(p.data_size));
  return std::nullopt;
}

std::vector<DEFINE_MACRO*>& PREPROCESSOR::macros() {
  return parser_.file != nullptr ? parser_.file->macros : own_macros_;
}

const DEFINE_MACRO* PREPROCESSOR::find(const std::string& name) const {
  const std::vector<DEFINE_MACRO*>& list =
      parser_.file != nullptr ? parser_.file->macros : own_macros_;
  for (auto macro = list.rbegin(); macro != list.rend(); ++macro)
    if (!(*macro)->is_enumerator() && *(*macro)->name->text == name) return *macro;
  return nullptr;
}

// The parse goes on after the preprocessor's own errors, as after a named refusal, so that one
// build lists them all: a bad directive does nothing, a bad call goes away.
void PREPROCESSOR::report(SPOT where, const std::string& message) {
  parser_.report(to_position(where), message);
  parser_.errors_tolerated = parser_.program.services.error_handler.error_count();
}

std::optional<int32_t> PREPROCESSOR::macro_value(const std::string& name, SPOT spot) {
  if (!is_macro(name)) return std::nullopt;
  PP_TOKEN use;
  use.kind = PP_KIND::identifier;
  use.text = name;
  use.first = use.last = spot;
  std::optional<PP_VALUE> value =
      evaluate_condition(expander_.expand_all({use}), spot, context_.report);
  return value ? std::optional<int32_t>(static_cast<int32_t>(value->value)) : std::nullopt;
}
