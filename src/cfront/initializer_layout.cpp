// Laying a brace initialiser out over its object, as C reads one: items fill the sub-objects in
// order (elements, members; a union's first member), a nested list fills one sub-object, a
// value for an aggregate sub-object starts filling it from the same list (brace elision), and
// a designator moves the current place. Every word left unnamed is 0.
#include <cstdint>
#include <string>
#include <vector>

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_program.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/expression.h"
#include "cfront/initializer_tree.h"
#include "cfront/struct_type.h"

namespace {

// An object's form: the bottom type (scalar, pointer or structure) and the array dimensions
// above it, outermost first; -1 for a length the initialiser gives.
struct SHAPE {
  C_TYPE* type = nullptr;
  std::vector<int32_t> dimensions;

  bool is_aggregate() const { return !dimensions.empty() || layout_of(type) != nullptr; }
  int32_t words() const {
    int32_t words = words_of_type(type);
    for (int32_t length : dimensions) words *= length < 0 ? 0 : length;
    return words;
  }
};

SHAPE shape_of(const DECLARATOR* declarator) {
  SHAPE shape;
  while (const auto* array = kind_cast<ARRAY_TYPE>(declarator)) {
    shape.dimensions.push_back(array->size == nullptr ? -1 : array->size->value);
    declarator = array->element;
  }
  shape.type = declarator->type();
  return shape;
}

SHAPE shape_of(const MEMBER& member) {
  SHAPE shape{member.type, {}};
  if (member.is_array()) shape.dimensions.push_back(member.length);
  return shape;
}

class LAYOUT_WRITER {
 public:
  explicit LAYOUT_WRITER(C_PROGRAM& program) : program_(program) {}

  void braced(const SHAPE& shape, int32_t offset, const INIT_BRACES& braces);
  void scalar_braced(const SHAPE& shape, int32_t offset, const INIT_BRACES& braces);

  std::vector<EXPRESSION*> words;
  std::vector<C_TYPE*> types;
  int32_t open_length = 0;  // elements reached in an array of open length
  bool failed = false;

 private:
  bool sub_object(const SHAPE& shape, int32_t index, SHAPE& sub, int32_t& offset);
  void item_into(const SHAPE& sub, int32_t offset, const std::vector<INIT_ITEM>& items,
                 std::size_t& position);
  void from_stream(const SHAPE& shape, int32_t offset, const std::vector<INIT_ITEM>& items,
                   std::size_t& position);
  bool string_into(const SHAPE& shape, int32_t offset, const INIT_ITEM& item);
  bool designate(const SHAPE& shape, const std::vector<DESIGNATOR>& designators, std::size_t d,
                 SHAPE& sub, int32_t& offset, int32_t& index);
  bool member_index(const STRUCT_LAYOUT& layout, const DESIGNATOR& designator, int32_t& index);
  bool constant_index(const DESIGNATOR& designator, int32_t& index);
  void put(int32_t offset, EXPRESSION* value, C_TYPE* type);
  void fail(const POSITION& at, const std::string& message);

  C_PROGRAM& program_;
};

void LAYOUT_WRITER::fail(const POSITION& at, const std::string& message) {
  program_.services.error_handler.error_at(at, message);
  failed = true;
}

// A later designator may name a word again: the last value wins.
void LAYOUT_WRITER::put(int32_t offset, EXPRESSION* value, C_TYPE* type) {
  const auto size = static_cast<std::size_t>(offset) + 1;
  if (words.size() < size) {
    words.resize(size, nullptr);
    types.resize(size, nullptr);
  }
  words[offset] = value;
  types[offset] = type;
}

// Sub-object index of an aggregate; false past its end.
bool LAYOUT_WRITER::sub_object(const SHAPE& shape, int32_t index, SHAPE& sub, int32_t& offset) {
  if (!shape.dimensions.empty()) {
    const int32_t length = shape.dimensions.front();
    if (index < 0 || (length >= 0 && index >= length)) return false;
    sub = SHAPE{shape.type, {shape.dimensions.begin() + 1, shape.dimensions.end()}};
    offset = index * sub.words();
    if (length < 0) open_length = std::max(open_length, index + 1);
    return true;
  }
  const STRUCT_LAYOUT& layout = *layout_of(shape.type);
  if (index < 0 || index >= static_cast<int32_t>(layout.members.size())) return false;
  const MEMBER& member = layout.members[index];
  sub = shape_of(member);
  offset = member.offset;
  return true;
}

// A literal fills a char array, its ending 0 included when there is room.
bool LAYOUT_WRITER::string_into(const SHAPE& shape, int32_t offset, const INIT_ITEM& item) {
  if (!item.is_string || shape.dimensions.size() != 1 || !shape.type->is_char()) return false;
  const std::vector<int32_t>& codes = item.string.codes;
  const int32_t length = shape.dimensions.front();
  if (length >= 0 && static_cast<int32_t>(codes.size()) > length) {
    fail(item.position, "This string is too long for its array.");
    return true;
  }
  for (std::size_t k = 0; k < codes.size(); ++k)
    put(offset + static_cast<int32_t>(k),
        program_.make<DECIMAL_CONSTANT>(item.string.first, item.string.last, codes[k]), shape.type);
  return true;
}

// One item for the sub-object, or, for an aggregate given a value, as many as fill it.
void LAYOUT_WRITER::item_into(const SHAPE& sub, int32_t offset, const std::vector<INIT_ITEM>& items,
                              std::size_t& position) {
  const INIT_ITEM& item = items[position];
  if (item.braces != nullptr) {
    ++position;
    if (sub.is_aggregate()) return braced(sub, offset, *item.braces);
    return scalar_braced(sub, offset, *item.braces);
  }
  if (string_into(sub, offset, item)) {
    ++position;
    return;
  }
  if (!sub.is_aggregate()) {
    put(offset, item.expression, sub.type);
    ++position;
    return;
  }
  if (sub.dimensions.empty() && layout_of(item.expression->type_of(program_)) != nullptr) {
    fail(item.position, "A structure value inside braces: initialise its members instead.");
    ++position;
    return;
  }
  from_stream(sub, offset, items, position);
}

// Brace elision: the aggregate takes the next items until it is full or a designator comes.
void LAYOUT_WRITER::from_stream(const SHAPE& shape, int32_t offset,
                                const std::vector<INIT_ITEM>& items, std::size_t& position) {
  for (int32_t index = 0; position < items.size() && !failed; ++index) {
    if (index > 0 && !items[position].designators.empty()) return;
    SHAPE sub;
    int32_t sub_offset = 0;
    if (!sub_object(shape, index, sub, sub_offset)) return;
    if (layout_of(shape.type) != nullptr && shape.dimensions.empty() &&
        layout_of(shape.type)->is_union && index > 0)
      return;
    item_into(sub, offset + sub_offset, items, position);
  }
}

// `int x = {5}`: one value in braces.
void LAYOUT_WRITER::scalar_braced(const SHAPE& shape, int32_t offset, const INIT_BRACES& braces) {
  if (braces.items.size() != 1 || !braces.items.front().designators.empty())
    return fail(braces.open_brace, "Bad initialization for this type.");
  std::size_t position = 0;
  item_into(shape, offset, braces.items, position);
}

void LAYOUT_WRITER::braced(const SHAPE& shape, int32_t offset, const INIT_BRACES& braces) {
  const std::vector<INIT_ITEM>& items = braces.items;
  const STRUCT_LAYOUT* layout = shape.dimensions.empty() ? layout_of(shape.type) : nullptr;
  std::size_t position = 0;
  for (int32_t index = 0; position < items.size() && !failed; ++index) {
    const INIT_ITEM& item = items[position];
    SHAPE sub;
    int32_t sub_offset = 0;
    if (!item.designators.empty()) {
      if (!designate(shape, item.designators, 0, sub, sub_offset, index)) return;
    } else if ((layout != nullptr && layout->is_union && index > 0) ||
               !sub_object(shape, index, sub, sub_offset)) {
      return fail(item.position, "Too many initializers for this object.");
    }
    item_into(sub, offset + sub_offset, items, position);
  }
}

// `.name`: a member of the structure, or of one of its anonymous members (index is then that
// anonymous member's, and the designator is followed inside it by designate).
bool LAYOUT_WRITER::member_index(const STRUCT_LAYOUT& layout, const DESIGNATOR& designator,
                                 int32_t& index) {
  for (std::size_t k = 0; k < layout.members.size(); ++k) {
    const MEMBER& member = layout.members[k];
    const STRUCT_LAYOUT* anonymous = member.name == nullptr ? layout_of(member.type) : nullptr;
    if (member.name == designator.member ||
        (anonymous != nullptr && find_member(*anonymous, designator.member).member != nullptr)) {
      index = static_cast<int32_t>(k);
      return true;
    }
  }
  fail(designator.position,
       "No member " + *designator.member + " in " + layout.display_name() + ".");
  return false;
}

bool LAYOUT_WRITER::constant_index(const DESIGNATOR& designator, int32_t& index) {
  EXPRESSION* value = designator.index->simplify(program_);
  auto* constant = kind_cast<DECIMAL_CONSTANT>(value);
  if (constant == nullptr) {
    fail(designator.position, "Bad designator: the index must be a constant.");
    return false;
  }
  program_.leave_pool(*constant);
  index = constant->value;
  return true;
}

// The sub-object the designators name from designators[d] on; index is the place of the first
// one in shape, where the list goes on.
bool LAYOUT_WRITER::designate(const SHAPE& shape, const std::vector<DESIGNATOR>& designators,
                              std::size_t d, SHAPE& sub, int32_t& offset, int32_t& index) {
  const DESIGNATOR& designator = designators[d];
  const STRUCT_LAYOUT* layout = shape.dimensions.empty() ? layout_of(shape.type) : nullptr;
  const bool names_member = designator.member != nullptr;
  if (names_member != (layout != nullptr) || !shape.is_aggregate()) {
    fail(designator.position, names_member ? "Bad designator: this is no structure."
                                           : "Bad designator: this is no array.");
    return false;
  }
  if (names_member ? !member_index(*layout, designator, index) : !constant_index(designator, index))
    return false;
  SHAPE inner;
  int32_t inner_offset = 0;
  if (!sub_object(shape, index, inner, inner_offset)) {
    fail(designator.position, "Bad designator: the index is out of range.");
    return false;
  }
  const bool anonymous = names_member && layout->members[index].name != designator.member;
  const std::size_t next = anonymous ? d : d + 1;
  if (next == designators.size()) {
    sub = inner;
    offset = inner_offset;
    return true;
  }
  int32_t ignored = 0;
  if (!designate(inner, designators, next, sub, offset, ignored)) return false;
  offset += inner_offset;
  return true;
}

DECIMAL_CONSTANT* zero(C_PROGRAM& program, const POSITION& at) {
  return program.make<DECIMAL_CONSTANT>(at, at, 0);
}

}  // namespace

bool lay_out_initializer(INITIALIZER_LIST& list, C_PROGRAM& program,
                         std::vector<C_TYPE*>& word_types) {
  auto* array = kind_cast<ARRAY_TYPE>(list.declarator);
  const bool open = array != nullptr && array->size_expression == nullptr;
  if (open) array->element->check(program);
  if (!open) list.declarator->check(program);
  LAYOUT_WRITER writer(program);
  const SHAPE shape = shape_of(list.declarator);
  if (shape.words() == 0 && !open) return false;  // a size or a type already reported
  if (shape.is_aggregate())
    writer.braced(shape, 0, *list.braces);
  else
    writer.scalar_braced(shape, 0, *list.braces);
  if (writer.failed) return false;
  if (open) {
    array->size_expression =
        program.make<DECIMAL_CONSTANT>(list.open_brace, list.close_brace, writer.open_length);
    list.declarator->check(program);
    if (array->size == nullptr) return false;
  }
  const auto words = static_cast<std::size_t>(shape_of(list.declarator).words());
  writer.words.resize(words, nullptr);
  writer.types.resize(words, nullptr);
  for (EXPRESSION*& word : writer.words)
    if (word == nullptr) word = zero(program, list.close_brace);
  list.items = writer.words;
  word_types = writer.types;
  return true;
}
