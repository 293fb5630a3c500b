// `struct` and `union` specifiers: a tag names a layout in the innermost open block; a member
// list defines it. A tag used before its definition (a pointer to a later struct, a struct that
// points to itself) names the same layout, complete once its members are read.
#include <string>

#include "base/kind_cast.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/expression.h"
#include "cfront/struct_type.h"

namespace {

// The length of a member array; its size must fold to a positive constant now, as the layout
// is fixed when the member list ends. -1 after a reported problem.
int32_t member_array_length(C_PARSER& parser, ARRAY_TYPE& array) {
  EXPRESSION* size =
      array.size_expression == nullptr ? nullptr : array.size_expression->simplify(parser.program);
  auto* constant = kind_cast<DECIMAL_CONSTANT>(size);
  if (constant == nullptr || constant->value <= 0) {
    report_going_on(parser, array.position(),
                    constant == nullptr ? "Bad array definition (unknown size)."
                                        : "Bad array definition (size <= 0).");
    return -1;
  }
  parser.program.leave_pool(*constant);
  return constant->value;
}

// The member a declarator declares; its type nullptr after a reported problem.
MEMBER member_of(C_PARSER& parser, DECLARATOR* declarator) {
  MEMBER member;
  member.position = declarator->position();
  member.name = declarator->name() != nullptr ? declarator->name()->text : nullptr;
  if (auto* array = kind_cast<ARRAY_TYPE>(declarator)) {
    if (kind_cast<TYPE_AND_NAME>(array->element) == nullptr)
      parser.not_implemented("a member array of several dimensions");
    member.length = member_array_length(parser, *array);
    if (member.length < 0) return member;
    declarator = array->element;
  }
  auto* named = kind_cast<TYPE_AND_NAME>(declarator);
  if (named == nullptr || named->unsized_array) {
    report_going_on(parser, member.position,
                    "A member must be a scalar, a pointer, an array or a structure.");
    return member;
  }
  member.type = named->type();
  return member;
}

// A member of incomplete or void type has no size: reported, and left out.
bool has_size(C_PARSER& parser, const MEMBER& member) {
  if (member.type == nullptr) return false;
  if (member.type->is_void()) {
    report_going_on(parser, member.position, "A member cannot be void.");
    return false;
  }
  if (words_of_type(member.type) > 0) return true;
  report_going_on(parser, member.position,
                  "A member has an incomplete type: " + member.type->display_name() + ".");
  return false;
}

void add_member(C_PARSER& parser, STRUCT_LAYOUT& layout, MEMBER member) {
  if (!has_size(parser, member)) return;
  if (member.name != nullptr && find_member(layout, member.name).member != nullptr) {
    report_going_on(parser, member.position,
                    "This member is declared twice: " + *member.name + ".");
    return;
  }
  member.words = words_of_type(member.type) * (member.is_array() ? member.length : 1);
  layout.add(member);
}

// member_declaration := specifiers ( ";" | declarator { "," declarator } ";" )
// A structure or union without tag and without declarator is an anonymous member.
void parse_member_declaration(C_PARSER& parser, STRUCT_LAYOUT& layout) {
  C_TYPE* type = parser.parse_specifiers(nullptr);
  if (parser.match_char(';')) {
    const STRUCT_LAYOUT* inner = layout_of(type);
    if (inner == nullptr || inner->tag != nullptr) return;
    MEMBER anonymous;
    anonymous.type = type;
    anonymous.position = type->position();
    add_member(parser, layout, anonymous);
    return;
  }
  do {
    DECLARATOR* declarator = parser.parse_declarator(type);
    if (kind_cast<FUNCTION_PROTOTYPE>(declarator) != nullptr)
      report_going_on(parser, declarator->position(), "A member cannot be a function.");
    else
      add_member(parser, layout, member_of(parser, declarator));
  } while (parser.match_char(','));
  parser.expect_char(';');
}

// The layout a definition fills: the block's own incomplete declaration of the tag, or a new
// one. The same definition read again (the parser went back over it) is read afresh.
STRUCT_LAYOUT* layout_to_define(C_PARSER& parser, INTERNED tag, bool is_union, POSITION brace) {
  TAG_TABLE* tags = parser.file != nullptr ? &parser.file->tags : nullptr;
  STRUCT_LAYOUT* layout =
      tag == nullptr || tags == nullptr ? nullptr : tags->find_in(tag, parser.innermost_block());
  if (layout != nullptr && layout->complete && !(layout->definition == brace)) {
    report_going_on(parser, brace, "This structure tag is defined twice: " + *tag + ".");
    layout = nullptr;
  }
  if (layout == nullptr) {
    layout = parser.program.make<STRUCT_LAYOUT>(tag, is_union);
    if (tag != nullptr && tags != nullptr) tags->declare(tag, parser.innermost_block(), layout);
  }
  layout->members.clear();
  layout->words = 0;
  layout->definition = brace;
  return layout;
}

// members := { member_declaration } "}"   (after the "{")
void parse_members(C_PARSER& parser, STRUCT_LAYOUT& layout) {
  while (!parser.match_char('}')) {
    if (parser.at_end_of_file()) parser.syntax_error();
    parse_member_declaration(parser, layout);
  }
  if (layout.members.empty())
    report_going_on(parser, layout.definition, "A structure or union needs at least one member.");
  layout.complete = true;
}

// A tag without member list: `struct s;` declares it in this block; any other use names the
// visible one, or declares it when there is none.
STRUCT_LAYOUT* layout_named(C_PARSER& parser, INTERNED tag, bool is_union) {
  TAG_TABLE* tags = parser.file != nullptr ? &parser.file->tags : nullptr;
  const bool declaration_alone = parser.current() == ';';
  STRUCT_LAYOUT* layout = nullptr;
  if (tags != nullptr)
    layout = declaration_alone ? tags->find_in(tag, parser.innermost_block())
                               : tags->find(tag, parser.scopes);
  if (layout == nullptr) {
    layout = parser.program.make<STRUCT_LAYOUT>(tag, is_union);
    if (tags != nullptr) tags->declare(tag, parser.innermost_block(), layout);
  }
  parser.declared_tag = parser.declared_tag || declaration_alone;
  return layout;
}

}  // namespace

// struct_or_union := ( "struct" | "union" ) ( identifier [ "{" members ] | "{" members )
//                    (after the word)
C_TYPE* C_PARSER::parse_struct_or_union(POSITION at, bool is_union) {
  INTERNED tag = read_identifier() ? interned_name() : nullptr;
  STRUCT_LAYOUT* layout = nullptr;
  if (match_char('{')) {
    layout = layout_to_define(*this, tag, is_union, token_start());
    parse_members(*this, *layout);
    declared_tag = declared_tag || tag != nullptr;
  } else if (tag != nullptr) {
    layout = layout_named(*this, tag, is_union);
  } else {
    syntax_error();
  }
  if (layout->is_union != is_union)
    report_going_on(*this, at,
                    "This tag names a " + std::string(layout->is_union ? "union." : "struct."));
  return program.make<STRUCT_TYPE>(at, layout);
}
