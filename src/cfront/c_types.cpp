// Conformance: whether a value of one C type may be stored where another is expected. The
// char and int sources follow one table; a pointer conforms to a pointer whose pointed-to type
// accepts its own; a structure only to its own layout. A refusal leaves its reason pending in the
// error handler for the caller. Also whether two declarations give one thing the same type.
#include "cfront/c_types.h"

#include "base/error_handler.h"
#include "base/kind_cast.h"
#include "cfront/c_stops.h"
#include "cfront/function_pointer.h"
#include "cfront/struct_type.h"

namespace {

// What a char or int source gives into a char target below a pointer and into a target that is
// no int type (nullptr: accepted). Every one of them goes into an int target.
struct SCALAR_RULE {
  const char* into_char;
  const char* into_other;
};

constexpr SCALAR_RULE char_rule{nullptr, "Is not a C char type."};
constexpr SCALAR_RULE unsigned_char_rule{nullptr, "Incompatible with unsigned char."};
constexpr SCALAR_RULE int_rule{"int does not fit into char.", "Incompatible with int C type."};
constexpr SCALAR_RULE unsigned_int_rule{"unsigned int does not fit into char.",
                                        "Incompatible with int C type."};

// A void source stops before, a pointer source has its own rule.
const SCALAR_RULE& scalar_rule(const C_TYPE& source) {
  switch (source.kind()) {
    case TYPE_KIND::char_type:
      return char_rule;
    case TYPE_KIND::unsigned_char_type:
      return unsigned_char_rule;
    case TYPE_KIND::int_type:
      return int_rule;
    case TYPE_KIND::unsigned_int_type:
      return unsigned_int_rule;
    case TYPE_KIND::void_type:
    case TYPE_KIND::pointer_type:
    case TYPE_KIND::function_type:
    case TYPE_KIND::struct_type:
      break;
  }
  stop_compiler("a conformance rule for " + source.display_name(), source.position());
}

const char* refusal(const C_TYPE& source, const C_TYPE& target, bool pointed_to);

// Pointed-to types compare by the same rule, except that an int is no char there. A void *
// takes and gives any object pointer; functions match functions of the same type only.
bool pointed_to_types_conform(const C_TYPE& source, const C_TYPE& target) {
  const auto* source_function = kind_cast<FUNCTION_TYPE>(&source);
  const auto* target_function = kind_cast<FUNCTION_TYPE>(&target);
  if (source_function != nullptr || target_function != nullptr)
    return source_function != nullptr && target_function != nullptr &&
           same_function_type(*source_function, *target_function);
  if (source.is_void() || target.is_void()) return true;
  return refusal(source, target, true) == nullptr;
}

// The reason source is refused where target is expected, or nullptr. The char target is
// tested first: the int types include the char types. A value stored into a char takes the
// word as it is, as C converts an int to a char (a char holds N bits).
const char* refusal(const C_TYPE& source, const C_TYPE& target, bool pointed_to) {
  if (const auto* pointer = kind_cast<POINTER_TYPE>(&source)) {
    const auto* target_pointer = kind_cast<POINTER_TYPE>(&target);
    const bool matches =
        target_pointer != nullptr &&
        pointed_to_types_conform(*pointer->pointed_to, *target_pointer->pointed_to);
    if (matches) return nullptr;
    const bool functions = pointed_function(&source) != nullptr ||
                           (target_pointer != nullptr && pointed_function(&target) != nullptr);
    return functions ? "Function pointer type does not match." : "Pointer type does not match.";
  }
  if (const STRUCT_LAYOUT* layout = layout_of(&source))
    return layout_of(&target) == layout ? nullptr : "Structure types do not match.";
  const SCALAR_RULE& rule = scalar_rule(source);
  if (target.is_char()) return pointed_to ? rule.into_char : nullptr;
  if (target.is_int()) return nullptr;
  return rule.into_other;
}

}  // namespace

bool conforms_to(const C_TYPE& source, const C_TYPE& target, ERROR_HANDLER& error_handler) {
  if (source.is_void()) stop_compiler("a void value used as a value", source.position());
  const char* reason = refusal(source, target, false);
  if (reason == nullptr) return true;
  error_handler.add_position(source.position());
  error_handler.add_position(target.position());
  error_handler.append(reason);
  return false;
}

bool same_type_when_known(const C_TYPE* first, const C_TYPE* second) {
  return first == nullptr || second == nullptr || same_type(*first, *second);
}

bool same_type(const C_TYPE& first, const C_TYPE& second) {
  if (first.kind() != second.kind()) return false;
  if (const auto* function = kind_cast<FUNCTION_TYPE>(&first))
    return same_function_type(*function, static_cast<const FUNCTION_TYPE&>(second));
  if (layout_of(&first) != layout_of(&second)) return false;
  const auto* pointer = kind_cast<POINTER_TYPE>(&first);
  if (pointer == nullptr) return true;
  const C_TYPE& pointed_to = *pointer->pointed_to;
  const C_TYPE& other = *static_cast<const POINTER_TYPE&>(second).pointed_to;
  return pointed_to.is_const == other.is_const && same_type(pointed_to, other);
}
