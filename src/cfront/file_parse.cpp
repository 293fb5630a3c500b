// The parse of one file, from its start to its end, and the directive the parser itself reads
// (#asm): the preprocessor runs every other directive as the reader reaches its line. A header
// starts with its includer's macros and gives its own back when it parses without error.
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
#include "cfront/macro.h"
#include "cfront/preprocessor.h"

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

void parse_asm(C_PARSER& parser) {
  parser.parse_asm_macro();
}

struct DIRECTIVE {
  std::string_view word;
  void (*parse)(C_PARSER& parser);
};

constexpr DIRECTIVE directives[] = {{"asm", parse_asm}};

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
  if (!preprocessor_->is_macro(name)) {
    report(position, "Unknown constant.");
    return 0;
  }
  const SPOT spot{position.line, position.column, position.macro};
  return preprocessor_->macro_value(name, spot).value_or(0);
}

bool C_PARSER::is_macro(const std::string& name) const {
  return preprocessor_->is_macro(name);
}
