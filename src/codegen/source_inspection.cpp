// The search goes through the file's functions (last defined first: body, parameters, name),
// then its file-level declarations, then its macros, each from the last to the first, and
// stops at the first construct that answers.
#include "codegen/source_inspection.h"

#include <algorithm>
#include <tuple>

#include "cfront/asm_statements.h"
#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/calls.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/macro.h"
#include "cfront/statements.h"
#include "cfront/unary.h"
#include "cfront/variables.h"
#include "codegen/codegen.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "isa/instructions.h"
#include "machine/machine.h"

namespace {

class INSPECTION {
 public:
  INSPECTION(const CODEGEN& g, POSITION query) : g_(g), query_(query) {}

  std::string search_file(const C_FILE& file) {
    for (auto f = file.functions.rbegin(); f != file.functions.rend() && done(); ++f) function(**f);
    for (auto d = file.declarations.rbegin(); d != file.declarations.rend() && done(); ++d)
      declaration(*d);
    for (auto m = file.macros.rbegin(); m != file.macros.rend() && done(); ++m) macro(**m);
    return text_;
  }

 private:
  bool done() const { return !found_; }

  // A construct starting at s and n + 1 characters long.
  bool hit(const POSITION& s, int n) const {
    return s.source_file == query_.source_file && s.line == query_.line &&
           query_.column >= s.column && query_.column <= s.column + n;
  }
  bool hit_range(const POSITION& first, const POSITION& last) const {
    auto key = [](const POSITION& p) { return std::tie(p.line, p.column); };
    return first.source_file == query_.source_file && key(first) <= key(query_) &&
           key(query_) <= key(last);
  }
  bool hit_name(const NAME* name) const {
    return name != nullptr && hit_range(name->position, name->last);
  }

  void answer(std::string text) { text_ = text.empty() ? " " : std::move(text); }

  // The debugger form of the value a declaration's medium holds, or the name.
  void named_value(const void* storage, const NAME& name) {
    auto found = g_.declared_media.find(storage);
    if (found == g_.declared_media.end() || !g_.media_valid)
      answer(*name.text);
    else
      answer(found->second->print_value(g_.machine));
  }

  void function(const C_FUNCTION& f) {
    statement(f.body);
    if (!done() || f.parameters == nullptr) return;
    const auto& parameters = f.parameters->parameters;
    for (auto p = parameters.rbegin(); p != parameters.rend() && done(); ++p)
      if (hit_name((*p)->name)) named_value(*p, *(*p)->name);
    if (done() && hit_name(f.name)) answer(*f.name->text);
  }

  void declaration(DECLARATOR* d) {
    if (d == nullptr) return;
    if (auto* initializer = dynamic_cast<INITIALIZER*>(d)) {
      declaration(initializer->declarator);
      if (done()) expression(initializer->expression);
      return;
    }
    if (auto* list = dynamic_cast<INITIALIZER_LIST*>(d)) {
      declaration(list->declarator);
      for (auto item = list->items.rbegin(); item != list->items.rend() && done(); ++item)
        expression(*item);
      return;
    }
    if (dynamic_cast<FUNCTION_PROTOTYPE*>(d) != nullptr) return;
    if (hit_name(d->name())) named_value(d->declared(), *d->name());
  }

  void macro(const DEFINE_MACRO& m) {
    if (hit_name(m.name)) {
      answer("\"" + m.text.value_or("") + "\"");
      return;
    }
    if (m.text && !m.text->empty() && hit(m.text_position, static_cast<int>(m.text->size()) - 1)) {
      answer(*m.text);
      return;
    }
    expression(m.value);
  }

  void block(const COMPOUND& b) {
    if (b.declarations != nullptr) {
      const auto& declarations = b.declarations->declarations;
      for (auto d = declarations.rbegin(); d != declarations.rend() && done(); ++d) declaration(*d);
    }
    for (auto s = b.statements.rbegin(); s != b.statements.rend() && done(); ++s) statement(*s);
  }

  void statement(const STATEMENT* s) {
    if (s == nullptr || !done()) return;
    if (auto* b = dynamic_cast<const COMPOUND*>(s)) return block(*b);
    if (auto* e = dynamic_cast<const EXPRESSION_STATEMENT*>(s)) return expression(e->expression);
    if (auto* i = dynamic_cast<const IF_ELSE*>(s))
      return parts(i->condition, {i->then_statement, i->else_statement});
    if (auto* w = dynamic_cast<const WHILE*>(s)) return parts(w->condition, {w->body});
    if (auto* d = dynamic_cast<const DO_WHILE*>(s)) return parts(d->condition, {d->body});
    if (auto* f = dynamic_cast<const FOR*>(s)) {
      expression(f->initial);
      expression(f->condition);
      expression(f->step);
      return statement(f->body);
    }
    if (auto* sw = dynamic_cast<const SWITCH*>(s)) return switch_statement(*sw);
    if (auto* r = dynamic_cast<const RETURN_EXPRESSION*>(s)) return return_value(*r);
    if (auto* r = dynamic_cast<const RETURN_WITHOUT_EXPRESSION*>(s)) {
      if (hit(r->position, 5)) answer("return");
      return;
    }
    if (auto* a = dynamic_cast<const ASM_CALL*>(s)) return asm_instruction(*a);
    if (auto* m = dynamic_cast<const ASM_MACRO*>(s)) return asm_macro(*m);
  }

  void parts(EXPRESSION* condition, std::initializer_list<const STATEMENT*> statements) {
    expression(condition);
    for (const STATEMENT* s : statements) statement(s);
  }

  void switch_statement(const SWITCH& s) {
    expression(s.expression);
    for (const CASE* c : s.cases) {
      if (!done()) return;
      expression(c->expression);
      statement(c->statement);
    }
    if (s.default_clause != nullptr) statement(s.default_clause->statement);
  }

  // On the word: the function's result in the debugger form; main has none.
  void return_value(const RETURN_EXPRESSION& r) {
    if (hit(r.position, 5)) {
      const C_FUNCTION* owner = r.block != nullptr ? r.block->owning_function() : nullptr;
      auto found = g_.functions.find(owner);
      const bool has_result = g_.media_valid && found != g_.functions.end() &&
                              found->second.result != nullptr && owner != g_.program.main;
      answer(has_result ? found->second.result->print_value(g_.machine) : "return");
      return;
    }
    expression(r.expression);
  }

  // The instruction went to the ROM with the build: it is found there by its position, the
  // last one holding it (the pipeline's padding NOPs before it take its position too).
  const ASM* generated_at(const POSITION& position, bool (*wanted)(const ASM&)) const {
    const ROM& rom = g_.machine.rom;
    const ASM* found = nullptr;
    for (int32_t a = 0; a < rom.size(); ++a) {
      const ASM* object = rom.fetch(a);
      if (object != nullptr && object->wrapped() != nullptr) object = object->wrapped();
      if (object != nullptr && object->position() == position && wanted(*object)) found = object;
    }
    return found;
  }

  void asm_instruction(const ASM_CALL& a) {
    if (!hit(a.position, 3)) return;
    const ASM* instruction = a.instruction != nullptr
                                 ? a.instruction.get()
                                 : generated_at(a.position, [](const ASM&) { return true; });
    std::string text;
    if (instruction != nullptr) instruction->append_text(text, g_.machine);
    answer(text);
  }

  void asm_macro(const ASM_MACRO& m) {
    for (auto r = m.registers.rbegin(); r != m.registers.rend() && done(); ++r) expression(*r);
    for (auto i = m.inputs.rbegin(); i != m.inputs.rend() && done(); ++i) expression(*i);
    statement(m.body);
    for (auto o = m.outputs.rbegin(); o != m.outputs.rend() && done(); ++o) expression(*o);
  }

  void named_register(const REGISTER_FROM_C& r) {
    const bool found = r.relative ? hit_range(r.position, r.second_position)
                                  : hit(r.position, r.number < 10 ? 1 : 2);
    if (!found) return;
    if (r.machine_register == nullptr) {
      answer("R" + std::to_string(r.number));
      return;
    }
    const int32_t value = g_.machine.registers.at(r.machine_register->number).value;
    if (r.relative)
      answer(std::to_string(value) + " (in R" + std::to_string(r.machine_register->number) + ")");
    else
      answer(std::to_string(value));
  }

  void constant(const DECIMAL_CONSTANT& c) {
    if (!hit_range(c.first, c.last)) return;
    const STORAGE_MEDIUM* m = g_.media_valid ? g_.pool.medium_given(&c) : nullptr;
    answer(m != nullptr ? m->print_value(g_.machine) : std::to_string(c.value));
  }

  void call(const FUNCTION_CALL& c) {
    if (hit_name(c.callee)) {
      const ASM* rcall =
          g_.media_valid
              ? generated_at(c.callee->position,
                             [](const ASM& a) { return dynamic_cast<const RCALL*>(&a) != nullptr; })
              : nullptr;
      std::string text;
      if (rcall != nullptr) rcall->append_text(text, g_.machine);
      answer(rcall != nullptr ? text : *c.callee->text);
      return;
    }
    for (auto a = c.arguments.rbegin(); a != c.arguments.rend() && done(); ++a) expression(*a);
  }

  // The value at the address a pointer or an array's address holds, or nullptr.
  bool base_address(EXPRESSION* base, int32_t& address) const {
    if (auto* c = dynamic_cast<DECIMAL_CONSTANT*>(base)) {
      address = c->value;
      return true;
    }
    const STORAGE_MEDIUM* m = nullptr;
    if (auto* v = dynamic_cast<VARIABLE*>(base)) m = medium_of(v->declarator->declared());
    if (auto* a = dynamic_cast<ARGUMENT*>(base)) m = medium_of(a->declaration);
    if (auto* r = dynamic_cast<const REGISTER_SM*>(m)) {
      address = g_.machine.registers.unsigned_value(g_.machine.registers.at(r->r.number));
      return true;
    }
    if (auto* w = dynamic_cast<const RAM_SM*>(m)) {
      address = g_.machine.registers.to_unsigned(g_.machine.ram.word(w->address));
      return true;
    }
    return false;
  }

  const STORAGE_MEDIUM* medium_of(const void* storage) const {
    auto found = g_.declared_media.find(storage);
    return found == g_.declared_media.end() || !g_.media_valid ? nullptr : found->second;
  }

  void indexing(const POINTER_USAGE& u) {
    auto* k = dynamic_cast<DECIMAL_CONSTANT*>(u.index);
    int32_t address = 0;
    if (k != nullptr && g_.media_valid && on(u.base) && base_address(u.base, address)) {
      answer(RAM_SM(address + k->value, 1).print_value(g_.machine));
      return;
    }
    expression(u.base);
    expression(u.index);
  }

  // Whether the query falls on the expression's own text (a name or a folded address).
  bool on(EXPRESSION* e) const {
    if (auto* c = dynamic_cast<DECIMAL_CONSTANT*>(e)) return hit_range(c->first, c->last);
    return hit_range(e->position_of(), e->end_position());
  }

  void expression(EXPRESSION* e) {
    if (e == nullptr || !done()) return;
    if (auto* c = dynamic_cast<DECIMAL_CONSTANT*>(e)) return constant(*c);
    if (auto* v = dynamic_cast<VARIABLE*>(e)) {
      if (hit_name(v->use)) named_value(v->declarator->declared(), *v->use);
      return;
    }
    if (auto* a = dynamic_cast<ARGUMENT*>(e)) {
      if (hit_name(a->use)) named_value(a->declaration, *a->use);
      return;
    }
    if (auto* n = dynamic_cast<NAME*>(e)) {
      if (hit_name(n)) answer(*n->text);
      return;
    }
    if (auto* r = dynamic_cast<REGISTER_FROM_C*>(e)) return named_register(*r);
    if (auto* c = dynamic_cast<FUNCTION_CALL*>(e)) return call(*c);
    if (auto* u = dynamic_cast<POINTER_USAGE*>(e)) return indexing(*u);
    if (auto* a = dynamic_cast<ASSIGNMENT*>(e)) {
      expression(a->source);
      return expression(a->target);
    }
    if (auto* b = dynamic_cast<BINARY*>(e)) {
      expression(b->left);
      return expression(b->right);
    }
    if (auto* u = dynamic_cast<UNARY*>(e)) return expression(u->operand);
  }

  const CODEGEN& g_;
  POSITION query_;
  std::string text_;
  bool found_ = false;
};

}  // namespace

std::string about_text(const CODEGEN& g, const SRC_FILE& file, int line, int column) {
  auto* source_file = const_cast<SRC_FILE*>(&file);
  INSPECTION inspection(g, POSITION{source_file, line, column});
  return inspection.search_file(g.program.file(source_file));
}
