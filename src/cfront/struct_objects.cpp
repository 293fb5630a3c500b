// Structure objects: a block of RAM words handed out when live code first reaches the
// declaration, as an array's is, so that every member is a word at a known address. Parameters
// and results keep one word each, so a structure passes and returns by its address.
#include "base/error_handler.h"
#include "cfront/c_parser.h"
#include "cfront/c_program.h"
#include "cfront/declarations.h"
#include "cfront/struct_type.h"
#include "machine/machine.h"

namespace {

constexpr int32_t reported = -2;  // ram_start of an object whose type was reported incomplete

}  // namespace

void report_going_on(C_PARSER& parser, const POSITION& position, const std::string& message) {
  parser.report(position, message);
  parser.errors_tolerated = parser.program.services.error_handler.error_count();
}

void report_incomplete(C_PROGRAM& program, const DECLARATOR& object) {
  const C_TYPE* type = object.type();
  const std::string what = type == nullptr ? std::string("this object") : type->display_name();
  program.services.error_handler.error_at(object.position(),
                                          "An object of an incomplete type: " + what + ".");
}

void TYPE_AND_NAME::check(C_PROGRAM& program) {
  const STRUCT_LAYOUT* layout = layout_of(type_);
  if (layout == nullptr || ram_start != -1) return;
  if (!layout->complete) {
    ram_start = reported;
    return report_incomplete(program, *this);
  }
  ram_start = program.services.machine.ram.allocate(layout->words);
}

// A parameter and a result are one word each, held in a register: a structure is passed and
// returned by its address instead.
void refuse_structure_by_value(C_PARSER& parser, const FUNCTION_PROTOTYPE& prototype) {
  if (layout_of(prototype.return_type) != nullptr)
    report_going_on(parser, prototype.position(),
                    "A structure returned by value: return a pointer to it instead.");
  for (const ARGUMENT_DECLARATION* parameter : prototype.parameters->parameters)
    if (layout_of(parameter->type) != nullptr)
      report_going_on(
          parser,
          parameter->name != nullptr ? parameter->name->position : parameter->type->position(),
          "A structure passed by value: pass a pointer to it instead.");
}
