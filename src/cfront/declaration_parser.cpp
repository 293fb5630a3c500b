// File-level items and block declarations: type specifiers, declarators with their suffixes,
// parameter lists and initialisers, read straight from the characters. Every declaration form
// the compiler does not support is refused with not_implemented, which abandons the parse.
#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "base/kind_cast.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/c_stops.h"
#include "cfront/compound.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/expression.h"
#include "cfront/function_pointer.h"
#include "cfront/initializer_tree.h"
#include "cfront/string_literal.h"
#include "cfront/struct_type.h"
#include "cfront/tentative_definition.h"

namespace {

// The storage classes a declaration may write; `auto` and `register` change nothing. A
// parameter may be `register` only.
struct STORAGE_WORD {
  std::string_view word;
  STORAGE_CLASS storage_class;
};

constexpr STORAGE_WORD storage_words[] = {
    {"static", STORAGE_CLASS::static_storage},
    {"extern", STORAGE_CLASS::external},
    {"auto", STORAGE_CLASS::plain},
    {"register", STORAGE_CLASS::plain},
    {"typedef", STORAGE_CLASS::type_definition},
};

// The type words left out of the language, with the construct each refusal names.
struct REFUSED_TYPE_WORD {
  std::string_view word;
  std::string_view construct;
};
constexpr std::array<REFUSED_TYPE_WORD, 2> refused_type_words{
    {{"float", "floating point"}, {"double", "floating point"}}};

// The first words of a block's declarations.
constexpr std::array<std::string_view, 19> declaration_words{
    "typedef", "extern", "static", "auto",  "register", "void",   "char",
    "short",   "int",    "long",   "float", "double",   "signed", "unsigned",
    "struct",  "union",  "enum",   "const", "volatile"};

// The words that end a block's declarations: statements begin.
constexpr std::array<std::string_view, 13> statement_words{
    "asm",  "case",     "if",    "switch", "while",   "do",    "for",
    "goto", "continue", "break", "return", "default", "sizeof"};

constexpr std::string_view characters_ending_specifiers = "),[*(;";
constexpr std::string_view characters_after_name_ending_specifiers = "(),;=[";
constexpr std::string_view characters_ending_declarations = "{}+-&*~!(;#";
constexpr std::string_view characters_after_name_ending_declarations = ";=([<>+-&|^!*/%?,:.";

bool is_one_of(char c, std::string_view characters) {
  return c != 0 && characters.find(c) != std::string_view::npos;
}

template <std::size_t COUNT>
bool next_word_among(C_PARSER& parser, const std::array<std::string_view, COUNT>& words) {
  return std::any_of(words.begin(), words.end(),
                     [&parser](std::string_view word) { return parser.next_word_is(word); });
}

bool is_prototype(const DECLARATOR* declarator) {
  return kind_cast<FUNCTION_PROTOTYPE>(declarator) != nullptr;
}

enum class NAME_AHEAD { none, followed_by_ending, followed_by_other };

// Reads a name when one starts here and tells what follows it. Before an ending character the
// cursor goes back to the name; before any other it stays there, where a refusal points.
NAME_AHEAD read_name_ahead(C_PARSER& parser, std::string_view ending_characters) {
  if (!parser.read_identifier()) return NAME_AHEAD::none;
  if (!is_one_of(parser.current(), ending_characters)) return NAME_AHEAD::followed_by_other;
  parser.set_cursor(parser.name_position().line, parser.name_position().column);
  return NAME_AHEAD::followed_by_ending;
}

// ---- Type keywords ----

C_TYPE* make_void(C_PROGRAM& program, POSITION at) {
  return program.make<VOID_TYPE>(at);
}
C_TYPE* make_char(C_PROGRAM& program, POSITION at) {
  return program.make<CHAR_TYPE>(at);
}
C_TYPE* make_int(C_PROGRAM& program, POSITION at) {
  return program.make<INT_TYPE>(at);
}

struct TYPE_WORD {
  std::string_view word;
  C_TYPE* (*make)(C_PROGRAM& program, POSITION at);
};

// short and long are synonyms of int.
constexpr TYPE_WORD plain_type_words[] = {
    {"void", make_void}, {"char", make_char}, {"short", make_int},
    {"int", make_int},   {"long", make_int},
};

// signed_type := "signed" [ "char" | "int" ]   (after "signed")
C_TYPE* parse_signed(C_PARSER& parser, POSITION signed_position) {
  if (parser.match_keyword("char")) return parser.program.make<CHAR_TYPE>(signed_position);
  parser.match_keyword("int");
  return parser.program.make<INT_TYPE>(signed_position);
}

// unsigned_type := "unsigned" [ "int" | "char" ]   (after "unsigned")
C_TYPE* parse_unsigned(C_PARSER& parser, POSITION unsigned_position) {
  C_PROGRAM& program = parser.program;
  if (parser.match_keyword("int"))
    return program.make<UNSIGNED_INT_TYPE>(unsigned_position, parser.token_start());
  if (parser.match_keyword("char"))
    return program.make<UNSIGNED_CHAR_TYPE>(unsigned_position, parser.token_start());
  return program.make<UNSIGNED_INT_TYPE>(unsigned_position, POSITION{});
}

// storage_class := "static" | "extern" | "auto" | "register"   (written into storage_class;
// without one to write into, a parameter's, only "register")
bool match_storage_class(C_PARSER& parser, STORAGE_CLASS* storage_class) {
  for (const STORAGE_WORD& row : storage_words) {
    if (!parser.next_word_is(row.word)) continue;
    if (storage_class == nullptr && row.word != "register") parser.not_implemented();
    parser.match_keyword(row.word);
    if (storage_class != nullptr) *storage_class = row.storage_class;
    return true;
  }
  return false;
}

// qualifier := "const" | "volatile"   (volatile changes nothing: every access is made anyway)
bool match_qualifier(C_PARSER& parser, bool& is_const) {
  if (parser.match_keyword("const")) {
    is_const = true;
    return true;
  }
  return parser.match_keyword("volatile");
}

// After a type: a character that ends the specifiers, or a name that begins the declarator.
// A name followed by anything else is refused; any other word is one more pass, and so is a
// typedef name before any type was written (after one, it is the name being declared).
bool specifiers_end_here(C_PARSER& parser, bool type_written) {
  parser.skip_blanks();
  if (is_one_of(parser.current(), characters_ending_specifiers)) return true;
  if (!type_written && parser.at_type_name_word()) return false;
  const NAME_AHEAD name = read_name_ahead(parser, characters_after_name_ending_specifiers);
  if (name == NAME_AHEAD::followed_by_other) parser.not_implemented();
  return name == NAME_AHEAD::followed_by_ending;
}

// ---- Declarator suffixes ----

// `[]` on a name makes its type a pointer: an array of unknown size is a pointer.
DECLARATOR* unknown_size_array(C_PARSER& parser, DECLARATOR* declarator, POSITION open_bracket) {
  auto* named = kind_cast<TYPE_AND_NAME>(declarator);
  if (named == nullptr) {
    parser.report(open_bracket, "Only the first brackets of a declarator may be empty.");
    return declarator;
  }
  if (named->type() == nullptr) return named;
  C_PROGRAM& program = parser.program;
  POINTER_TYPE* pointer = program.make<POINTER_TYPE>(open_bracket, named->type());
  auto* unsized = program.make<TYPE_AND_NAME>(pointer, named->name());
  unsized->unsized_array = true;
  return unsized;
}

// `name[] = ...` is an array of the initialiser's size after all.
DECLARATOR* sized_by_initializer(C_PARSER& parser, DECLARATOR* declarator) {
  auto* named = kind_cast<TYPE_AND_NAME>(declarator);
  if (named == nullptr || !named->unsized_array) return declarator;
  auto* pointer = static_cast<POINTER_TYPE*>(named->type());
  C_PROGRAM& program = parser.program;
  auto* element = program.make<TYPE_AND_NAME>(pointer->pointed_to, named->name());
  return program.make<ARRAY_TYPE>(element, nullptr, pointer, pointer->position());
}

// array_suffix := "]" | conditional "]"   (after "[")
DECLARATOR* parse_array_suffix(C_PARSER& parser, DECLARATOR* declarator) {
  const POSITION open_bracket = parser.token_start();
  if (parser.match_char(']')) return unknown_size_array(parser, declarator, open_bracket);
  EXPRESSION* size = parser.parse_conditional();
  const POSITION closing_bracket = parser.cursor_position();
  parser.expect_char(']');
  C_PROGRAM& program = parser.program;
  C_TYPE* element = declarator->type();
  POINTER_TYPE* element_type =
      element == nullptr ? nullptr : program.make<POINTER_TYPE>(open_bracket, element);
  return program.make<ARRAY_TYPE>(declarator, size, element_type, closing_bracket);
}

// prototype_suffix := parameters   (after "(")
DECLARATOR* parse_prototype_suffix(C_PARSER& parser, DECLARATOR* declarator) {
  C_PROGRAM& program = parser.program;
  PARAMETER_LIST* parameters = program.make<PARAMETER_LIST>(parser.token_start());
  parser.parse_parameters(*parameters);
  auto* named = kind_cast<TYPE_AND_NAME>(declarator);
  if (named == nullptr)
    stop_compiler("a prototype around something other than a name", declarator->position());
  C_TYPE* return_type = named->type();
  if (return_type == nullptr) {
    parser.warn(named->position(), "This function has deplult \"int\" type.");
    return_type = program.make<INT_TYPE>(named->position());
  }
  auto* prototype = program.make<FUNCTION_PROTOTYPE>(return_type, named->name(), parameters);
  refuse_structure_by_value(parser, *prototype);
  return prototype;
}

// pointers := { "*" { qualifier } }
// Each star is one more pointer level; `* const` makes that pointer const. A pointer to no
// type (an item written without one) stays without type.
C_TYPE* parse_pointers(C_PARSER& parser, C_TYPE* type) {
  while (parser.match_char('*')) {
    const POSITION star = parser.token_start();
    if (type != nullptr) type = parser.program.make<POINTER_TYPE>(star, type);
    bool is_const = false;
    while (match_qualifier(parser, is_const)) continue;
    if (is_const && type != nullptr) type->is_const = true;
  }
  return type;
}

// `int a[]` or `int a[8]` as a parameter is a pointer: the caller passes the array's address.
// The size, if written, is read and left aside.
C_TYPE* array_parameter_type(C_PARSER& parser, C_TYPE* element) {
  const POSITION open_bracket = parser.token_start();
  if (parser.current() != ']') parser.parse_assignment();
  parser.expect_char(']');
  if (parser.current() == '[') parser.not_implemented("an array parameter of several dimensions");
  return element == nullptr ? nullptr : parser.program.make<POINTER_TYPE>(open_bracket, element);
}

// parameter := specifiers ( ")" | pointers [ identifier [ "[" [ size ] "]" ] ] | identifier
//                          | pointers "(" parenthesised_declarator )
// A plain type stands unnamed only as the last parameter (`f(void)`, `f(int)`); a pointer
// type may stand unnamed anywhere (`f(int *, int)`).
ARGUMENT_DECLARATION* parse_parameter(C_PARSER& parser) {
  C_PROGRAM& program = parser.program;
  if (parser.current() == '.') parser.not_implemented("a variable argument list (...)");
  C_TYPE* type = parser.parse_specifiers(nullptr);
  if (parser.current() == ')') return program.make<ARGUMENT_DECLARATION>(type, nullptr);
  const bool pointer = parser.current() == '*';
  type = parse_pointers(parser, type);
  if (parser.current() == '(') return parenthesised_parameter(parser, type);
  if (pointer && is_one_of(parser.current(), ",)"))
    return program.make<ARGUMENT_DECLARATION>(type, nullptr);
  if (!parser.read_identifier()) parser.not_implemented();
  NAME* name = parser.make_name();
  if (parser.match_char('[')) type = array_parameter_type(parser, type);
  if (!is_one_of(parser.current(), ",)")) parser.not_implemented();
  return program.make<ARGUMENT_DECLARATION>(type, name);
}

// ---- Declarations ----

// A type of its own for each use of a typedef name, which a qualifier of the use may mark.
C_TYPE* fresh_copy(C_PROGRAM& program, const C_TYPE& type, POSITION at) {
  C_TYPE* copy = nullptr;
  switch (type.kind()) {
    case TYPE_KIND::void_type:
      copy = program.make<VOID_TYPE>(at);
      break;
    case TYPE_KIND::char_type:
      copy = program.make<CHAR_TYPE>(at);
      break;
    case TYPE_KIND::unsigned_char_type:
      copy = program.make<UNSIGNED_CHAR_TYPE>(at, at);
      break;
    case TYPE_KIND::int_type:
      copy = program.make<INT_TYPE>(at);
      break;
    case TYPE_KIND::unsigned_int_type:
      copy = program.make<UNSIGNED_INT_TYPE>(at, at);
      break;
    case TYPE_KIND::pointer_type:
      copy = program.make<POINTER_TYPE>(at, static_cast<const POINTER_TYPE&>(type).pointed_to);
      break;
    case TYPE_KIND::function_type: {
      const auto& function = static_cast<const FUNCTION_TYPE&>(type);
      copy = program.make<FUNCTION_TYPE>(at, function.return_type, function.parameters);
      break;
    }
    case TYPE_KIND::struct_type:
      copy = program.make<STRUCT_TYPE>(at, static_cast<const STRUCT_TYPE&>(type).layout);
      break;
  }
  copy->is_const = type.is_const;
  return copy;
}

// `typedef T name, *pointer_name;`: each declarator names its type (a structure's is its
// layout, shared). An array or a function type cannot be named, nor can a name be initialised.
void define_type_names(C_PARSER& parser, const std::vector<DECLARATOR*>& declarators) {
  for (DECLARATOR* declarator : declarators) {
    if (declarator == nullptr) continue;
    auto* named = kind_cast<TYPE_AND_NAME>(declarator);
    if (named == nullptr || named->unsized_array) {
      parser.report(declarator->position(),
                    "typedef names only a scalar, pointer or structure type.");
      continue;
    }
    if (parser.file != nullptr && named->type() != nullptr)
      parser.file->type_names.emplace_back(named->name()->text, named->type());
  }
}

// An item that begins with a name (`main() { }`), `*` or `(` has no type: refused.
void refuse_item_without_type(C_PARSER& parser) {
  if (parser.at_type_name_word()) return;
  if (parser.read_identifier()) {
    const POSITION name = parser.name_position();
    parser.set_cursor(name.line, name.column);
    parser.not_implemented();
  }
  if (parser.current() != '*' && parser.current() != '(') return;
  parser.parse_declarator(nullptr);
  parser.not_implemented();
}

// declarator_and_initializer := declarator [ initializer ]   (a prototype takes none)
DECLARATOR* parse_declarator_and_initializer(C_PARSER& parser, C_TYPE* type) {
  DECLARATOR* declarator = parser.parse_declarator(type);
  if (is_prototype(declarator)) return declarator;
  return parser.parse_initializer(declarator);
}

// A declaration without body is kept for the check against its definition; it declares no
// object.
void keep_prototypes(C_PARSER& parser, std::vector<DECLARATOR*>& declarators, std::size_t from) {
  std::size_t kept = from;
  for (std::size_t index = from; index < declarators.size(); ++index) {
    if (auto* prototype = kind_cast<FUNCTION_PROTOTYPE>(declarators[index]))
      parser.program.prototypes.push_back(prototype);
    else
      declarators[kept++] = declarators[index];
  }
  declarators.resize(kept);
}

// declaration_end := { "," declarator_and_initializer } ";"
// Every declarator of the declaration, the first one given, shares the type; each joins
// declarators, in source order, once its initialiser is read, so the next one can use it.
void parse_declaration_end(C_PARSER& parser, C_TYPE* type, DECLARATOR* first,
                           std::vector<DECLARATOR*>& declarators) {
  DECLARATOR* last = first;
  for (;;) {
    if (parser.current() != ',' && parser.current() != ';') parser.not_implemented();
    declarators.push_back(last);
    if (!parser.match_char(',')) break;
    last = parse_declarator_and_initializer(parser, type);
  }
  parser.match_char(';');
}

// The declarator, and each one it wraps, knows its storage class and whether a block declares
// it.
void mark_declarator(DECLARATOR* declarator, STORAGE_CLASS storage_class, bool in_block) {
  for (DECLARATOR* part = declarator; part != nullptr; part = part->inner()) {
    part->storage_class = storage_class;
    part->in_block = in_block;
  }
}

bool is_initialised(const DECLARATOR* declarator) {
  return declarator->kind() == DECLARATOR_KIND::initializer ||
         declarator->kind() == DECLARATOR_KIND::initializer_list;
}

// block_declaration := specifiers ( ";" | declarator_and_initializer declaration_end )
// A type alone is kept as a nullptr declarator.
void parse_block_declaration(C_PARSER& parser, std::vector<DECLARATOR*>& declarations) {
  STORAGE_CLASS storage_class = STORAGE_CLASS::plain;
  C_TYPE* type = parser.parse_specifiers(nullptr, &storage_class);
  if (parser.match_char(';')) return declarations.push_back(nullptr);
  const std::size_t before = declarations.size();
  parse_declaration_end(parser, type, parse_declarator_and_initializer(parser, type), declarations);
  if (storage_class == STORAGE_CLASS::type_definition) {
    define_type_names(parser, {declarations.begin() + before, declarations.end()});
    declarations.resize(before);
    return;
  }
  keep_prototypes(parser, declarations, before);
  for (std::size_t k = before; k < declarations.size(); ++k)
    mark_declarator(declarations[k], storage_class, true);
}

// File-level declarators: an extern one with an initialiser is the definition itself.
void mark_file_level(const std::vector<DECLARATOR*>& declarators, STORAGE_CLASS storage_class) {
  for (DECLARATOR* declarator : declarators) {
    const bool definition = storage_class == STORAGE_CLASS::external && is_initialised(declarator);
    mark_declarator(declarator, definition ? STORAGE_CLASS::plain : storage_class, false);
  }
}

// After a block declaration: statements begin at one of their characters or words, or at a
// name used in an expression or as a label; a typedef name begins one more declaration; a name
// followed by anything else (another name) is refused; anything else is one more declaration.
bool more_block_declarations(C_PARSER& parser) {
  const char c = parser.current();
  if (is_one_of(c, characters_ending_declarations) || (c >= '0' && c <= '9')) return false;
  if (next_word_among(parser, statement_words)) return false;
  if (parser.at_type_name_word()) return true;
  const NAME_AHEAD name = read_name_ahead(parser, characters_after_name_ending_declarations);
  if (name == NAME_AHEAD::followed_by_other) parser.not_implemented();
  return name == NAME_AHEAD::none;
}

}  // namespace

// external_declaration := directive
//                       | specifiers declarator_and_initializer ( declaration_end | block )
void C_PARSER::parse_external_declaration() {
  if (current() == '#') return parse_directive();
  refuse_item_without_type(*this);
  declared_enumerators = false;
  declared_tag = false;
  STORAGE_CLASS storage_class = STORAGE_CLASS::plain;
  C_TYPE* type = parse_specifiers(nullptr, &storage_class);
  // A type alone declares nothing, unless it is an enum that declares its enumerators.
  if (current() == ';' && (declared_enumerators || declared_tag)) {
    match_char(';');
    return;
  }
  if (current() == ';') not_implemented();
  DECLARATOR* declarator = parse_declarator_and_initializer(*this, type);
  // A definition is added to the file's functions by parse_function_definition.
  if (current() == '{') return parse_function_definition(declarator);
  std::vector<DECLARATOR*> declarators;
  parse_declaration_end(*this, type, declarator, declarators);
  if (storage_class == STORAGE_CLASS::type_definition) return define_type_names(*this, declarators);
  keep_prototypes(*this, declarators, 0);
  mark_file_level(declarators, storage_class);
  merge_tentative_definitions(*this, declarators);
  std::vector<DECLARATOR*>& every_file = program.file_level_declarations;
  every_file.insert(every_file.end(), declarators.begin(), declarators.end());
  if (file != nullptr)
    file->declarations.insert(file->declarations.end(), declarators.begin(), declarators.end());
}

// specifiers := { storage_class | qualifier | type_specifier }   (typedef is a storage class; the
// last
//               type keyword wins, so `unsigned long` is an int; a type must be written)
C_TYPE* C_PARSER::parse_specifiers(C_TYPE* type_so_far, STORAGE_CLASS* storage_class) {
  C_TYPE* type = type_so_far;
  bool is_const = false;
  do {
    if (match_storage_class(*this, storage_class) || match_qualifier(*this, is_const)) continue;
    type = parse_type_specifier(type);
  } while (!specifiers_end_here(*this, type != nullptr));
  if (type == nullptr) not_implemented();  // `static x;`, `const *p`: C's implicit int
  if (is_const) type->is_const = true;
  return type;
}

// type_specifier := "void" | "char" | "short" | "int" | "long" | signed_type | unsigned_type
// The keyword read replaces the type so far.
C_TYPE* C_PARSER::parse_type_specifier(C_TYPE*) {
  for (const TYPE_WORD& plain : plain_type_words)
    if (match_keyword(plain.word)) return plain.make(program, token_start());
  if (match_keyword("signed")) return parse_signed(*this, token_start());
  if (match_keyword("unsigned")) return parse_unsigned(*this, token_start());
  if (match_keyword("enum")) return parse_enum(token_start());
  if (match_keyword("struct")) return parse_struct_or_union(token_start(), false);
  if (match_keyword("union")) return parse_struct_or_union(token_start(), true);
  for (const REFUSED_TYPE_WORD& refused : refused_type_words)
    if (next_word_is(refused.word)) not_implemented(refused.construct);
  if (read_identifier()) {
    C_TYPE* named = file == nullptr ? nullptr : file->find_type_name(interned_name());
    if (named != nullptr) return fresh_copy(program, *named, name_position());
    set_cursor(name_position().line, name_position().column);
    not_implemented();
  }
  syntax_error();
}

// declarator := pointers identifier declarator_suffixes
DECLARATOR* C_PARSER::parse_declarator(C_TYPE* type) {
  type = parse_pointers(*this, type);
  if (!read_identifier()) {
    if (current() != '(') expect_char('(');
    if (current() == '(') return parse_parenthesised_declarator(*this, type);
    not_implemented();  // no name at all
  }
  return parse_declarator_suffixes(program.make<TYPE_AND_NAME>(type, make_name()));
}

// declarator_suffixes := { "[" array_suffix | "(" prototype_suffix }
DECLARATOR* C_PARSER::parse_declarator_suffixes(DECLARATOR* declarator) {
  for (;;) {
    if (match_char('['))
      declarator = parse_array_suffix(*this, declarator);
    else if (match_char('('))
      declarator = parse_prototype_suffix(*this, declarator);
    else
      return declarator;
  }
}

// parameters := [ parameter { "," parameter } ] ")"   (after "("; old-style names are refused,
//               as type names)
void C_PARSER::parse_parameters(PARAMETER_LIST& list) {
  if (match_char(')')) return;  // `f()`: no parameters in a definition, unchecked in a prototype
  do {
    list.parameters.push_back(parse_parameter(*this));
  } while (match_char(','));
  expect_char(')');
}

// initializer := [ "=" ( assignment | "{" initializer_items ) ]
// Only an array or a structure takes a list.
DECLARATOR* C_PARSER::parse_initializer(DECLARATOR* declarator) {
  if (!match_char('=')) return declarator;
  if (current() == '"' || current() == '{') declarator = sized_by_initializer(*this, declarator);
  INITIALIZER_LIST* list = nullptr;
  if (STRING_TEXT text; kind_cast<ARRAY_TYPE>(declarator) != nullptr && read_string(text)) {
    list = string_initializer(program, declarator, text);
  } else {
    if (!match_char('{')) return program.make<INITIALIZER>(declarator, parse_assignment());
    list = program.make<INITIALIZER_LIST>(token_start(), declarator);
    read_initializer_list(*this, *list);
  }
  // `int a[] = {...}` takes its size from the items (a laid-out list, when it is laid out).
  auto* array = kind_cast<ARRAY_TYPE>(declarator);
  if (array != nullptr && array->size_expression == nullptr && list->braces == nullptr)
    array->size_expression = program.make<DECIMAL_CONSTANT>(
        list->open_brace, list->close_brace, static_cast<int32_t>(list->items.size()));
  if (array == nullptr && layout_of(declarator->type()) == nullptr)
    report(declarator->position(), "Bad initialization for this type.");
  return list;
}

// block_declarations := block_declaration { block_declaration }
// Each declarator joins the block's declarations as soon as it is read: the names declared so
// far are those a later initialiser or statement sees. Answers how many were read.
std::size_t C_PARSER::parse_block_declarations(COMPOUND& block) {
  if (block.declarations == nullptr) block.declarations = program.make<DECLARATION_LIST>();
  std::vector<DECLARATOR*>& declarations = block.declarations->declarations;
  const std::size_t before = declarations.size();
  do {
    parse_block_declaration(*this, declarations);
  } while (!errors_counted() && more_block_declarations(*this));
  return declarations.size() - before;
}

// The one declaration of a for loop's first clause, the head of the loop's own block.
void C_PARSER::parse_for_declaration(COMPOUND& scope) {
  scope.declarations = program.make<DECLARATION_LIST>();
  parse_block_declaration(*this, scope.declarations->declarations);
  scope.declarations->head_count = scope.declarations->declarations.size();
}

bool C_PARSER::at_declaration_word() {
  return next_word_among(*this, declaration_words) || at_type_name_word();
}

bool C_PARSER::at_type_name_word() {
  if (file == nullptr || file->type_names.empty()) return false;
  const int line = this->line();
  const int column = this->column();
  bool named = read_identifier() && file->find_type_name(interned_name()) != nullptr;
  // A local that hides the type name is used as a variable: `word = 3;` assigns it.
  const char after = current();
  named = named && (after == '*' || after == ')' || after == '_' ||
                    std::isalpha(static_cast<unsigned char>(after)) != 0);
  set_cursor(line, column);
  return named;
}
