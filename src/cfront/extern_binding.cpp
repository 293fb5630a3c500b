// An extern declaration names an object defined at file level somewhere in the program: the
// first use binds it to the definition read last under its name, which then gives the storage
// and enters the used declarations. Its type must be the definition's.
#include <string>
#include <vector>

#include "base/error_handler.h"
#include "cfront/c_program.h"
#include "cfront/c_types.h"
#include "cfront/declarations.h"

namespace {

// The definition read last under the name, or nullptr.
DECLARATOR* find_definition(const C_PROGRAM& program, const DECLARATOR& declaration) {
  const NAME* name = declaration.name();
  if (name == nullptr) return nullptr;
  const std::vector<DECLARATOR*>& candidates = program.file_level_declarations;
  for (auto candidate = candidates.rbegin(); candidate != candidates.rend(); ++candidate)
    if (*candidate != nullptr && !(*candidate)->is_extern() &&
        (*candidate)->lookup(name->text) != nullptr)
      return *candidate;
  return nullptr;
}

void report(C_PROGRAM& program, const DECLARATOR& declaration, const DECLARATOR* definition,
            const std::string& message) {
  ERROR_HANDLER& error_handler = program.services.error_handler;
  error_handler.add_position(declaration.position());
  if (definition != nullptr) error_handler.add_position(definition->position());
  error_handler.append(message);
  error_handler.error();
}

}  // namespace

DECLARATOR& bind_extern(DECLARATOR& declaration, C_PROGRAM& program) {
  if (!declaration.is_extern()) return declaration;
  if (!declaration.definition_searched) {
    declaration.definition_searched = true;
    DECLARATOR* definition = find_definition(program, declaration);
    const std::string& name = *declaration.name()->text;
    if (definition == nullptr)
      report(program, declaration, nullptr, "The extern object " + name + " is defined nowhere.");
    else if (!same_type_when_known(declaration.type(), definition->type()))
      report(program, declaration, definition,
             "The extern declaration of " + name + " and its definition differ in type.");
    else
      declaration.definition = definition;
  }
  if (declaration.definition == nullptr) return declaration;
  program.use_declaration(*declaration.definition);
  return *declaration.definition;
}
