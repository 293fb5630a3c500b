// The directives. In a skipped group only the conditional ones count, so nested groups nest; a
// group's branch is taken when its condition holds and no branch before it was taken. #include
// parses the header at once with a free parser of the pool, which shares the macros both ways.
#include <algorithm>

#include "base/macro_names.h"
#include "base/src_file_registry.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/macro.h"
#include "cfront/pp_condition.h"
#include "cfront/preprocessor.h"

namespace {

// Drops blanks at both ends and around ##, and makes every other run of blanks one space.
PP_TOKENS normalized(const PP_TOKENS& tokens, std::size_t from) {
  PP_TOKENS result;
  for (std::size_t i = from; i < tokens.size(); ++i) {
    const PP_TOKEN& token = tokens[i];
    const bool space = token.kind == PP_KIND::space;
    if (space && (result.empty() || result.back().kind == PP_KIND::space)) continue;
    if (!space && token.is_punctuator("##") && !result.empty() &&
        result.back().kind == PP_KIND::space)
      result.pop_back();
    if (space && !result.empty() && result.back().is_punctuator("##")) continue;
    result.push_back(token);
    if (space) result.back().text = " ";
  }
  if (!result.empty() && result.back().kind == PP_KIND::space) result.pop_back();
  return result;
}

std::string text_of(const PP_TOKENS& tokens) {
  std::string text;
  for (const PP_TOKEN& token : tokens) text += token.text;
  return text;
}

std::size_t skip_spaces(const PP_TOKENS& tokens, std::size_t i) {
  while (i < tokens.size() && tokens[i].kind == PP_KIND::space) ++i;
  return i;
}

SPOT end_of(const LOGICAL_LINE& text) {
  if (text.spots.empty()) return SPOT{};
  SPOT end = text.spots.back();
  ++end.column;
  return end;
}

bool is_conditional(const std::string& word) {
  return word == "if" || word == "ifdef" || word == "ifndef" || word == "elif" || word == "else" ||
         word == "endif";
}

}  // namespace

// directive := "#" [ word { token } ]
bool PREPROCESSOR::run_directive(int line, const LOGICAL_LINE& text, const PP_TOKENS& tokens) {
  std::size_t i = skip_spaces(tokens, skip_spaces(tokens, 0) + 1);
  DIRECTIVE_LINE directive{line, &text, {}, i < tokens.size() ? tokens[i].first : end_of(text)};
  if (i == tokens.size()) return true;  // a # alone does nothing
  const std::string word = tokens[i].kind == PP_KIND::identifier ? tokens[i].text : "";
  directive.tokens.assign(tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1, tokens.end());
  if (is_conditional(word)) return run_conditional(word, directive), true;
  if (!active()) return true;
  if (word == "asm" || word == "endasm") return false;
  if (word == "define") return define(directive), true;
  if (word == "undef") return undefine(directive), true;
  if (word == "include") return include(directive), true;
  if (word == "error") return error_directive(directive), true;
  if (word == "pragma") return true;
  refuse(directive.word);
}

void PREPROCESSOR::run_conditional(const std::string& word, DIRECTIVE_LINE& directive) {
  if (word == "if" || word == "ifdef" || word == "ifndef") {
    const bool parent = active();
    const bool holds = parent && condition(word, directive);
    groups_.push_back(GROUP{parent, holds, holds, false});
    return;
  }
  if (groups_.empty() || (word != "endif" && groups_.back().after_else)) refuse(directive.word);
  GROUP& group = groups_.back();
  if (word == "endif") return groups_.pop_back();
  const bool open = group.parent_active && !group.taken;
  group.active = open && (word == "else" || condition(word, directive));
  group.taken = group.taken || group.active;
  group.after_else = word == "else";
}

// The truth of #if, #elif, #ifdef or #ifndef; an error reads as false.
bool PREPROCESSOR::condition(const std::string& word, DIRECTIVE_LINE& directive) {
  if (word == "ifdef" || word == "ifndef") {
    const PP_TOKEN* name = directive_name(directive);
    return name != nullptr && is_macro(name->text) == (word == "ifdef");
  }
  PP_TOKENS replaced;
  if (!replace_defined(directive, replaced)) return false;
  std::optional<PP_VALUE> value =
      evaluate_condition(expander_.expand_all(replaced), end_of(*directive.text), context_.report);
  return value && value->value != 0;
}

// defined := "defined" ( identifier | "(" identifier ")" ), which becomes 1 or 0.
bool PREPROCESSOR::replace_defined(DIRECTIVE_LINE& directive, PP_TOKENS& replaced) {
  const PP_TOKENS& tokens = directive.tokens;
  auto spot = [&](std::size_t at) {
    return at < tokens.size() ? tokens[at].first : end_of(*directive.text);
  };
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (!tokens[i].is(PP_KIND::identifier, "defined")) {
      replaced.push_back(tokens[i]);
      continue;
    }
    std::size_t at = skip_spaces(tokens, i + 1);
    const bool parenthesised = at < tokens.size() && tokens[at].is_punctuator("(");
    if (parenthesised) at = skip_spaces(tokens, at + 1);
    if (at >= tokens.size() || tokens[at].kind != PP_KIND::identifier)
      return report(spot(at), "Identifier expected."), false;
    PP_TOKEN truth = tokens[i];
    truth.kind = PP_KIND::number;
    truth.text = is_macro(tokens[at].text) ? "1" : "0";
    replaced.push_back(truth);
    if (parenthesised) at = skip_spaces(tokens, at + 1);
    if (parenthesised && (at >= tokens.size() || !tokens[at].is_punctuator(")")))
      return report(spot(at), ") expected."), false;
    i = at;
  }
  return true;
}

// The identifier after the directive's word, or nullptr after "Identifier expected.".
const PP_TOKEN* PREPROCESSOR::directive_name(DIRECTIVE_LINE& directive) {
  const std::size_t at = skip_spaces(directive.tokens, 0);
  if (at < directive.tokens.size() && directive.tokens[at].kind == PP_KIND::identifier)
    return &directive.tokens[at];
  report(at < directive.tokens.size() ? directive.tokens[at].first : end_of(*directive.text),
         "Identifier expected.");
  return nullptr;
}

// define := "define" identifier [ "(" parameters ")" ] { token }   ("(" right after the name)
void PREPROCESSOR::define(DIRECTIVE_LINE& directive) {
  const PP_TOKEN* name = directive_name(directive);
  if (name == nullptr) return;
  C_PROGRAM& program = parser_.program;
  NAME* macro_name = program.make<NAME>(program.intern(name->text), nullptr, nullptr,
                                        to_position(name->first), to_position(name->last));
  PP_TOKENS& tokens = directive.tokens;
  std::size_t i = static_cast<std::size_t>(name - tokens.data()) + 1;
  DEFINE_MACRO* macro = program.make<DEFINE_MACRO>(macro_name, POSITION{});
  macro->name_index = macro_name_index(name->text);
  if (i < tokens.size() && tokens[i].is_punctuator("(") &&
      !read_parameters(*macro, tokens, ++i, name->first))
    return;
  macro->replacement = normalized(tokens, skip_spaces(tokens, i));
  macro->text = text_of(macro->replacement);
  macro->text_position = macro->replacement.empty() ? to_position(end_of(*directive.text))
                                                    : to_position(macro->replacement.front().first);
  if (!stringizes_parameters(*macro)) return;
  macros().push_back(macro);
}

// parameters := [ identifier { "," identifier } [ "," "..." ] | "..." ] ")"
bool PREPROCESSOR::read_parameters(DEFINE_MACRO& macro, PP_TOKENS& tokens, std::size_t& i,
                                   SPOT at) {
  macro.function_like = true;
  for (i = skip_spaces(tokens, i); i < tokens.size(); i = skip_spaces(tokens, i + 1)) {
    const PP_TOKEN& token = tokens[i];
    if (token.is_punctuator(")") && macro.parameters.empty()) return ++i, true;
    const bool dots = token.is_punctuator("...");
    if (token.kind != PP_KIND::identifier && !dots) break;
    macro.parameters.push_back(dots ? "__VA_ARGS__" : token.text);
    macro.variadic = dots;
    i = skip_spaces(tokens, i + 1);
    if (i < tokens.size() && tokens[i].is_punctuator(")")) return ++i, true;
    if (dots || i >= tokens.size() || !tokens[i].is_punctuator(",")) break;
  }
  report(i < tokens.size() ? tokens[i].first : at, "Bad macro parameter list.");
  return false;
}

// In a function-like macro, # must stand before a parameter.
bool PREPROCESSOR::stringizes_parameters(const DEFINE_MACRO& macro) {
  if (!macro.function_like) return true;
  const PP_TOKENS& text = macro.replacement;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!text[i].is_punctuator("#")) continue;
    const std::size_t next = skip_spaces(text, i + 1);
    if (next < text.size() && macro.parameter_index(text[next].text) >= 0 &&
        text[next].kind == PP_KIND::identifier)
      continue;
    report(text[i].first, "# is not followed by a macro parameter.");
    return false;
  }
  return true;
}

// undef := "undef" identifier   (the latest definition goes, an earlier one shows again)
void PREPROCESSOR::undefine(DIRECTIVE_LINE& directive) {
  const PP_TOKEN* name = directive_name(directive);
  if (name == nullptr) return;
  std::vector<DEFINE_MACRO*>& list = macros();
  if (const DEFINE_MACRO* macro = find(name->text))
    list.erase(std::find(list.begin(), list.end(), macro));
}

// error := "error" { token }
void PREPROCESSOR::error_directive(DIRECTIVE_LINE& directive) {
  const std::string text = text_of(normalized(directive.tokens, 0));
  report(directive.word, text.empty() ? "#error" : "#error " + text);
}

void PREPROCESSOR::refuse(SPOT at) {
  parser_.set_cursor(at.line, at.column);
  parser_.not_implemented();
}

POSITION PREPROCESSOR::to_position(SPOT spot) const {
  return POSITION::make(parser_.source_file, spot.line, spot.column, spot.macro);
}

// include := "include" ( '"' | "<" ) { character } ( '"' | ">" ), on one line. The messages
// stand at the closing character, or at the line's end when there is none.
void PREPROCESSOR::include(DIRECTIVE_LINE& directive) {
  const LOGICAL_LINE& line = *directive.text;
  std::size_t i = 0;
  while (i < line.spots.size() && (line.spots[i].line != directive.word.line ||
                                   line.spots[i].column != directive.word.column))
    ++i;
  for (i += 7; i < line.text.size() && (line.text[i] == ' ' || line.text[i] == '\t');) ++i;
  const std::size_t name_start = i + 1;
  for (i = name_start; i < line.text.size() && line.text[i] != '"' && line.text[i] != '>';) ++i;
  if (i >= line.text.size()) {
    report(end_of(line), "The #include file name is not closed.");
    return;
  }
  const POSITION closing = to_position(line.spots[i]);
  const std::string name = line.text.substr(name_start, i - name_start);
  if (std::optional<std::string> path = parser_.program.services.find_include(name))
    include_file(*path, closing);
  else
    parser_.report(closing, "#include file not found.");
}

// A file already being parsed is skipped, as a guard would skip it.
void PREPROCESSOR::include_file(const std::string& path, const POSITION& at) {
  C_PROGRAM& program = parser_.program;
  SRC_FILE& header = program.services.source_files.source_file_for(path);
  std::vector<const SRC_FILE*>& open_files = program.files_being_parsed;
  if (std::find(open_files.begin(), open_files.end(), &header) != open_files.end()) return;
  if (open_files.size() > static_cast<size_t>(nesting_limit)) {
    parser_.report(at, "#include nested too deeply.");
    return;
  }
  // The cursor stands at the name while the header is read, so an abandoned parse is reported
  // once more there.
  const int line = parser_.line(), column = parser_.column();
  parser_.set_cursor(at.line, at.column);
  const bool parsed = program.free_parser().parse_included(*parser_.source_file, path);
  parser_.set_cursor(line, column);
  if (!parsed) parser_.report(at, "Error in #include.");
}
