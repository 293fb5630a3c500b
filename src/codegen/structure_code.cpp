// Structure copies: both sides' locations are worked out once (a RAM block, or an element
// whose address is known at run time), then each word goes through one temporary.
#include "codegen/structure_code.h"

#include "base/kind_cast.h"
#include "cfront/assignments.h"
#include "cfront/compound_literal.h"
#include "cfront/declarations.h"
#include "cfront/struct_type.h"
#include "codegen/codegen.h"
#include "codegen/expression_code.h"
#include "codegen/media/pointer_sm.h"
#include "codegen/media/ram_sm.h"
#include "codegen/storage_allocation.h"

namespace {

// Word k of an object that starts at the location.
STORAGE_MEDIUM& word_of(CODEGEN& g, STORAGE_MEDIUM& object, int32_t k) {
  if (auto* ram = kind_cast<RAM_SM>(&object)) return g.make<RAM_SM>(ram->address + k, 1);
  if (auto* element = kind_cast<POINTER_SM>(&object))
    return g.make<POINTER_SM>(g.make<RAM_SM>(element->base.address + k, 1), element->index);
  g.internal_error("a structure outside RAM");
}

// The location of a structure value; `a = b = c` gives a's.
STORAGE_MEDIUM& structure_location(CODEGEN& g, EXPRESSION* e) {
  e = resolved(e);
  if (auto* assignment = kind_cast<SIMPLE_ASSIGNMENT>(e))
    return structure_assignment(g, *assignment);
  return location(g, e);
}

void copy_words(CODEGEN& g, STORAGE_MEDIUM& target, STORAGE_MEDIUM& source, int32_t words) {
  STORAGE_MEDIUM& t = g.sm.take_temporary_medium();
  for (int32_t k = 0; k < words; ++k) {
    t.assign(g, word_of(g, source, k));
    word_of(g, target, k).assign(g, t);
  }
  t.release(g);
}

}  // namespace

bool is_structure(CODEGEN& g, EXPRESSION* e) {
  return layout_of(resolved(e)->type_of(g.program)) != nullptr;
}

STORAGE_MEDIUM& structure_assignment(CODEGEN& g, ASSIGNMENT& node) {
  STORAGE_MEDIUM& source = structure_location(g, node.source);
  STORAGE_MEDIUM& target = location(g, node.target);
  copy_words(g, target, source, words_of_type(node.target->type_of(g.program)));
  source.release(g);
  return target;
}

void copy_structure_into(CODEGEN& g, STORAGE_MEDIUM& target, EXPRESSION* source) {
  STORAGE_MEDIUM& from = structure_location(g, source);
  copy_words(g, target, from, words_of_type(resolved(source)->type_of(g.program)));
  from.release(g);
}

STORAGE_MEDIUM& literal_medium(CODEGEN& g, COMPOUND_LITERAL& literal) {
  initialise_words(g, *literal.list);
  return variable_medium(g, literal.list->declared());
}

void initialise_words(CODEGEN& g, INITIALIZER_LIST& list) {
  auto& object = static_cast<RAM_SM&>(variable_medium(g, list.declared()));
  for (std::size_t k = 0; k < list.items.size(); ++k) {
    STORAGE_MEDIUM& v = medium(g, list.items[k]);
    g.make<RAM_SM>(object.address + static_cast<int32_t>(k), 1).assign(g, v);
    v.release(g);
  }
}
