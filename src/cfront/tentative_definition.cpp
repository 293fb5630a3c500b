// A later declaration with an initialiser takes the place of an earlier one without: the
// earlier becomes extern, and the uses already bound to it reach the definition through it.
#include "cfront/tentative_definition.h"

#include <string>

#include "base/error_handler.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/declarations.h"

namespace {

bool is_initialised(const DECLARATOR& declarator) {
  return declarator.kind() == DECLARATOR_KIND::initializer ||
         declarator.kind() == DECLARATOR_KIND::initializer_list;
}

// A static one links only within its file.
bool same_object(DECLARATOR& earlier, const DECLARATOR& later) {
  if (earlier.is_extern() || earlier.lookup(later.name()->text) == nullptr) return false;
  const bool is_static = earlier.storage_class == STORAGE_CLASS::static_storage ||
                         later.storage_class == STORAGE_CLASS::static_storage;
  return !is_static || earlier.position().source_file == later.position().source_file;
}

DECLARATOR* earlier_definition(const C_PROGRAM& program, const DECLARATOR& later) {
  const std::vector<DECLARATOR*>& earlier = program.file_level_declarations;
  for (auto candidate = earlier.rbegin(); candidate != earlier.rend(); ++candidate)
    if (*candidate != nullptr && *candidate != &later && same_object(**candidate, later))
      return *candidate;
  return nullptr;
}

void make_extern(DECLARATOR& declarator) {
  for (DECLARATOR* part = &declarator; part != nullptr; part = part->inner())
    part->storage_class = STORAGE_CLASS::external;
}

void report(C_PROGRAM& program, const DECLARATOR& earlier, const DECLARATOR& later,
            const std::string& message) {
  ERROR_HANDLER& error_handler = program.services.error_handler;
  error_handler.add_position(earlier.position());
  error_handler.add_position(later.position());
  error_handler.append(message);
  error_handler.error();
}

void merge(C_PROGRAM& program, DECLARATOR& earlier, DECLARATOR& later) {
  const std::string& name = *later.name()->text;
  if (is_initialised(earlier) && is_initialised(later))
    return report(program, earlier, later, "The object " + name + " is defined twice.");
  if (!same_type_when_known(earlier.type(), later.type()))
    return report(program, earlier, later, "The declarations of " + name + " differ in type.");
  make_extern(is_initialised(later) ? earlier : later);
}

}  // namespace

void merge_tentative_definitions(C_PARSER& parser, const std::vector<DECLARATOR*>& declarators) {
  C_PROGRAM& program = parser.program;
  const int errors_before = program.services.error_handler.error_count();
  for (DECLARATOR* later : declarators) {
    if (later == nullptr || later->is_extern() || later->name() == nullptr) continue;
    if (DECLARATOR* earlier = earlier_definition(program, *later)) merge(program, *earlier, *later);
  }
  parser.errors_tolerated += program.services.error_handler.error_count() - errors_before;
}
