// The directives and the parse of one file. A directive runs where it is met: #define binds a
// name to a text or an expression, #include parses the header with a parser of the pool and
// shares the macros both ways, #ifndef/#else/#endif skip characters up to the next group word.
#include <algorithm>
#include <exception>
#include <optional>
#include <string>

#include "base/error_handler.h"
#include "base/file_tools.h"
#include "base/src_file_registry.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "cfront/constant.h"
#include "cfront/macro.h"
#include "machine/processor_parameters.h"

namespace {

// Keeps a file in the program's files being parsed for the time of its parse, also when an
// abandoned parse unwinds through it.
class BEING_PARSED {
 public:
  BEING_PARSED(C_PROGRAM& program, const SRC_FILE* file)
      : files_(program.files_being_parsed), size_at_entry_(files_.size()) {
    files_.push_back(file);
  }
  ~BEING_PARSED() { files_.resize(size_at_entry_); }
  BEING_PARSED(const BEING_PARSED&) = delete;
  BEING_PARSED& operator=(const BEING_PARSED&) = delete;

 private:
  std::vector<const SRC_FILE*>& files_;
  size_t size_at_entry_;
};

bool contains(const std::vector<DEFINE_MACRO*>& macros, const DEFINE_MACRO* macro) {
  return std::find(macros.begin(), macros.end(), macro) != macros.end();
}

// From the end of from's list to its start, each appended to to unless already there: copied
// into a header they land in reverse order.
void copy_macros(const C_FILE& from, C_FILE& to) {
  for (auto macro = from.macros.rbegin(); macro != from.macros.rend(); ++macro)
    if (!contains(to.macros, *macro)) to.macros.push_back(*macro);
}

// ---- Macros ----

// The configuration values a #define text may name.
std::optional<int32_t> predefined_value(const std::string& text, const PROCESSOR_PARAMETERS& p) {
  if (text == "_TAVREL_N") return p.data_size;
  if (text == "_TAVREL_X") return p.register_count;
  if (text == "_TAVREL_INT_MIN") return int_min(p.data_size);
  if (text == "_TAVREL_INT_MAX") return int_max(p.data_size);
  if (text == "_TAVREL_UINT_MAX") return uint_max(p.data_size);
  return std::nullopt;
}

// A text naming another macro takes that macro's text, or its value, which ends the chase. A
// macro met a second time ends it too (`#define X X`).
void chase_macro_text(C_PARSER& parser, DEFINE_MACRO& macro) {
  std::vector<const DEFINE_MACRO*> met;
  while (macro.text) {
    DEFINE_MACRO* named = parser.file->find_macro(parser.program.intern(*macro.text));
    if (named == nullptr || std::find(met.begin(), met.end(), named) != met.end()) return;
    met.push_back(named);
    macro.text = named->text;
    if (!named->text) {
      macro.value = named->value;
      macro.cached = named->cached;
    }
  }
}

void register_macro(C_PARSER& parser, DEFINE_MACRO& macro) {
  chase_macro_text(parser, macro);
  if (macro.text)
    if (std::optional<int32_t> value = predefined_value(*macro.text, parser.program.parameters()))
      macro.text = std::to_string(*value);
  if (!contains(parser.file->macros, &macro)) parser.file->macros.push_back(&macro);
}

// text := { character other than a blank or the end of the file }
std::string read_macro_text(C_PARSER& parser) {
  std::string text;
  for (char c = parser.current(); c != 0 && c != ' ' && c != '\t' && c != '\r' && c != '\n';
       c = parser.current()) {
    text.push_back(c);
    parser.next_char();
  }
  parser.skip_blanks();
  return text;
}

// An identifier must follow; otherwise "Identifier expected." and false.
bool read_directive_name(C_PARSER& parser) {
  if (parser.read_identifier()) return true;
  parser.report(parser.cursor_position(), "Identifier expected.");
  return false;
}

// define := "define" identifier ( "(" expression | text )
// A name alone on its line has no text: reading on would take the next line's first word, which
// would break every `#define GUARD` of an include guard.
void parse_define(C_PARSER& parser) {
  if (!read_directive_name(parser)) return;
  NAME* name = parser.make_name();
  DEFINE_MACRO* macro = parser.program.make<DEFINE_MACRO>(name, parser.cursor_position());
  if (parser.current() == '(')
    macro->value = parser.parse_required_expression();
  else if (parser.line() == name->position.line)
    macro->text = read_macro_text(parser);
  register_macro(parser, *macro);
}

// undef := "undef" identifier   (the latest definition goes, an earlier one shows again)
void parse_undef(C_PARSER& parser) {
  if (!read_directive_name(parser)) return;
  std::vector<DEFINE_MACRO*>& macros = parser.file->macros;
  if (DEFINE_MACRO* macro = parser.file->find_macro(parser.interned_name()))
    macros.erase(std::find(macros.begin(), macros.end(), macro));
}

// ---- #include ----

// file-name := ( '"' | "<" ) { character } ( '"' | ">" ), on one line. The cursor stays on the
// closing character; nothing when the name is not closed on its line.
std::optional<std::string> read_include_name(C_PARSER& parser) {
  parser.next_char();
  std::string name;
  for (char c = parser.current(); c != '"' && c != '>'; c = parser.current()) {
    if (c == '\n' || parser.at_end_of_file()) {
      parser.report(parser.cursor_position(), "The #include file name is not closed.");
      return std::nullopt;
    }
    name.push_back(c);
    parser.next_char();
  }
  return name;
}

// A file already being parsed is skipped, as a guard would skip it.
void include_file(C_PARSER& parser, const std::string& path) {
  C_PROGRAM& program = parser.program;
  SRC_FILE& header = program.services.source_files.source_file_for(path);
  std::vector<const SRC_FILE*>& open_files = program.files_being_parsed;
  if (std::find(open_files.begin(), open_files.end(), &header) != open_files.end()) return;
  if (open_files.size() > static_cast<size_t>(nesting_limit)) {
    parser.report(parser.cursor_position(), "#include nested too deeply.");
    return;
  }
  if (!program.free_parser().parse_included(*parser.source_file, path))
    parser.report(parser.cursor_position(), "Error in #include.");
}

// include := "include" file-name
void parse_include(C_PARSER& parser) {
  std::optional<std::string> name = read_include_name(parser);
  if (!name) return;
  if (std::optional<std::string> path = parser.program.services.find_include(*name))
    include_file(parser, *path);
  else
    parser.report(parser.cursor_position(), "#include file not found.");
  parser.next_char();
  parser.skip_blanks();
}

// ---- Conditional groups ----

enum class GROUP_END { else_word, endif_word, end_of_file };

// Skips characters one by one up to "#" [blanks] "endif", or also "else" when else_ends_it.
// Groups inside are not counted: the first such word ends the skip.
GROUP_END skip_group(C_PARSER& parser, bool else_ends_it) {
  while (!parser.at_end_of_file()) {
    if (parser.current() != '#') {
      parser.next_char();
      continue;
    }
    parser.next_char();
    while (parser.current() == ' ' || parser.current() == '\t') parser.next_char();
    if (else_ends_it && parser.match_keyword("else")) return GROUP_END::else_word;
    if (parser.match_keyword("endif")) return GROUP_END::endif_word;
  }
  parser.report(parser.cursor_position(), "#endif expected before the end of the file.");
  return GROUP_END::end_of_file;
}

// ifndef := "ifndef" identifier
void parse_ifndef(C_PARSER& parser) {
  if (!read_directive_name(parser)) return;
  if (parser.file->find_macro(parser.interned_name()) != nullptr &&
      skip_group(parser, true) == GROUP_END::endif_word)
    --parser.conditional_depth;
  ++parser.conditional_depth;
}

// else := "else"   (the group after it is skipped up to its #endif)
void parse_else(C_PARSER& parser) {
  if (parser.conditional_depth == 0) parser.not_implemented();
  skip_group(parser, false);
  --parser.conditional_depth;
}

// endif := "endif"
void parse_endif(C_PARSER& parser) {
  if (parser.conditional_depth == 0) parser.not_implemented();
  --parser.conditional_depth;
}

void parse_asm(C_PARSER& parser) {
  parser.parse_asm_macro();
}

struct DIRECTIVE {
  std::string_view word;
  void (*parse)(C_PARSER& parser);
};

constexpr DIRECTIVE directives[] = {
    {"asm", parse_asm},         {"define", parse_define}, {"undef", parse_undef},
    {"include", parse_include}, {"ifndef", parse_ifndef}, {"endif", parse_endif},
    {"else", parse_else},
};

// ---- One file ----

// A refusal that names its construct leaves the rest of the file readable: the parse goes on
// at the next item, so one build lists every such refusal. Any other error ends the parse.
void parse_item_or_skip_refusal(C_PARSER& parser) {
  const int line = parser.line();
  const int column = parser.column();
  ERROR_HANDLER& error_handler = parser.program.services.error_handler;
  try {
    parser.parse_external_declaration();
  } catch (const C_PARSE_ABANDONED& abandoned) {
    if (abandoned.repeated || error_handler.error_count() != parser.errors_tolerated + 1) throw;
    parser.errors_tolerated = error_handler.error_count();
    parser.scopes.clear();
    parser.switches.clear();
    parser.jump_scopes.clear();
    parser.nesting = 0;
    parser.skip_item(line, column);
  }
}

// translation-unit := { external-declaration } end-of-file
void parse_translation_unit(C_PARSER& parser) {
  parser.conditional_depth = 0;
  parser.nesting = 0;
  parser.skip_blanks();
  while (!parser.errors_counted() && parser.current() != 0) parse_item_or_skip_refusal(parser);
  // A NUL byte reads as 0 too, but the file goes on.
  if (!parser.at_end_of_file()) parser.report(parser.cursor_position(), "End of file expected.");
}

// The file's record, emptied, with the includer's macros when it is a header.
void start_file(C_PARSER& parser, const std::string& path, const C_FILE* includer) {
  parser.busy = true;
  parser.scopes.clear();
  parser.switches.clear();
  parser.current_function = nullptr;
  parser.source_file = &parser.program.services.source_files.source_file_for(path);
  parser.file = &parser.program.file(parser.source_file);
  *parser.file = C_FILE{};
  if (includer != nullptr) copy_macros(*includer, *parser.file);
}

bool parse_source(C_PARSER& parser, const std::string& path, C_FILE* includer) {
  ERROR_HANDLER& error_handler = parser.program.services.error_handler;
  // A header is read only while its includer's errors are refusals it went on after.
  const int errors_before = includer == nullptr ? 0 : error_handler.error_count();
  parser.errors_tolerated = errors_before;
  start_file(parser, path, includer);
  BEING_PARSED being_parsed(parser.program, parser.source_file);
  std::vector<std::string> lines;
  const bool readable = parser.program.services.files.read_lines(path, lines);
  parser.load_text(std::move(lines));
  if (readable) parse_translation_unit(parser);
  if (includer != nullptr && !parser.errors_counted()) copy_macros(*parser.file, *includer);
  parser.busy = false;
  return error_handler.error_count() == errors_before;
}

// The abandoning report, given once more where the parse stopped.
void report_once_more(C_PARSER& parser, std::string_view message) {
  if (parser.current() != 0)
    parser.report(parser.cursor_position(), message);
  else
    parser.program.services.error_handler.error_without_position(message);
}

}  // namespace

// directive := "#" { " " } directive-word ...   (a "#" right after a directive starts the next)
void C_PARSER::parse_directive() {
  do {
    next_char();
    while (current_ == ' ' || current_ == '\t') next_char();
    const DIRECTIVE* directive =
        std::find_if(std::begin(directives), std::end(directives),
                     [this](const DIRECTIVE& candidate) { return match_keyword(candidate.word); });
    if (directive == std::end(directives)) not_implemented();
    directive->parse(*this);
  } while (!errors_counted() && current_ == '#');
}

// A compiler stop is not caught here: it ends the whole build.
bool C_PARSER::parse_c_file(const std::string& path) {
  try {
    return parse_source(*this, path, nullptr);
  } catch (const C_PARSE_ABANDONED& abandoned) {
    if (abandoned.repeated) report_once_more(*this, abandoned.message);
  } catch (const std::exception&) {
    report_once_more(*this, "C parser is really confused.");
  }
  busy = false;
  return false;
}

bool C_PARSER::parse_included(SRC_FILE& includer, const std::string& path) {
  return parse_source(*this, path, &program.file(&includer));
}

int32_t C_PARSER::macro_constant(const POSITION& position, const std::string& name) {
  DEFINE_MACRO* macro = file == nullptr ? nullptr : file->find_macro(program.intern(name));
  if (macro == nullptr) {
    report(position, "Unknown constant.");
    return 0;
  }
  return macro->constant_at(program, position)->value;
}
