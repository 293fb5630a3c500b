// The search goes through the file's functions (last defined first: body, parameters, name),
// then its file-level declarations, then its macros, each from the last to the first, and
// stops at the first construct that answers.
#include "codegen/source_inspection.h"

#include <algorithm>
#include <tuple>

#include "base/kind_cast.h"
#include "cfront/asm_statements.h"
#include "cfront/assignments.h"
#include "cfront/binary.h"
#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/calls.h"
#include "cfront/conditional.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/macro.h"
#include "cfront/member_access.h"
#include "cfront/statements.h"
#include "cfront/unary.h"
#include "cfront/variables.h"
#include "codegen/codegen.h"
#include "codegen/media/ram_sm.h"
#include "codegen/media/register_sm.h"
#include "isa/instructions.h"
#include "isa/opcode_table.h"
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
    switch (d->kind()) {
      case DECLARATOR_KIND::initializer:
        return initializer(static_cast<INITIALIZER&>(*d));
      case DECLARATOR_KIND::initializer_list:
        return initializer_list(static_cast<INITIALIZER_LIST&>(*d));
      case DECLARATOR_KIND::function_prototype:
        return;
      case DECLARATOR_KIND::type_and_name:
      case DECLARATOR_KIND::array_type:
        if (hit_name(d->name())) named_value(d->declared(), *d->name());
        return;
    }
  }

  void initializer(const INITIALIZER& i) {
    declaration(i.declarator);
    if (done()) expression(i.expression);
  }

  void initializer_list(const INITIALIZER_LIST& l) {
    declaration(l.declarator);
    for (auto item = l.items.rbegin(); item != l.items.rend() && done(); ++item) expression(*item);
  }

  void macro(const DEFINE_MACRO& m) {
    if (m.is_enumerator()) return expression(m.value);
    if (hit_name(m.name)) {
      answer("\"" + m.text + "\"");
      return;
    }
    if (!m.text.empty() && hit(m.text_position, static_cast<int>(m.text.size()) - 1))
      answer(m.text);
  }

  void block(const COMPOUND& b) {
    if (b.declarations != nullptr) {
      const auto& declarations = b.declarations->declarations;
      for (auto d = declarations.rbegin(); d != declarations.rend() && done(); ++d) declaration(*d);
    }
    for (auto s = b.statements.rbegin(); s != b.statements.rend() && done(); ++s) statement(*s);
  }

  // Labels and gotos hold nothing to inspect; the statements of case and default are searched
  // with their switch.
  void statement(const STATEMENT* s) {
    if (s == nullptr || !done()) return;
    switch (s->kind()) {
      case STATEMENT_KIND::compound:
        return block(static_cast<const COMPOUND&>(*s));
      case STATEMENT_KIND::expression_statement:
        return expression(static_cast<const EXPRESSION_STATEMENT&>(*s).expression);
      case STATEMENT_KIND::if_else: {
        const auto& i = static_cast<const IF_ELSE&>(*s);
        return parts(i.condition, {i.then_statement, i.else_statement});
      }
      case STATEMENT_KIND::while_loop: {
        const auto& w = static_cast<const WHILE&>(*s);
        return parts(w.condition, {w.body});
      }
      case STATEMENT_KIND::do_while: {
        const auto& d = static_cast<const DO_WHILE&>(*s);
        return parts(d.condition, {d.body});
      }
      case STATEMENT_KIND::for_loop:
        return for_statement(static_cast<const FOR&>(*s));
      case STATEMENT_KIND::switch_statement:
        return switch_statement(static_cast<const SWITCH&>(*s));
      case STATEMENT_KIND::return_expression:
        return return_value(static_cast<const RETURN_EXPRESSION&>(*s));
      case STATEMENT_KIND::return_without_expression:
        if (hit(static_cast<const RETURN_WITHOUT_EXPRESSION&>(*s).position, 5)) answer("return");
        return;
      case STATEMENT_KIND::asm_call:
        return asm_instruction(static_cast<const ASM_CALL&>(*s));
      case STATEMENT_KIND::asm_macro:
        return asm_macro(static_cast<const ASM_MACRO&>(*s));
      case STATEMENT_KIND::case_clause:
      case STATEMENT_KIND::default_clause:
      case STATEMENT_KIND::label:
      case STATEMENT_KIND::goto_statement:
      case STATEMENT_KIND::break_statement:
      case STATEMENT_KIND::continue_statement:
      case STATEMENT_KIND::declaration:  // its declarators are searched with the block's
        return;
    }
  }

  void for_statement(const FOR& f) {
    expression(f.initial);
    expression(f.condition);
    expression(f.step);
    statement(f.body);
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

  // Told by its instruction number: RCALL, or ICALL where the call was lengthened past its reach.
  static bool is_call(const ASM& a) {
    return a.instruction_number() == row_of(OPCODE::RCALL).number ||
           a.instruction_number() == row_of(OPCODE::ICALL).number;
  }

  void call(const FUNCTION_CALL& c) {
    if (hit_name(c.callee)) {
      const ASM* call = g_.media_valid ? generated_at(c.callee->position, is_call) : nullptr;
      std::string text;
      if (call != nullptr) call->append_text(text, g_.machine);
      answer(call != nullptr ? text : *c.callee->text);
      return;
    }
    for (auto a = c.arguments.rbegin(); a != c.arguments.rend() && done(); ++a) expression(*a);
  }

  // The address a pointer holds or an array's address is, when the base is one of those.
  bool base_address(EXPRESSION* base, int32_t& address) const {
    if (auto* c = kind_cast<DECIMAL_CONSTANT>(base)) {
      address = c->value;
      return true;
    }
    const STORAGE_MEDIUM* m = medium_of(storage_named_by(base));
    if (auto* r = kind_cast<REGISTER_SM>(m)) {
      address = g_.machine.registers.unsigned_value(g_.machine.registers.at(r->r.number));
      return true;
    }
    if (auto* w = kind_cast<RAM_SM>(m)) {
      address = g_.machine.registers.to_unsigned(g_.machine.ram.word(w->address));
      return true;
    }
    return false;
  }

  // The declaration whose medium a variable or a parameter reads, or nullptr.
  static const void* storage_named_by(EXPRESSION* e) {
    switch (e->kind()) {
      case EXPRESSION_KIND::local_variable:
      case EXPRESSION_KIND::global_variable:
        return static_cast<VARIABLE*>(e)->declarator->declared();
      case EXPRESSION_KIND::argument:
        return static_cast<ARGUMENT*>(e)->declaration;
      default:  // only variables and parameters name a storage
        return nullptr;
    }
  }

  const STORAGE_MEDIUM* medium_of(const void* storage) const {
    if (storage == nullptr) return nullptr;
    auto found = g_.declared_media.find(storage);
    return found == g_.declared_media.end() || !g_.media_valid ? nullptr : found->second;
  }

  // A member answers as an element with a constant index does, on its name too; without
  // media, by its name.
  void indexing(const POINTER_USAGE& u) {
    auto* k = kind_cast<DECIMAL_CONSTANT>(u.index);
    const auto* member = dynamic_cast<const MEMBER_ACCESS*>(&u);
    const bool on_member =
        member != nullptr && hit_range(member->member_position, u.end_position());
    int32_t address = 0;
    if (k != nullptr && g_.media_valid && (on(u.base) || on_member) &&
        base_address(u.base, address)) {
      answer(RAM_SM(address + k->value, 1).print_value(g_.machine));
      return;
    }
    if (on_member) return answer(*member->member_name);
    expression(u.base);
    expression(u.index);
  }

  // Whether the query falls on the expression's own text (a name or a folded address).
  bool on(EXPRESSION* e) const {
    if (auto* c = kind_cast<DECIMAL_CONSTANT>(e)) return hit_range(c->first, c->last);
    return hit_range(e->position_of(), e->end_position());
  }

  void expression(EXPRESSION* e) {
    if (e == nullptr || !done()) return;
    switch (shape_of(e->kind())) {
      case EXPRESSION_SHAPE::leaf:
        return leaf(e);
      case EXPRESSION_SHAPE::call:
        return call(static_cast<const FUNCTION_CALL&>(*e));
      case EXPRESSION_SHAPE::indexing:
        return indexing(static_cast<const POINTER_USAGE&>(*e));
      case EXPRESSION_SHAPE::assignment:
        return sides(static_cast<ASSIGNMENT&>(*e).source, static_cast<ASSIGNMENT&>(*e).target);
      case EXPRESSION_SHAPE::binary:
        return sides(static_cast<BINARY&>(*e).left, static_cast<BINARY&>(*e).right);
      case EXPRESSION_SHAPE::unary:
        return expression(static_cast<UNARY&>(*e).operand);
      case EXPRESSION_SHAPE::conditional: {
        auto& conditional = static_cast<CONDITIONAL&>(*e);
        expression(conditional.condition);
        return sides(conditional.if_true, conditional.if_false);
      }
    }
  }

  void leaf(EXPRESSION* e) {
    switch (e->kind()) {
      case EXPRESSION_KIND::decimal_constant:
        return constant(static_cast<const DECIMAL_CONSTANT&>(*e));
      case EXPRESSION_KIND::local_variable:
      case EXPRESSION_KIND::global_variable:
        return variable(static_cast<const VARIABLE&>(*e));
      case EXPRESSION_KIND::argument:
        return argument(static_cast<const ARGUMENT&>(*e));
      case EXPRESSION_KIND::name:
        return name_use(static_cast<const NAME&>(*e));
      case EXPRESSION_KIND::register_from_c:
        return named_register(static_cast<const REGISTER_FROM_C&>(*e));
      default:  // shape_of keeps the other kinds away
        return;
    }
  }

  void sides(EXPRESSION* first, EXPRESSION* second) {
    expression(first);
    expression(second);
  }

  void variable(const VARIABLE& v) {
    if (hit_name(v.use)) named_value(v.declarator->declared(), *v.use);
  }

  void argument(const ARGUMENT& a) {
    if (hit_name(a.use)) named_value(a.declaration, *a.use);
  }

  void name_use(const NAME& n) {
    if (hit_name(&n)) answer(*n.text);
  }

  const CODEGEN& g_;
  POSITION query_;
  std::string text_;
  bool found_ = false;
};

}  // namespace

std::string about_text(const CODEGEN& g, const SRC_FILE& file, int line, int column) {
  auto* source_file = const_cast<SRC_FILE*>(&file);
  INSPECTION inspection(g, POSITION::make(source_file, line, column));
  return inspection.search_file(g.program.file(source_file));
}
