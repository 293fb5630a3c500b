// Reading brace initialisers: nested lists, designators and values, in source order. A list
// that neither nests nor designates, for an array of scalars, keeps the flat form its arrays
// always had.
#include "base/kind_cast.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/declarations.h"
#include "cfront/initializer_tree.h"
#include "cfront/struct_type.h"

namespace {

bool read_items(C_PARSER& parser, INIT_BRACES& braces);

// designator := "[" conditional "]" | "." identifier
bool read_designators(C_PARSER& parser, INIT_ITEM& item) {
  for (;;) {
    DESIGNATOR designator;
    designator.position = parser.cursor_position();
    if (parser.match_char('[')) {
      designator.index = parser.parse_conditional();
      if (designator.index == nullptr || !parser.match_char(']')) return false;
    } else if (parser.match_char('.')) {
      if (!parser.read_identifier()) return false;
      designator.member = parser.interned_name();
    } else {
      return item.designators.empty() || parser.match_char('=');
    }
    item.designators.push_back(designator);
  }
}

// item := { designator } [ "=" ] ( "{" items | string | assignment )
bool read_item(C_PARSER& parser, INIT_ITEM& item) {
  item.position = parser.cursor_position();
  if (!read_designators(parser, item)) return false;
  if (parser.match_char('{')) {
    item.braces = parser.program.make<INIT_BRACES>();
    item.braces->open_brace = parser.token_start();
    return read_items(parser, *item.braces);
  }
  if (parser.current() == '"' && parser.read_string(item.string)) {
    item.is_string = true;
    item.expression = string_value(parser.program, item.string);
    return true;
  }
  item.expression = parser.parse_assignment();
  return item.expression != nullptr;
}

// items := item { "," item } [ "," ] "}"   (after "{")
bool read_items(C_PARSER& parser, INIT_BRACES& braces) {
  for (;;) {
    INIT_ITEM item;
    if (!read_item(parser, item)) return false;
    braces.items.push_back(item);
    if (parser.match_char(',') && parser.current() != '}') continue;
    if (!parser.match_char('}')) return false;
    braces.close_brace = parser.token_start();
    return true;
  }
}

// An array whose elements are single words that are no arrays.
bool is_scalar_array(const DECLARATOR* declarator) {
  const auto* array = kind_cast<ARRAY_TYPE>(declarator);
  return array != nullptr && kind_cast<ARRAY_TYPE>(array->element) == nullptr &&
         layout_of(array->element->type()) == nullptr;
}

}  // namespace

bool INIT_BRACES::is_flat() const {
  for (const INIT_ITEM& item : items)
    if (item.braces != nullptr || !item.designators.empty()) return false;
  return true;
}

void read_initializer_list(C_PARSER& parser, INITIALIZER_LIST& list) {
  auto* braces = parser.program.make<INIT_BRACES>();
  braces->open_brace = list.open_brace;
  const bool read = read_items(parser, *braces);
  if (read && !(braces->is_flat() && is_scalar_array(list.declarator))) {
    list.braces = braces;
    list.close_brace = braces->close_brace;
    return;
  }
  for (const INIT_ITEM& item : braces->items)
    if (item.expression != nullptr) list.items.push_back(item.expression);
  list.close_brace = braces->close_brace;
  if (!read) parser.report(parser.cursor_position(), "Bad array initializer.");
}
