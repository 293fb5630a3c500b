// The random program's three faces: its C text, its evaluation in N bits, and its generator.
#include "codegen/random_program.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <utility>

namespace random_program {
namespace {

bool is_binary_arithmetic(OP op) {
  return op == OP::PLUS || op == OP::MINUS || op == OP::AND || op == OP::OR || op == OP::XOR ||
         op == OP::MULTIPLY || op == OP::DIVIDE || op == OP::MODULO;
}
bool is_relational(OP op) {
  return op == OP::EQ || op == OP::NE || op == OP::LT || op == OP::LE || op == OP::GT ||
         op == OP::GE;
}
bool is_logical(OP op) {
  return op == OP::LOGICAL_AND || op == OP::LOGICAL_OR;
}
bool is_shift(OP op) {
  return op == OP::SHIFT_LEFT || op == OP::SHIFT_RIGHT;
}

// The range the front end accepts for a constant: char, unsigned char, int, unsigned int.
bool constant_in_range(int64_t v, int n) {
  const int64_t low = std::min<int64_t>(-128, -(int64_t{1} << (n - 1)));
  const int64_t high = std::max<int64_t>(255, (int64_t{1} << n) - 1);
  return low <= v && v <= high;
}

VALUE_TYPE constant_type(int32_t v, int n) {
  if (-128 <= v && v <= 127) return VALUE_TYPE::CHAR;
  if (128 <= v && v <= 255) return VALUE_TYPE::UNSIGNED_CHAR;
  if (-(int64_t{1} << (n - 1)) <= v && v < (int64_t{1} << (n - 1))) return VALUE_TYPE::INT;
  return VALUE_TYPE::UNSIGNED_INT;
}

bool has_call(const EXPR& e) {
  if (e.op == OP::CALL) return true;
  for (const EXPR& o : e.operands)
    if (has_call(o)) return true;
  return false;
}

// Whether the compiled operand is still intact after a call evaluated later in the same
// expression: constants, variables and call results live in places of their own (read when
// used); every operator's value lives in a shared temporary.
bool survives_calls(const EXPR& e) {
  if (folded(e)) return true;
  switch (e.op) {
    case OP::VARIABLE:
    case OP::CALL:
      return true;
    case OP::ELEMENT:
      return survives_calls(e.operands[0]);
    default:
      return false;
  }
}

}  // namespace

std::optional<int32_t> folded(const EXPR& e) {
  if (e.op == OP::CONSTANT) return e.value;
  if (e.op == OP::NEGATE) {
    const auto v = folded(e.operands[0]);
    if (!v) return std::nullopt;
    return static_cast<int32_t>(-static_cast<int64_t>(*v));
  }
  if (e.op == OP::CONDITIONAL) {  // the front end folds a constant test and its branch
    const auto test = folded(e.operands[0]);
    if (!test) return std::nullopt;
    return folded(e.operands[*test != 0 ? 1 : 2]);
  }
  if (!is_binary_arithmetic(e.op) && !is_logical(e.op)) return std::nullopt;
  const auto l = folded(e.operands[0]);
  const auto r = folded(e.operands[1]);
  if (!l || !r) return std::nullopt;
  const int64_t a = *l, b = *r;
  switch (e.op) {
    case OP::PLUS:
      return static_cast<int32_t>(a + b);
    case OP::MINUS:
      return static_cast<int32_t>(a - b);
    case OP::AND:
      return static_cast<int32_t>(a & b);
    case OP::OR:
      return static_cast<int32_t>(a | b);
    case OP::XOR:
      return static_cast<int32_t>(a ^ b);
    case OP::MULTIPLY:
      return static_cast<int32_t>(a * b);
    case OP::DIVIDE:  // the generator never folds a division by 0
      return b == 0 ? 0 : static_cast<int32_t>(a / b);
    case OP::MODULO:
      return b == 0 ? 0 : static_cast<int32_t>(a % b);
    case OP::LOGICAL_AND:
      return (a != 0 && b != 0) ? 1 : 0;
    default:
      return (a != 0 || b != 0) ? 1 : 0;
  }
}

VALUE_TYPE PROGRAM::type_of(const EXPR& e) const {
  if (const auto v = folded(e)) return constant_type(*v, data_size);
  auto of_kind = [](KIND k) {
    return k == KIND::UNSIGNED ? VALUE_TYPE::UNSIGNED_INT
                               : (k == KIND::POINTER ? VALUE_TYPE::POINTER : VALUE_TYPE::INT);
  };
  switch (e.op) {
    case OP::VARIABLE: {
      const VARIABLE& v = variables[e.variable];
      return v.size > 0 ? VALUE_TYPE::POINTER : of_kind(v.kind);
    }
    case OP::ELEMENT: {
      const VARIABLE& v = variables[e.variable];
      return v.kind == KIND::POINTER ? VALUE_TYPE::INT : of_kind(v.kind);
    }
    case OP::DEREFERENCE:
      return VALUE_TYPE::INT;
    case OP::ADDRESS_OF:
      return of_kind(variables[e.variable].kind);
    case OP::CALL:
      return of_kind(functions[e.function].return_kind);
    case OP::NEGATE:
    case OP::POST_INCREMENT:
    case OP::POST_DECREMENT:
      return type_of(e.operands[0]);
    case OP::CONDITIONAL:
      return type_of(e.operands[1]);
    case OP::COMMA:
      return type_of(e.operands[1]);
    case OP::CAST:
      return static_cast<VALUE_TYPE>(e.value);
    default:
      if (is_relational(e.op)) return VALUE_TYPE::INT;
      return type_of(e.operands[0]);  // binary operators take their left operand's type
  }
}

// ---------------------------------------------------------------------------------------------
// C text

namespace {

class PRINTER {
 public:
  explicit PRINTER(const PROGRAM& program) : p_(program) {}

  std::string program() {
    for (const std::string& text : declarations(p_.globals)) text_ += text + "\n";
    for (const FUNCTION& f : p_.functions) function(f);
    return text_;
  }

 private:
  static std::string constant(int32_t v) {
    // A C compiler with a 32-bit int reads 2147483648 as a long.
    if (v == INT32_MIN) return "(-2147483647 - 1)";
    return v < 0 ? "(-" + std::to_string(-static_cast<int64_t>(v)) + ")" : std::to_string(v);
  }
  std::string type_name(KIND k) const { return k == KIND::UNSIGNED ? "unsigned int" : "int"; }
  // Consecutive variables of one base type share a declaration: `int a = 1, *p, b[2];`.
  std::vector<std::string> declarations(const std::vector<int>& variables) const {
    std::vector<std::string> lines;
    std::string previous_type;
    for (int index : variables) {
      const std::string type = type_name(p_.variables[index].kind);
      if (!lines.empty() && type == previous_type) {
        lines.back().back() = ',';
        lines.back() += " " + declarator(index) + ";";
      } else {
        lines.push_back(type + " " + declarator(index) + ";");
      }
      previous_type = type;
    }
    return lines;
  }
  std::string declarator(int index) const {
    const VARIABLE& v = p_.variables[index];
    std::string text = (v.kind == KIND::POINTER ? "*" : "") + v.name;
    if (v.initial_value) return text + " = " + expression(*v.initial_value);
    if (v.size > 0) {
      text += "[" + std::to_string(v.size) + "]";
      if (!v.initial.empty()) {
        text += " = {";
        for (size_t i = 0; i < v.initial.size(); ++i)
          text += (i ? ", " : "") + constant(v.initial[i]);
        text += "}";
      }
    } else if (!v.initial.empty()) {
      text += " = " + constant(v.initial[0]);
    }
    return text;
  }
  static std::string cast_name(VALUE_TYPE type) {
    if (type == VALUE_TYPE::CHAR) return "char";
    return type == VALUE_TYPE::UNSIGNED_INT ? "unsigned int" : "int";
  }
  static const char* operator_text(OP op) {
    switch (op) {
      case OP::PLUS:
        return "+";
      case OP::MINUS:
        return "-";
      case OP::AND:
        return "&";
      case OP::OR:
        return "|";
      case OP::XOR:
        return "^";
      case OP::MULTIPLY:
        return "*";
      case OP::DIVIDE:
        return "/";
      case OP::MODULO:
        return "%";
      case OP::SHIFT_LEFT:
        return "<<";
      case OP::SHIFT_RIGHT:
        return ">>";
      case OP::EQ:
        return "==";
      case OP::NE:
        return "!=";
      case OP::LT:
        return "<";
      case OP::LE:
        return "<=";
      case OP::GT:
        return ">";
      case OP::GE:
        return ">=";
      case OP::LOGICAL_AND:
        return "&&";
      default:
        return "||";
    }
  }

 public:
  std::string expression(const EXPR& e) const {
    const std::string name = e.variable >= 0 ? p_.variables[e.variable].name : "";
    switch (e.op) {
      case OP::CONSTANT:
        return constant(e.value);
      case OP::VARIABLE:
        return name;
      case OP::ELEMENT:
        return name + "[" + expression(e.operands[0]) + "]";
      case OP::DEREFERENCE:
        return "(*" + name + ")";
      case OP::ADDRESS_OF:
        return "&" + name;
      case OP::CALL: {
        std::string text = p_.functions[e.function].name + "(";
        for (size_t i = 0; i < e.operands.size(); ++i)
          text += (i ? ", " : "") + expression(e.operands[i]);
        return text + ")";
      }
      case OP::NEGATE:
        return "(-" + expression(e.operands[0]) + ")";
      case OP::EQ:
      case OP::XOR:
        if (e.prefix_form) return (e.op == OP::EQ ? "(!" : "(~") + expression(e.operands[0]) + ")";
        return "(" + expression(e.operands[0]) + " " + operator_text(e.op) + " " +
               expression(e.operands[1]) + ")";
      case OP::CONDITIONAL:
        return "(" + expression(e.operands[0]) + " ? " + expression(e.operands[1]) + " : " +
               expression(e.operands[2]) + ")";
      case OP::COMMA:
        return "(" + expression(e.operands[0]) + ", " + expression(e.operands[1]) + ")";
      case OP::CAST:
        return "((" + cast_name(static_cast<VALUE_TYPE>(e.value)) + ")" +
               expression(e.operands[0]) + ")";
      case OP::POST_INCREMENT:
        return expression(e.operands[0]) + "++";
      case OP::POST_DECREMENT:
        return expression(e.operands[0]) + "--";
      default:
        return "(" + expression(e.operands[0]) + " " + operator_text(e.op) + " " +
               expression(e.operands[1]) + ")";
    }
  }

 private:
  void line(int indent, const std::string& text) {
    text_ += std::string(2 * indent, ' ') + text + "\n";
  }
  std::string simple(const STATEMENT& s) const {
    if (s.kind == STATEMENT_KIND::EXPRESSION) return expression(s.expressions[0]);
    if (s.prefix_form)
      return (s.assign == ASSIGN_OP::ADD ? "++" : "--") + expression(s.expressions[0]);
    static const char* const operators[] = {" = ",  " += ", " -= ", " <<= ", " >>= ", " &= ",
                                            " |= ", " ^= ", " *= ", " /= ",  " %= "};
    return expression(s.expressions[0]) + operators[static_cast<int>(s.assign)] +
           expression(s.expressions[1]);
  }
  void block(const BLOCK& b, int indent, const std::string& head, const std::string& tail) {
    line(indent, head + "{");
    for (const std::string& text : declarations(b.locals)) line(indent + 1, text);
    for (const STATEMENT& s : b.statements) statement(s, indent + 1);
    line(indent, "}" + tail);
  }
  void statement(const STATEMENT& s, int indent) {
    switch (s.kind) {
      case STATEMENT_KIND::ASSIGN:
      case STATEMENT_KIND::EXPRESSION:
        line(indent, simple(s) + ";");
        return;
      case STATEMENT_KIND::RETURN:
        line(indent, "return " + expression(s.expressions[0]) + ";");
        return;
      case STATEMENT_KIND::BLOCK:
        block(s.blocks[0], indent, "", "");
        return;
      case STATEMENT_KIND::BREAK:
        line(indent, "break;");
        return;
      case STATEMENT_KIND::CONTINUE:
        line(indent, "continue;");
        return;
      case STATEMENT_KIND::IF: {
        const std::string head = "if (" + expression(s.expressions[0]) + ") ";
        if (s.blocks.size() == 1) {
          block(s.blocks[0], indent, head, "");
        } else {
          block(s.blocks[0], indent, head, "");
          block(s.blocks[1], indent, "else ", "");
        }
        return;
      }
      case STATEMENT_KIND::WHILE:
        block(s.blocks[0], indent, "while (" + expression(s.expressions[0]) + ") ", "");
        return;
      case STATEMENT_KIND::DO_WHILE:
        block(s.blocks[0], indent, "do ", " while (" + expression(s.expressions[0]) + ");");
        return;
      case STATEMENT_KIND::FOR:
        block(s.blocks[0], indent,
              "for (" + simple(s.parts[0]) + "; " + expression(s.expressions[0]) + "; " +
                  simple(s.parts[1]) + ") ",
              "");
        return;
      case STATEMENT_KIND::SWITCH: {
        line(indent, "switch (" + expression(s.expressions[0]) + ") {");
        // Each case ends with a break, as C without fall-through is written: the same program
        // for a C compiler whose cases run on into the next.
        for (size_t c = 0; c < s.case_values.size(); ++c) {
          block(s.blocks[c], indent + 1, "case " + constant(s.case_values[c]) + ": ", "");
          line(indent + 2, "break;");
        }
        if (s.blocks.size() > s.case_values.size())
          block(s.blocks.back(), indent + 1, "default: ", "");
        line(indent, "}");
        return;
      }
    }
  }
  void function(const FUNCTION& f) {
    std::string head = f.returns_value ? type_name(f.return_kind) : "void";
    head += " " + f.name + "(";
    if (f.parameters.empty()) head += "void";
    for (size_t i = 0; i < f.parameters.size(); ++i) {
      const VARIABLE& v = p_.variables[f.parameters[i]];
      head += (i ? ", " : "") + type_name(v.kind) + (v.kind == KIND::POINTER ? " *" : " ") + v.name;
    }
    text_ += "\n";
    block(f.body, 0, head + ") ", "");
  }

  const PROGRAM& p_;
  std::string text_;
};

}  // namespace

std::string PROGRAM::c_source() const {
  return PRINTER(*this).program();
}

// ---------------------------------------------------------------------------------------------
// Evaluation

namespace {

struct UNFIT {
  std::string why;
};

class EVALUATOR {
 public:
  EVALUATOR(const PROGRAM& program, const MEANING& meaning)
      : p_(program), meaning_(meaning), n_(program.data_size) {
    for (const VARIABLE& v : p_.variables) {
      address_.push_back(static_cast<int>(memory_.size()));
      const int cells = std::max(1, v.size);
      for (int i = 0; i < cells; ++i) owner_.push_back(static_cast<int>(address_.size()) - 1);
      memory_.resize(memory_.size() + cells, 0);
      defined_.resize(memory_.size(), false);
    }
  }

  EVALUATION run() {
    EVALUATION result;
    try {
      for (int g : p_.globals) initialise(g);
      execute(p_.functions.back().body);
      const VARIABLE& out = p_.variables[p_.out];
      for (int i = 0; i < out.size; ++i) result.out.push_back(load(address_[p_.out] + i));
      result.ok = true;
    } catch (const UNFIT& unfit) {
      result.problem = unfit.why;
    }
    result.operations = operations_;
    return result;
  }

 private:
  // Where an operand's value is: a value already taken, or a place read when it is used.
  struct MEDIUM {
    enum { VALUE, CELL, ELEMENT } kind = VALUE;
    int32_t value = 0;
    int address = -1;
    int variable = -1;  // ELEMENT: the array, or the pointer whose target is indexed
    std::shared_ptr<MEDIUM> index;
  };
  static MEDIUM value(int32_t v) {
    MEDIUM m;
    m.value = v;
    return m;
  }
  static MEDIUM cell(int address) {
    MEDIUM m;
    m.kind = MEDIUM::CELL;
    m.address = address;
    return m;
  }

  int32_t wrap(int64_t v) const {
    const int64_t mask = (int64_t{1} << n_) - 1;
    int64_t w = v & mask;
    if (w >> (n_ - 1)) w -= int64_t{1} << n_;
    return static_cast<int32_t>(w);
  }
  uint32_t pattern(int32_t v) const {
    return static_cast<uint32_t>(v) & static_cast<uint32_t>((uint64_t{1} << n_) - 1);
  }

  bool is_pointer_cell(int address) const {
    const VARIABLE& v = p_.variables[owner_[address]];
    return v.kind == KIND::POINTER && v.size == 0;
  }
  int32_t load(int address) {
    if (address < 0 || address >= static_cast<int>(memory_.size())) throw UNFIT{"bad address"};
    if (!defined_[address])
      throw UNFIT{"reads " + p_.variables[owner_[address]].name + " before it is written"};
    return memory_[address];
  }
  void store(int address, int32_t v) {
    memory_[address] = is_pointer_cell(address) ? v : wrap(v);
    defined_[address] = true;
  }
  void initialise(int variable) {
    const VARIABLE& v = p_.variables[variable];
    if (v.initial_value) return store(address_[variable], evaluate(*v.initial_value));
    for (size_t i = 0; i < v.initial.size(); ++i)
      store(address_[variable] + static_cast<int>(i), v.initial[i]);
  }

  int element_address(const MEDIUM& m) {
    const VARIABLE& v = p_.variables[m.variable];
    const int base =
        v.kind == KIND::POINTER && v.size == 0 ? load(address_[m.variable]) : address_[m.variable];
    const int target = base + read(*m.index);
    if (base < 0 || base >= static_cast<int>(memory_.size()) || target < 0 ||
        target >= static_cast<int>(memory_.size()) || owner_[target] != owner_[base])
      throw UNFIT{"index out of range in " + v.name};
    return target;
  }
  int32_t read(const MEDIUM& m) {
    switch (m.kind) {
      case MEDIUM::VALUE:
        return m.value;
      case MEDIUM::CELL:
        return load(m.address);
      default:
        return load(element_address(m));
    }
  }
  void write(const MEDIUM& m, int32_t v) {
    if (m.kind == MEDIUM::CELL) return store(m.address, v);
    if (m.kind == MEDIUM::ELEMENT) return store(element_address(m), v);
    throw UNFIT{"writes a value that is not a place"};
  }

  // The place an lvalue names.
  MEDIUM place(const EXPR& e) {
    switch (e.op) {
      case OP::VARIABLE:
        return cell(address_[e.variable]);
      case OP::DEREFERENCE:
        return cell(load(address_[e.variable]));
      case OP::ELEMENT: {
        MEDIUM m;
        m.kind = MEDIUM::ELEMENT;
        m.variable = e.variable;
        m.index = std::make_shared<MEDIUM>(medium(e.operands[0]));
        if (m.index->kind != MEDIUM::VALUE)
          m.index = std::make_shared<MEDIUM>(value(read(*m.index)));
        return m;
      }
      default:
        throw UNFIT{"not an lvalue"};
    }
  }

  // An unsigned char counts when it is as wide as an int.
  bool unsigned_operand(const EXPR& e) const {
    if (meaning_.unsigned_through_operators && !folded(e) && is_binary_arithmetic(e.op))
      return unsigned_operand(e.operands[0]) || unsigned_operand(e.operands[1]);
    if (meaning_.unsigned_through_operators && e.op == OP::CONDITIONAL)
      return unsigned_operand(e.operands[1]) || unsigned_operand(e.operands[2]);
    if (meaning_.unsigned_through_operators && e.op == OP::COMMA)
      return unsigned_operand(e.operands[1]);
    if (meaning_.unsigned_through_operators && !folded(e) && (e.op == OP::NEGATE || is_shift(e.op)))
      return unsigned_operand(e.operands[0]);
    const VALUE_TYPE t = p_.type_of(e);
    return t == VALUE_TYPE::UNSIGNED_INT ||
           (t == VALUE_TYPE::UNSIGNED_CHAR && (n_ == 8 || !meaning_.unsigned_through_operators));
  }
  bool unsigned_comparison(const EXPR& e) const {
    return unsigned_operand(e.operands[0]) || unsigned_operand(e.operands[1]);
  }
  bool compare(OP op, int32_t l, int32_t r, bool unsigned_compare) const {
    const int64_t a = unsigned_compare ? int64_t{pattern(l)} : int64_t{wrap(l)};
    const int64_t b = unsigned_compare ? int64_t{pattern(r)} : int64_t{wrap(r)};
    switch (op) {
      case OP::EQ:
        return a == b;
      case OP::NE:
        return a != b;
      case OP::LT:
        return a < b;
      case OP::LE:
        return a <= b;
      case OP::GT:
        return a > b;
      default:
        return a >= b;
    }
  }
  int32_t shift(OP op, int32_t v, int32_t count) const {
    if (count < 0 || count >= n_) throw UNFIT{"shift count out of range"};
    if (op == OP::SHIFT_LEFT) return wrap(static_cast<int64_t>(pattern(v)) << count);
    return wrap(pattern(v) >> count);
  }

  // The cells of a function's parameters and locals.
  std::vector<int> own_cells(const FUNCTION& f) const {
    std::vector<int> cells;
    auto add = [&](int variable) {
      for (int i = 0; i < std::max(1, p_.variables[variable].size); ++i)
        cells.push_back(address_[variable] + i);
    };
    for (int parameter : f.parameters) add(parameter);
    std::function<void(const BLOCK&)> walk = [&](const BLOCK& b) {
      for (int local : b.locals) add(local);
      for (const STATEMENT& s : b.statements)
        for (const BLOCK& inner : s.blocks) walk(inner);
    };
    walk(f.body);
    return cells;
  }

  // A call counts as a loop step: nested calls can multiply into runs no test waits for.
  MEDIUM call(const EXPR& e) {
    loop_step();
    const FUNCTION& f = p_.functions[e.function];
    const bool recursive = !frames_.empty() && frames_.back() == &f;
    std::vector<std::pair<int, std::pair<int32_t, bool>>> saved;
    if (recursive && meaning_.recursion_restores_caller)
      for (int c : own_cells(f)) saved.push_back({c, {memory_[c], defined_[c]}});
    std::vector<int32_t> arguments;
    for (size_t i = 0; i < f.parameters.size(); ++i) {
      arguments.push_back(read(medium(e.operands[i])));
      if (!meaning_.arguments_before_parameters) store(address_[f.parameters[i]], arguments[i]);
    }
    for (size_t i = 0; i < f.parameters.size(); ++i) store(address_[f.parameters[i]], arguments[i]);
    if (frames_.size() > 60) throw UNFIT{"calls nest too deep"};
    frames_.push_back(&f);
    execute(f.body);
    returning_ = false;
    frames_.pop_back();
    for (const auto& [c, old] : saved) {
      memory_[c] = old.first;
      defined_[c] = old.second;
    }
    if (!f.returns_value) return value(0);
    if (meaning_.call_value_is_copied) return value(load(address_[f.result]));
    return cell(address_[f.result]);
  }

  // The operand's medium, its code run in the compiled order.
  MEDIUM medium(const EXPR& e) {
    ++operations_;
    if (const auto v = folded(e)) return value(wrap(*v));
    switch (e.op) {
      case OP::VARIABLE:
        if (p_.variables[e.variable].size > 0) return value(address_[e.variable]);
        return cell(address_[e.variable]);
      case OP::ADDRESS_OF:
        return value(address_[e.variable]);
      case OP::DEREFERENCE:
        return value(load(load(address_[e.variable])));
      case OP::ELEMENT: {
        if (e.operands[0].op == OP::CONSTANT && p_.variables[e.variable].size > 0)
          return cell(address_[e.variable] + e.operands[0].value);
        MEDIUM m;
        m.kind = MEDIUM::ELEMENT;
        m.variable = e.variable;
        m.index = std::make_shared<MEDIUM>(medium(e.operands[0]));
        return m;
      }
      case OP::CALL:
        return call(e);
      case OP::NEGATE:
        return value(wrap(-static_cast<int64_t>(read(medium(e.operands[0])))));
      case OP::POST_INCREMENT:
      case OP::POST_DECREMENT: {
        const MEDIUM target = place(e.operands[0]);
        const int32_t old = read(target);
        write(target, wrap(int64_t{old} + (e.op == OP::POST_INCREMENT ? 1 : -1)));
        return value(old);
      }
      case OP::COMMA:  // the right operand's place is the result's, read when used
        evaluate(e.operands[0]);
        return medium(e.operands[1]);
      case OP::CAST:  // every scalar type holds the same N bits
        return medium(e.operands[0]);
      case OP::CONDITIONAL: {  // the chosen branch is copied at once into the result
        const bool holds = read(medium(e.operands[0])) != 0;
        return value(read(medium(e.operands[holds ? 1 : 2])));
      }
      case OP::LOGICAL_AND:
      case OP::LOGICAL_OR: {
        const bool want = e.op == OP::LOGICAL_OR;
        if ((read(medium(e.operands[0])) != 0) == want) return value(want ? 1 : 0);
        if ((read(medium(e.operands[1])) != 0) == want) return value(want ? 1 : 0);
        return value(want ? 0 : 1);
      }
      default:
        break;
    }
    if (is_relational(e.op)) {
      const MEDIUM l = medium(e.operands[0]);
      const MEDIUM r = medium(e.operands[1]);
      return value(compare(e.op, read(l), read(r), unsigned_comparison(e)) ? 1 : 0);
    }
    if (is_shift(e.op)) {
      const int32_t v = read(medium(e.operands[0]));
      return value(shift(e.op, v, read(medium(e.operands[1]))));
    }
    // + - & | take the right operand first; for ^ the order is kept free of calls.
    const MEDIUM r = medium(e.operands[1]);
    const MEDIUM l = medium(e.operands[0]);
    const int64_t a = read(l), b = read(r);
    switch (e.op) {
      case OP::PLUS:
        return value(wrap(a + b));
      case OP::MINUS:
        return value(wrap(a - b));
      case OP::AND:
        return value(wrap(a & b));
      case OP::OR:
        return value(wrap(a | b));
      case OP::MULTIPLY:
      case OP::DIVIDE:
      case OP::MODULO:
        return value(multiplicative(e.op, a, b, unsigned_comparison(e)));
      default:
        return value(wrap(a ^ b));
    }
  }
  // C's * / % at N bits: / truncates toward zero, % has the dividend's sign; by 0 the quotient
  // is all ones and the remainder the dividend.
  int32_t multiplicative(OP op, int32_t l, int32_t r, bool unsigned_operation) const {
    const int64_t a = unsigned_operation ? int64_t{pattern(l)} : int64_t{wrap(l)};
    const int64_t b = unsigned_operation ? int64_t{pattern(r)} : int64_t{wrap(r)};
    if (op == OP::MULTIPLY)  // in 64 bits without overflow, for a 32-bit word too
      return wrap(static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b)));
    if (b == 0) return op == OP::DIVIDE ? wrap(-1) : wrap(a);
    return wrap(op == OP::DIVIDE ? a / b : a % b);
  }
  int32_t evaluate(const EXPR& e) { return read(medium(e)); }

  void assign(const STATEMENT& s) {
    const EXPR& target = s.expressions[0];
    const int32_t source = evaluate(s.expressions[1]);
    const MEDIUM where = place(target);
    const int32_t old = s.assign == ASSIGN_OP::SET ? 0 : read(where);
    switch (s.assign) {
      case ASSIGN_OP::SET:
        return write(where, source);
      case ASSIGN_OP::ADD:
        return write(where, wrap(int64_t{old} + source));
      case ASSIGN_OP::SUBTRACT:
        return write(where, wrap(int64_t{old} - source));
      case ASSIGN_OP::SHIFT_LEFT:
        return write(where, shift(OP::SHIFT_LEFT, old, source));
      case ASSIGN_OP::SHIFT_RIGHT:
        return write(where, shift(OP::SHIFT_RIGHT, old, source));
      case ASSIGN_OP::AND:
        return write(where, old & source);
      case ASSIGN_OP::OR:
        return write(where, old | source);
      case ASSIGN_OP::XOR:
        return write(where, old ^ source);
      case ASSIGN_OP::MULTIPLY:
      case ASSIGN_OP::DIVIDE:
      case ASSIGN_OP::MODULO: {
        static const OP ops[] = {OP::MULTIPLY, OP::DIVIDE, OP::MODULO};
        const bool unsigned_operation =
            unsigned_operand(target) || unsigned_operand(s.expressions[1]);
        return write(where, multiplicative(ops[static_cast<int>(s.assign) -
                                                static_cast<int>(ASSIGN_OP::MULTIPLY)],
                                            old, source, unsigned_operation));
      }
    }
  }
  void loop_step() {
    if (++steps_ > 200000) throw UNFIT{"a loop does not end"};
  }

  void execute(const BLOCK& b) {
    for (int local : b.locals) initialise(local);
    for (const STATEMENT& s : b.statements) {
      execute(s);
      if (returning_ || jumping_ != JUMP::none) return;
    }
  }
  // After a loop's body: whether a break left it (a continue only ends the body).
  bool loop_left() {
    const bool left = jumping_ == JUMP::out;
    jumping_ = JUMP::none;
    return left;
  }
  void execute(const STATEMENT& s) {
    ++operations_;
    switch (s.kind) {
      case STATEMENT_KIND::ASSIGN:
        return assign(s);
      case STATEMENT_KIND::EXPRESSION:
        evaluate(s.expressions[0]);
        return;
      case STATEMENT_KIND::RETURN: {
        const int32_t v = evaluate(s.expressions[0]);
        if (frames_.empty() || frames_.back()->result < 0)
          throw UNFIT{"return outside a value function"};
        store(address_[frames_.back()->result], v);
        returning_ = true;
        return;
      }
      case STATEMENT_KIND::BLOCK:
        return execute(s.blocks[0]);
      case STATEMENT_KIND::BREAK:
        jumping_ = JUMP::out;
        return;
      case STATEMENT_KIND::CONTINUE:
        jumping_ = JUMP::on;
        return;
      case STATEMENT_KIND::IF:
        if (evaluate(s.expressions[0]) != 0) return execute(s.blocks[0]);
        if (s.blocks.size() > 1) execute(s.blocks[1]);
        return;
      case STATEMENT_KIND::WHILE:
        while (!returning_ && evaluate(s.expressions[0]) != 0) {
          loop_step();
          execute(s.blocks[0]);
          if (loop_left()) return;
        }
        return;
      case STATEMENT_KIND::DO_WHILE:
        do {
          loop_step();
          execute(s.blocks[0]);
          if (loop_left()) return;
        } while (!returning_ && evaluate(s.expressions[0]) != 0);
        return;
      case STATEMENT_KIND::FOR:
        execute(s.parts[0]);
        while (!returning_ && evaluate(s.expressions[0]) != 0) {
          loop_step();
          execute(s.blocks[0]);
          if (returning_ || loop_left()) return;
          execute(s.parts[1]);
        }
        return;
      case STATEMENT_KIND::SWITCH: {
        if (!meaning_.switch_runs_cases) return;
        const int32_t selector = evaluate(s.expressions[0]);
        const BLOCK* chosen = s.blocks.size() > s.case_values.size() ? &s.blocks.back() : nullptr;
        for (size_t c = 0; c < s.case_values.size(); ++c)
          if (compare(OP::EQ, selector, wrap(s.case_values[c]), false)) {
            chosen = &s.blocks[c];
            break;
          }
        if (chosen != nullptr) execute(*chosen);
        if (jumping_ == JUMP::out) jumping_ = JUMP::none;  // a continue goes on to the loop
        return;
      }
    }
  }
  const PROGRAM& p_;
  MEANING meaning_;
  int n_;
  std::vector<int> address_;  // first cell of each variable
  std::vector<int> owner_;    // the variable of each cell
  std::vector<int32_t> memory_;
  std::vector<bool> defined_;
  bool returning_ = false;
  enum class JUMP { none, out, on };  // a break or a continue under way
  JUMP jumping_ = JUMP::none;
  std::vector<const FUNCTION*> frames_;  // the functions under way, innermost last
  long steps_ = 0;
  long operations_ = 0;
};

}  // namespace

EVALUATION evaluate(const PROGRAM& program, const MEANING& meaning) {
  return EVALUATOR(program, meaning).run();
}

// ---------------------------------------------------------------------------------------------
// Generation

namespace {

constexpr int recursion_limit = 5;  // the largest argument the recursive function is called with

EXPR constant_expr(int32_t v) {
  EXPR e;
  e.value = v;
  return e;
}
EXPR variable_expr(int variable, OP op = OP::VARIABLE) {
  EXPR e;
  e.op = op;
  e.variable = variable;
  return e;
}
EXPR node(OP op, std::vector<EXPR> operands) {
  EXPR e;
  e.op = op;
  e.operands = std::move(operands);
  return e;
}
EXPR element_expr(int variable, EXPR index) {
  EXPR e = variable_expr(variable, OP::ELEMENT);
  e.operands.push_back(std::move(index));
  return e;
}
STATEMENT assignment_statement(ASSIGN_OP op, EXPR target, EXPR source) {
  STATEMENT s;
  s.kind = STATEMENT_KIND::ASSIGN;
  s.assign = op;
  s.expressions = {std::move(target), std::move(source)};
  return s;
}
STATEMENT expression_statement(EXPR e) {
  STATEMENT s;
  s.expressions.push_back(std::move(e));
  return s;
}

class GENERATOR {
 public:
  GENERATOR(uint32_t seed, const SETTINGS& settings) : random_(seed), s_(settings) {
    p_.data_size = settings.data_size;
  }

  PROGRAM run() {
    make_globals();
    const int helpers = uniform(0, s_.functions);
    const int recursive_at = s_.recursion && chance(60) ? uniform(0, helpers) : -1;
    for (int k = 0; k <= helpers; ++k) {
      if (k == recursive_at) make_recursive();
      if (k < helpers) make_helper();
    }
    make_main();
    return std::move(p_);
  }

 private:
  // What a statement or expression at the current point may use.
  struct COUNTER {
    int variable, low, high;  // the loop counter's values inside its loop's body
  };
  struct SCOPE {
    int function = -1;
    std::vector<int> readable;      // int and unsigned scalars holding a value
    std::vector<int> writable;      // those that statements may change
    std::vector<int> addressable;   // scalars whose address may be taken
    std::vector<int> arrays;        // arrays, every element holding a value
    std::vector<int> pointers;      // pointers holding a target
    std::vector<COUNTER> counters;  // the loops around the point
    BLOCK* top = nullptr;           // the function's body, where loop counters are declared
    int loop_depth = 0;
    int frames = 0;            // the deepest chain of calls made from the function
    bool calls = true;         // whether calls may appear at all
    bool helper_calls = true;  // whether the functions defined before may be called
    int self = -1;             // a recursive function: itself, callable on n - 1
    int self_parameter = -1;
    int self_calls_left = 0;
    bool loops = true;
    bool can_break = false;     // inside a loop or a switch
    bool can_continue = false;  // inside a loop whose counter has stepped before a continue
  };

  int n() const { return s_.data_size; }
  bool across_calls() const { return s_.temporaries_across_calls; }
  int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return uniform(0, 99) < percent; }
  template <class T>
  T pick(const std::vector<T>& v) {
    return v[uniform(0, static_cast<int>(v.size()) - 1)];
  }
  int weighted(std::initializer_list<int> weights) {
    int total = 0;
    for (int w : weights) total += w;
    int at = uniform(0, total - 1);
    int index = 0;
    for (int w : weights) {
      if (at < w) return index;
      at -= w;
      ++index;
    }
    return 0;
  }

  int add_variable(const std::string& prefix, KIND kind, int size = 0) {
    VARIABLE v;
    v.name = prefix + std::to_string(next_name_++);
    v.kind = kind;
    v.size = size;
    p_.variables.push_back(v);
    return static_cast<int>(p_.variables.size()) - 1;
  }
  KIND scalar_kind() { return s_.unsigned_types && chance(25) ? KIND::UNSIGNED : KIND::INT; }

  // Small values, values around the limits of the immediate forms, and values that need several
  // instructions or the constant pool.
  int32_t constant() {
    const int64_t int_max = (int64_t{1} << (n() - 1)) - 1;
    const int64_t uint_max = (int64_t{1} << n()) - 1;
    std::vector<int64_t> choices;
    switch (weighted({50, 25, 25})) {
      case 0:
        return uniform(-8, 16);
      case 1:
        choices = {63, 64, -64, -65, 127, -128, 100, -100, 31, -1};
        break;
      default:
        choices = {int_max, -int_max - 1, 300, -200, 1000, 2047, -2048, 255, 128, 200, 170};
        if (s_.unsigned_types) choices.push_back(uint_max);
        if (n() > 8) choices.push_back(int_max + 1);
    }
    for (;;) {
      const int64_t v = pick(choices);
      if (constant_in_range(v, n())) return static_cast<int32_t>(v);
    }
  }
  EXPR in_range(EXPR e) {
    if (const auto v = folded(e); v && !constant_in_range(*v, n()))
      return constant_expr(uniform(-8, 16));
    return e;
  }

  // Leaves ---------------------------------------------------------------------------------

  EXPR safe_leaf(SCOPE& sc) {
    return chance(40) ? constant_expr(constant()) : variable_expr(pick(sc.readable));
  }
  std::vector<COUNTER> counters_within(const SCOPE& sc, int size) const {
    std::vector<COUNTER> fitting;
    for (const COUNTER& c : sc.counters)
      if (c.low >= 0 && c.high <= size - 1) fitting.push_back(c);
    return fitting;
  }
  // An index that stays within an array of this size whatever the values of the variables.
  EXPR index(SCOPE& sc, int size, bool calls = false) {
    const std::vector<COUNTER> fitting = counters_within(sc, size);
    const bool power_of_two = size > 1 && (size & (size - 1)) == 0;
    const bool variable = s_.variable_indices;
    switch (
        weighted({50, variable && !fitting.empty() ? 30 : 0, variable && power_of_two ? 20 : 0})) {
      case 0:
        return constant_expr(uniform(0, size - 1));
      case 1:
        return variable_expr(pick(fitting).variable);
      default:
        return in_range(
            node(OP::AND, {expression(sc, 1, calls && across_calls()), constant_expr(size - 1)}));
    }
  }
  EXPR element(SCOPE& sc, bool calls = false) {
    const int a = pick(sc.arrays);
    return element_expr(a, index(sc, p_.variables[a].size, calls));
  }
  EXPR through_pointer(SCOPE& sc, bool calls = false) {
    const int q = pick(sc.pointers);
    const int size = p_.variables[q].target_size;
    if (size == 1 && chance(70)) return variable_expr(q, OP::DEREFERENCE);
    if (chance(30)) return variable_expr(q, OP::DEREFERENCE);
    return element_expr(q, index(sc, size, calls));
  }
  EXPR leaf(SCOPE& sc, bool calls) {
    const bool can_call = calls && s_.calls_in_expressions && !callees(sc, true).empty();
    switch (weighted(
        {25, 45, sc.arrays.empty() ? 0 : 20, sc.pointers.empty() ? 0 : 8, can_call ? 8 : 0})) {
      case 0:
        return constant_expr(constant());
      case 1:
        return variable_expr(pick(sc.readable));
      case 2:
        return element(sc, calls);
      case 3:
        return through_pointer(sc, calls);
      default:
        return call(sc, 0, calls, true);
    }
  }

  // Calls ----------------------------------------------------------------------------------

  int frame_limit() const { return s_.stack_depth - 2; }
  std::vector<int> callees(const SCOPE& sc, bool value_only) const {
    std::vector<int> found;
    if (!sc.calls) return found;
    const bool in_main = sc.function == static_cast<int>(p_.functions.size()) - 1 &&
                         p_.functions[sc.function].name == "main";
    for (int f = 0; f < sc.function && sc.helper_calls; ++f) {
      if (value_only && !p_.functions[f].returns_value) continue;
      if (frames_[f] + (in_main ? 0 : 1) > frame_limit()) continue;
      found.push_back(f);
    }
    // Not in a loop, and at most twice, so that the calls stay few.
    if (sc.self >= 0 && sc.self_calls_left > 0 && sc.loop_depth == 0 &&
        (!value_only || p_.functions[sc.self].returns_value))
      found.push_back(sc.self);
    return found;
  }
  EXPR argument(SCOPE& sc, int callee, int parameter, int depth, bool calls) {
    const VARIABLE& v = p_.variables[parameter];
    if (v.kind == KIND::POINTER) {
      std::vector<EXPR> choices;
      for (int a : sc.arrays)
        if (p_.variables[a].size >= v.target_size) choices.push_back(variable_expr(a));
      for (int q : sc.pointers)
        if (p_.variables[q].target_size >= v.target_size) choices.push_back(variable_expr(q));
      if (v.target_size == 1)
        for (int x : sc.addressable) choices.push_back(variable_expr(x, OP::ADDRESS_OF));
      return pick(choices);
    }
    if (recursive_[callee]) {
      std::vector<int> small;
      for (int r : sc.readable)
        if (counter_max_.count(r) && counter_max_.at(r) <= recursion_limit) small.push_back(r);
      if (!small.empty() && chance(30)) return variable_expr(pick(small));
      return constant_expr(uniform(0, recursion_limit));
    }
    return expression(sc, depth, calls);
  }
  EXPR self_call(SCOPE& sc) {
    EXPR e;
    e.op = OP::CALL;
    e.function = sc.self;
    e.operands.push_back(node(OP::MINUS, {variable_expr(sc.self_parameter), constant_expr(1)}));
    --sc.self_calls_left;
    return e;
  }
  EXPR call(SCOPE& sc, int depth, bool calls, bool value_only) {
    EXPR e;
    e.op = OP::CALL;
    e.function = pick(callees(sc, value_only));
    if (e.function == sc.self) return self_call(sc);
    sc.frames = std::max(sc.frames, frames_[e.function]);
    for (int parameter : p_.functions[e.function].parameters)
      e.operands.push_back(argument(sc, e.function, parameter, depth, calls));
    // An argument with a call comes after constants only, so that whether the parameters receive
    // their arguments one by one or all at the end, and when earlier ones are read, do not count.
    for (size_t i = 1; i < e.operands.size(); ++i)
      if (has_call(e.operands[i]))
        for (size_t k = 0; k < i; ++k)
          if (!folded(e.operands[k]) &&
              p_.variables[p_.functions[e.function].parameters[k]].kind != KIND::POINTER)
            e.operands[k] = constant_expr(uniform(-8, 16));
    return e;
  }

  // Expressions ----------------------------------------------------------------------------

  EXPR expression(SCOPE& sc, int depth, bool calls) {
    if (depth <= 0 || chance(30)) return leaf(sc, calls);
    const bool can_call = calls && s_.calls_in_expressions && !callees(sc, true).empty();
    const int divide = s_.divisions ? 3 : 0;
    switch (weighted({20, 14, 8, 8, 7, 12, 5, 8, 4, can_call ? 12 : 0, 4, 4, 4, divide, divide, 4,
                      4, 2})) {
      case 0:
        return binary(OP::PLUS, sc, depth, calls);
      case 1:
        return binary(OP::MINUS, sc, depth, calls);
      case 2:
        return binary(OP::AND, sc, depth, calls);
      case 3:
        return binary(OP::OR, sc, depth, calls);
      case 4:
        return binary(OP::XOR, sc, depth, false);
      case 5:
        return shift(sc, depth, calls);
      case 6:
        return in_range(node(OP::NEGATE, {expression(sc, depth - 1, calls)}));
      case 7:
        return relational(sc, depth, calls && across_calls());
      case 8:
        return logical(sc, calls && across_calls());
      case 9:
        return call(sc, depth - 1, calls, true);
      case 10:
        return logical_not(sc, depth, calls && across_calls());
      case 12:
        return binary(OP::MULTIPLY, sc, depth, calls);
      case 13:
        return binary(OP::DIVIDE, sc, depth, calls);
      case 14:
        return binary(OP::MODULO, sc, depth, calls);
      case 15:
        return conditional(sc, depth);
      case 16:
        return cast(sc, depth, calls);
      case 17:  // a left operand without effects still has its code run
        return node(OP::COMMA, {safe_leaf(sc), expression(sc, depth - 1, calls)});
      default: {
        EXPR e = node(OP::XOR, {expression(sc, depth - 1, false), constant_expr(-1)});
        e.prefix_form = true;
        return in_range(std::move(e));
      }
    }
  }
  // c ? a : b without calls (its operands' code sits between jumps), the branches of one type,
  // so that the result's type is theirs.
  EXPR conditional(SCOPE& sc, int depth) {
    EXPR test = expression(sc, depth - 1, false);
    if (chance(60) || p_.type_of(test) == VALUE_TYPE::POINTER) test = relational(sc, 1, false);
    for (int attempt = 0; attempt < 20; ++attempt) {
      EXPR if_true = expression(sc, depth - 1, false);
      EXPR if_false = expression(sc, depth - 1, false);
      const VALUE_TYPE type = p_.type_of(if_true);
      if (type == p_.type_of(if_false) && type != VALUE_TYPE::POINTER)
        return node(OP::CONDITIONAL, {std::move(test), std::move(if_true), std::move(if_false)});
    }
    return node(OP::CONDITIONAL, {std::move(test), constant_expr(1), constant_expr(-2)});
  }
  // (int), (unsigned int) or (char) of a value that is not a constant nor a pointer (a constant
  // cast is folded to the type's range, which the generator leaves to the golden cases).
  EXPR cast(SCOPE& sc, int depth, bool calls) {
    EXPR operand = expression(sc, depth - 1, calls);
    if (folded(operand) || p_.type_of(operand) == VALUE_TYPE::POINTER) return operand;
    static const VALUE_TYPE types[] = {VALUE_TYPE::INT, VALUE_TYPE::UNSIGNED_INT, VALUE_TYPE::CHAR};
    EXPR e = node(OP::CAST, {std::move(operand)});
    e.value = static_cast<int32_t>(types[uniform(0, 2)]);
    return e;
  }
  // !a, which C defines as a == 0.
  EXPR logical_not(SCOPE& sc, int depth, bool calls) {
    for (int attempt = 0; attempt < 20; ++attempt) {
      EXPR e = node(OP::EQ, {expression(sc, depth - 1, calls), constant_expr(0)});
      e.prefix_form = true;
      if (comparable(e)) return e;
    }
    return relational(sc, depth, calls);
  }
  EXPR binary(OP op, SCOPE& sc, int depth, bool calls) {
    EXPR e = node(op, {expression(sc, depth - 1, calls), expression(sc, depth - 1, calls)});
    // The right operand is compiled first: it must outlive the calls of the left one.
    if (!across_calls() && has_call(e.operands[0]) && !survives_calls(e.operands[1]))
      e.operands[1] = safe_leaf(sc);
    // The multiply and divide routines take a return address of the stack, as a call does.
    if (op == OP::MULTIPLY || op == OP::DIVIDE || op == OP::MODULO) sc.frames = std::max(sc.frames, 1);
    // Two constants divided by 0 are refused by the compiler; at run time the result is defined.
    if ((op == OP::DIVIDE || op == OP::MODULO) && folded(e.operands[0]) &&
        folded(e.operands[1]) == 0)
      e.operands[1] = constant_expr(3);
    return in_range(std::move(e));
  }
  EXPR shift_count(SCOPE& sc, bool calls = false) {
    std::vector<int> counters;
    for (int r : sc.readable)
      if (counter_max_.count(r) && counter_max_.at(r) < n()) counters.push_back(r);
    switch (weighted({55, counters.empty() ? 0 : 20, 25})) {
      case 0:
        return constant_expr(chance(20) ? n() - 1 : uniform(0, n() - 1));
      case 1:
        return variable_expr(pick(counters));
      default:
        return in_range(
            node(OP::AND, {expression(sc, 1, calls && across_calls()), constant_expr(7)}));
    }
  }
  EXPR shift(SCOPE& sc, int depth, bool calls) {
    EXPR e = node(chance(50) || !s_.right_shifts ? OP::SHIFT_LEFT : OP::SHIFT_RIGHT,
                  {expression(sc, depth - 1, calls), shift_count(sc, calls)});
    return e;
  }
  // Comparisons whose operands are pointers, or unsigned char constants wider than a char,
  // are left out.
  bool comparable(const EXPR& e) const {
    for (const EXPR& o : e.operands) {
      const VALUE_TYPE t = p_.type_of(o);
      if (t == VALUE_TYPE::POINTER) return false;
      if (t == VALUE_TYPE::UNSIGNED_CHAR && n() > 8) return false;
    }
    return true;
  }
  EXPR relational(SCOPE& sc, int depth, bool calls) {
    static const OP ops[] = {OP::EQ, OP::NE, OP::LT, OP::LE, OP::GT, OP::GE};
    for (int attempt = 0; attempt < 20; ++attempt) {
      EXPR e = node(ops[uniform(0, 5)],
                    {expression(sc, depth - 1, calls), expression(sc, depth - 1, calls)});
      // The left operand is compiled first here.
      if (!across_calls() && has_call(e.operands[1]) && !survives_calls(e.operands[0]))
        e.operands[0] = safe_leaf(sc);
      if (comparable(e)) return e;
    }
    return node(OP::LT, {variable_expr(pick(sc.readable)), variable_expr(pick(sc.readable))});
  }
  // && and || are kept short: their branch over the second operand is a short one.
  EXPR short_leaf(SCOPE& sc) {
    if (chance(20) && !sc.arrays.empty()) {
      const int a = pick(sc.arrays);
      return element_expr(a, constant_expr(uniform(0, p_.variables[a].size - 1)));
    }
    return safe_leaf(sc);
  }
  EXPR logical_operand(SCOPE& sc, bool calls) {
    static const OP ops[] = {OP::EQ, OP::NE, OP::LT, OP::LE, OP::GT, OP::GE};
    if (chance(25)) return variable_expr(pick(sc.readable));
    if (chance(8)) return constant_expr(constant());
    if (chance(8) && !sc.arrays.empty()) {  // indexed by a counter at most
      const int a = pick(sc.arrays);
      const std::vector<COUNTER> fitting = counters_within(sc, p_.variables[a].size);
      if (!fitting.empty() && chance(50))
        return element_expr(a, variable_expr(pick(fitting).variable));
      return element_expr(a, constant_expr(uniform(0, p_.variables[a].size - 1)));
    }
    if (calls && chance(20) && !callees(sc, true).empty())
      return node(ops[uniform(0, 5)], {call(sc, 0, false, true), short_leaf(sc)});
    for (;;) {
      EXPR e = node(ops[uniform(0, 5)], {short_leaf(sc), short_leaf(sc)});
      if (comparable(e)) return e;
    }
  }
  // A call may come first only: the branch over the second operand reaches 63 words.
  EXPR logical(SCOPE& sc, bool calls = false) {
    return node(chance(50) ? OP::LOGICAL_AND : OP::LOGICAL_OR,
                {logical_operand(sc, calls), logical_operand(sc, false)});
  }
  EXPR condition(SCOPE& sc) {
    switch (weighted({70, 15, 15})) {
      case 0:
        return relational(sc, 2, sc.calls);
      case 1:
        return logical(sc);
      default:
        // A constant or an element alone is a condition too.
        for (int attempt = 0; attempt < 10; ++attempt) {
          EXPR e = expression(sc, 1, false);
          if (!folded(e) || chance(10)) return e;
        }
        return variable_expr(pick(sc.readable));
    }
  }

  // Statements -----------------------------------------------------------------------------

  EXPR lvalue(SCOPE& sc) {
    switch (weighted({sc.writable.empty() ? 0 : 50, 30, sc.pointers.empty() ? 0 : 10, 10})) {
      case 0:
        return variable_expr(pick(sc.writable));
      case 1:
        return element(sc);
      case 2:
        return through_pointer(sc);
      default:
        return element_expr(p_.out, index(sc, p_.variables[p_.out].size));
    }
  }
  EXPR source(SCOPE& sc) {
    if (sc.calls && s_.calls_as_values && chance(15) && !callees(sc, true).empty())
      return call(sc, s_.expression_depth - 1, true, true);
    return expression(sc, s_.expression_depth, sc.calls);
  }
  void assignment(SCOPE& sc, BLOCK& b) {
    const int divide = s_.divisions ? 3 : 0;
    const ASSIGN_OP op = static_cast<ASSIGN_OP>(
        weighted({50, 18, 14, 9, s_.right_shifts ? 9 : 0, 5, 5, 5, 4, divide, divide}));
    EXPR target = lvalue(sc);
    EXPR value =
        op == ASSIGN_OP::SHIFT_LEFT || op == ASSIGN_OP::SHIFT_RIGHT ? shift_count(sc) : source(sc);
    if (op >= ASSIGN_OP::MULTIPLY) sc.frames = std::max(sc.frames, 1);
    b.statements.push_back(assignment_statement(op, std::move(target), std::move(value)));
  }
  void increment(SCOPE& sc, BLOCK& b) {
    if (chance(40)) {  // ++x or --x, which C defines as x += 1 or x -= 1
      STATEMENT s = assignment_statement(chance(60) ? ASSIGN_OP::ADD : ASSIGN_OP::SUBTRACT,
                                         lvalue(sc), constant_expr(1));
      s.prefix_form = true;
      return b.statements.push_back(std::move(s));
    }
    b.statements.push_back(expression_statement(
        node(chance(60) ? OP::POST_INCREMENT : OP::POST_DECREMENT, {lvalue(sc)})));
  }
  // y = x++, with x and y different scalars.
  void copy_then_increment(SCOPE& sc, BLOCK& b) {
    if (sc.writable.size() < 2) return assignment(sc, b);
    const int x = pick(sc.writable);
    int y = x;
    while (y == x) y = pick(sc.writable);
    EXPR target =
        chance(30) ? element_expr(p_.out, constant_expr(uniform(0, p_.variables[p_.out].size - 1)))
                   : variable_expr(y);
    b.statements.push_back(assignment_statement(
        ASSIGN_OP::SET, std::move(target),
        node(chance(60) ? OP::POST_INCREMENT : OP::POST_DECREMENT, {variable_expr(x)})));
  }
  // y = (x++, e): the comma's left operand runs first, and e may read x.
  void comma_statement(SCOPE& sc, BLOCK& b) {
    if (sc.writable.size() < 2) return assignment(sc, b);
    const int x = pick(sc.writable);
    int y = x;
    while (y == x) y = pick(sc.writable);
    EXPR step = node(chance(60) ? OP::POST_INCREMENT : OP::POST_DECREMENT, {variable_expr(x)});
    EXPR source = node(OP::COMMA, {std::move(step), expression(sc, s_.expression_depth - 1, false)});
    b.statements.push_back(
        assignment_statement(ASSIGN_OP::SET, variable_expr(y), std::move(source)));
  }
  void call_statement(SCOPE& sc, BLOCK& b) {
    b.statements.push_back(expression_statement(call(sc, s_.expression_depth - 1, true, false)));
  }
  void out_statement(SCOPE& sc, BLOCK& b) {
    EXPR target = element_expr(p_.out, index(sc, p_.variables[p_.out].size));
    b.statements.push_back(assignment_statement(chance(60) ? ASSIGN_OP::SET : ASSIGN_OP::ADD,
                                                std::move(target), source(sc)));
  }

  // A nested block sees the scope's variables; what it declares goes out of sight after it.
  BLOCK nested(SCOPE& sc, int count, int depth) {
    const SCOPE saved = sc;
    BLOCK b;
    statements(sc, b, count, depth);
    restore(sc, saved);
    return b;
  }
  static void restore(SCOPE& sc, const SCOPE& saved) {
    const int frames = sc.frames;
    const int self_calls_left = sc.self_calls_left;
    sc = saved;
    sc.frames = std::max(frames, saved.frames);
    sc.self_calls_left = self_calls_left;
  }
  void if_statement(SCOPE& sc, BLOCK& b, int depth) {
    STATEMENT s;
    s.kind = STATEMENT_KIND::IF;
    s.expressions.push_back(condition(sc));
    const bool empty_then = chance(8);
    s.blocks.push_back(empty_then ? BLOCK{} : nested(sc, uniform(1, 3), depth + 1));
    if (empty_then || chance(50)) s.blocks.push_back(nested(sc, uniform(1, 3), depth + 1));
    b.statements.push_back(std::move(s));
  }
  void block_statement(SCOPE& sc, BLOCK& b, int depth) {
    const SCOPE saved = sc;
    STATEMENT s;
    s.kind = STATEMENT_KIND::BLOCK;
    BLOCK inner;
    const int local = add_variable("l", scalar_kind());
    p_.variables[local].initial = {constant()};
    // Computed from what the enclosing scope sees, each time the block starts.
    if (chance(50) && p_.variables[local].kind != KIND::POINTER)
      p_.variables[local].initial_value =
          std::make_shared<EXPR>(expression(sc, s_.expression_depth - 1, false));
    inner.locals.push_back(local);
    sc.readable.push_back(local);
    sc.writable.push_back(local);
    sc.addressable.push_back(local);
    statements(sc, inner, uniform(1, 3), depth + 1);
    restore(sc, saved);
    s.blocks.push_back(std::move(inner));
    b.statements.push_back(std::move(s));
  }
  void switch_statement(SCOPE& sc, BLOCK& b, int depth) {
    STATEMENT s;
    s.kind = STATEMENT_KIND::SWITCH;
    s.expressions.push_back(expression(sc, 1, false));
    std::set<int32_t> values;
    const int cases = uniform(1, 3);
    while (static_cast<int>(values.size()) < cases) values.insert(uniform(-2, 5));
    const bool could_break = sc.can_break;
    sc.can_break = true;
    for (int32_t v : values) {
      s.case_values.push_back(v);
      s.blocks.push_back(nested(sc, uniform(1, 2), depth + 1));
    }
    if (chance(50)) s.blocks.push_back(nested(sc, uniform(1, 2), depth + 1));
    sc.can_break = could_break;
    b.statements.push_back(std::move(s));
  }
  // if (test) { only }
  static void guarded(BLOCK& b, EXPR test, STATEMENT only) {
    STATEMENT s;
    s.kind = STATEMENT_KIND::IF;
    s.expressions.push_back(std::move(test));
    BLOCK then;
    then.statements.push_back(std::move(only));
    s.blocks.push_back(std::move(then));
    b.statements.push_back(std::move(s));
  }
  // if (c) break; or if (c) continue;
  void early_exit(SCOPE& sc, BLOCK& b) {
    EXPR test = condition(sc);
    STATEMENT exit;
    exit.kind = sc.can_continue && chance(40) ? STATEMENT_KIND::CONTINUE : STATEMENT_KIND::BREAK;
    guarded(b, std::move(test), std::move(exit));
  }
  void early_return(SCOPE& sc, BLOCK& b) {
    EXPR test = condition(sc);
    guarded(b, std::move(test), return_statement(source(sc)));
  }
  void statement(SCOPE& sc, BLOCK& b, int depth) {
    const bool nest = depth < 3;
    const bool value_function = p_.functions[sc.function].returns_value;
    switch (weighted({34, sc.calls && !callees(sc, false).empty() ? 10 : 0, 8, 3, nest ? 14 : 0,
                      nest && sc.loops && sc.loop_depth < 2 ? 14 : 0, nest && s_.switches ? 3 : 0,
                      nest ? 4 : 0, 6, value_function && depth > 1 ? 2 : 0,
                      sc.can_break ? 3 : 0})) {
      case 0:
        return assignment(sc, b);
      case 1:
        return call_statement(sc, b);
      case 2:
        return increment(sc, b);
      case 3:
        return chance(50) ? copy_then_increment(sc, b) : comma_statement(sc, b);
      case 4:
        return if_statement(sc, b, depth);
      case 5:
        return loop(sc, b, depth);
      case 6:
        return switch_statement(sc, b, depth);
      case 7:
        return block_statement(sc, b, depth);
      case 8:
        return out_statement(sc, b);
      case 9:
        return early_return(sc, b);
      default:
        return early_exit(sc, b);
    }
  }
  void statements(SCOPE& sc, BLOCK& b, int count, int depth) {
    for (int i = 0; i < count; ++i) statement(sc, b, depth);
  }

  // Loops: a counter of their own, which nothing but the loop writes, runs 0 to 6 times.
  enum class LOOP { FOR_UP, FOR_DOWN, WHILE_UP, WHILE_DOWN, DO_UP, DO_DOWN };
  STATEMENT step(int counter, bool up) {
    switch (uniform(0, 2)) {
      case 0:
        return expression_statement(
            node(up ? OP::POST_INCREMENT : OP::POST_DECREMENT, {variable_expr(counter)}));
      case 1:
        return assignment_statement(up ? ASSIGN_OP::ADD : ASSIGN_OP::SUBTRACT,
                                    variable_expr(counter), constant_expr(1));
      default:
        return assignment_statement(
            ASSIGN_OP::SET, variable_expr(counter),
            node(up ? OP::PLUS : OP::MINUS, {variable_expr(counter), constant_expr(1)}));
    }
  }
  EXPR loop_condition(int counter, bool up, int bound) {
    const EXPR i = variable_expr(counter);
    if (up) {
      switch (uniform(0, bound >= 1 ? 3 : 2)) {
        case 0:
          return node(OP::LT, {i, constant_expr(bound)});
        case 1:
          return node(OP::NE, {i, constant_expr(bound)});
        case 2:
          return node(OP::GT, {constant_expr(bound), i});
        default:
          return node(OP::LE, {i, constant_expr(bound - 1)});
      }
    }
    switch (uniform(0, 3)) {
      case 0:
        return node(OP::GT, {i, constant_expr(0)});
      case 1:
        return node(OP::NE, {i, constant_expr(0)});
      case 2:
        return node(OP::LT, {constant_expr(0), i});
      default:
        return i;
    }
  }
  void loop(SCOPE& sc, BLOCK& b, int depth) {
    const LOOP kind = static_cast<LOOP>(uniform(0, 5));
    const bool do_loop = kind == LOOP::DO_UP || kind == LOOP::DO_DOWN;
    const bool up = kind == LOOP::FOR_UP || kind == LOOP::WHILE_UP || kind == LOOP::DO_UP;
    const int bound = uniform(do_loop ? 1 : 0, sc.loop_depth == 0 ? 6 : 3);
    const int counter =
        add_variable("i", s_.unsigned_types && chance(20) ? KIND::UNSIGNED : KIND::INT);
    p_.variables[counter].initial = {0};
    sc.top->locals.push_back(counter);
    counter_max_[counter] = bound;

    STATEMENT s;
    s.expressions.push_back(loop_condition(counter, up, bound));
    const EXPR start = constant_expr(up ? 0 : bound);
    // The counter's values in the body: a step at the body's end leaves them as they were
    // tested; a step at its start (the downward while and do loops) lowers them by one first.
    const bool step_first = kind == LOOP::WHILE_DOWN || kind == LOOP::DO_DOWN;
    const COUNTER values =
        kind == LOOP::FOR_DOWN ? COUNTER{counter, 1, bound} : COUNTER{counter, 0, bound - 1};
    const SCOPE saved = sc;
    sc.counters.push_back(values);
    ++sc.loop_depth;
    sc.can_break = true;
    // A while or do loop stepping at its end would skip the step.
    sc.can_continue = kind == LOOP::FOR_UP || kind == LOOP::FOR_DOWN || step_first;
    BLOCK body;
    if (step_first) body.statements.push_back(step(counter, up));
    statements(sc, body, uniform(1, 3), depth + 1);
    restore(sc, saved);
    if (!step_first && kind != LOOP::FOR_UP && kind != LOOP::FOR_DOWN)
      body.statements.push_back(step(counter, up));
    s.blocks.push_back(std::move(body));

    if (kind == LOOP::FOR_UP || kind == LOOP::FOR_DOWN) {
      s.kind = STATEMENT_KIND::FOR;
      s.parts.push_back(assignment_statement(ASSIGN_OP::SET, variable_expr(counter), start));
      s.parts.push_back(step(counter, up));
    } else {
      b.statements.push_back(assignment_statement(ASSIGN_OP::SET, variable_expr(counter), start));
      s.kind = do_loop ? STATEMENT_KIND::DO_WHILE : STATEMENT_KIND::WHILE;
    }
    b.statements.push_back(std::move(s));
    sc.readable.push_back(counter);
  }

  // Declarations and functions ---------------------------------------------------------------

  void make_globals() {
    const int scalars = uniform(2, 4);
    for (int i = 0; i < scalars; ++i) {
      const int g = add_variable("g", scalar_kind());
      p_.variables[g].initial = {constant()};
      p_.globals.push_back(g);
      global_scalars_.push_back(g);
    }
    const int arrays = uniform(1, 2);
    for (int i = 0; i < arrays; ++i) {
      std::vector<int> sizes = {2, 4};
      if (s_.ram_words >= 256) sizes.push_back(8);
      const int a = add_variable("a", scalar_kind(), pick(sizes));
      for (int k = 0; k < p_.variables[a].size; ++k) p_.variables[a].initial.push_back(constant());
      p_.globals.push_back(a);
      global_arrays_.push_back(a);
    }
    VARIABLE out;
    out.name = "out";
    out.size = s_.out_size;
    out.initial.assign(s_.out_size, 0);
    p_.variables.push_back(out);
    p_.out = static_cast<int>(p_.variables.size()) - 1;
    p_.globals.push_back(p_.out);
    global_arrays_.push_back(p_.out);
  }
  SCOPE global_scope(int function) {
    SCOPE sc;
    sc.function = function;
    sc.readable = global_scalars_;
    sc.writable = global_scalars_;
    sc.addressable = global_scalars_;
    sc.arrays = global_arrays_;
    return sc;
  }
  int begin_function(const std::string& prefix, bool returns_value, KIND kind, bool recursive) {
    FUNCTION f;
    f.name = prefix == "main" ? "main" : prefix + std::to_string(next_name_++);
    f.returns_value = returns_value;
    f.return_kind = kind;
    if (returns_value) f.result = add_variable(f.name + "_result", kind);
    p_.functions.push_back(std::move(f));
    frames_.push_back(1);
    recursive_.push_back(recursive);
    return static_cast<int>(p_.functions.size()) - 1;
  }
  void local_scalars(SCOPE& sc, BLOCK& body, int count) {
    for (int i = 0; i < count; ++i) {
      const int l = add_variable("l", scalar_kind());
      p_.variables[l].initial = {constant()};
      body.locals.push_back(l);
      sc.readable.push_back(l);
      sc.writable.push_back(l);
      sc.addressable.push_back(l);
    }
  }
  STATEMENT return_statement(EXPR e) {
    STATEMENT r;
    r.kind = STATEMENT_KIND::RETURN;
    r.expressions.push_back(std::move(e));
    return r;
  }

  void make_helper() {
    const int kind = weighted({55, s_.unsigned_types ? 15 : 0, 30});
    const int f = begin_function("f", kind < 2, kind == 1 ? KIND::UNSIGNED : KIND::INT, false);
    SCOPE sc = global_scope(f);
    const int parameters = uniform(0, 3);
    for (int i = 0; i < parameters; ++i) {
      const int choice = weighted({70, s_.unsigned_types ? 20 : 0, s_.pointers ? 10 : 0});
      const int v = add_variable("p", static_cast<KIND>(choice));
      p_.functions[f].parameters.push_back(v);
      if (choice == 2) {
        std::vector<int> sizes = {1};
        for (int a : global_arrays_) sizes.push_back(p_.variables[a].size);
        p_.variables[v].target_size = pick(sizes);
        sc.pointers.push_back(v);
      } else {
        sc.readable.push_back(v);
        sc.writable.push_back(v);
      }
    }
    BLOCK body;
    sc.top = &body;
    local_scalars(sc, body, uniform(0, 2));
    statements(sc, body, uniform(2, s_.statements), 1);
    if (p_.functions[f].returns_value) body.statements.push_back(return_statement(source(sc)));
    p_.functions[f].body = std::move(body);
    frames_[f] = 1 + sc.frames;
  }

  // A function calling itself on n - 1 down to 0: a test of n first, then statements that may
  // call it again (twice at most, outside loops), then for a value function a return of a value
  // that calls it once more.
  void make_recursive() {
    const bool returns_value = chance(60);
    const int f = begin_function("r", returns_value, KIND::INT, true);
    const int n_parameter = add_variable("p", KIND::INT);
    p_.functions[f].parameters.push_back(n_parameter);
    frames_[f] = recursion_limit + 2;  // the last one may call a multiply or divide routine
    SCOPE sc = global_scope(f);
    sc.readable.push_back(n_parameter);
    sc.helper_calls = false;
    sc.self = f;
    sc.self_parameter = n_parameter;
    sc.self_calls_left = 2;
    BLOCK body;
    sc.top = &body;
    local_scalars(sc, body, uniform(0, 1));
    const EXPR n_expr = variable_expr(n_parameter);
    if (returns_value) {
      STATEMENT base;
      base.kind = STATEMENT_KIND::IF;
      static const OP tests[] = {OP::LE, OP::LT, OP::GE, OP::EQ};
      const OP test = tests[uniform(0, 3)];
      base.expressions.push_back(test == OP::LE   ? node(OP::LE, {n_expr, constant_expr(0)})
                                 : test == OP::LT ? node(OP::LT, {n_expr, constant_expr(1)})
                                 : test == OP::GE ? node(OP::GE, {constant_expr(0), n_expr})
                                                  : node(OP::EQ, {n_expr, constant_expr(0)}));
      BLOCK then;
      SCOPE base_scope = sc;
      base_scope.self = -1;
      then.statements.push_back(return_statement(expression(base_scope, 2, false)));
      base.blocks.push_back(std::move(then));
      body.statements.push_back(std::move(base));
      statements(sc, body, uniform(0, 3), 2);
      sc.self_calls_left = std::max(sc.self_calls_left, 1);
      static const OP combine[] = {OP::PLUS, OP::MINUS, OP::AND, OP::OR};
      const OP op = combine[uniform(0, 3)];
      EXPR value;
      switch (uniform(0, 2)) {
        case 0:
          value = node(op, {self_call(sc), safe_leaf(sc)});
          break;
        case 1:
          value = node(op, {expression(sc, 2, false), self_call(sc)});
          break;
        default:
          value = self_call(sc);
      }
      body.statements.push_back(return_statement(std::move(value)));
    } else {
      STATEMENT test;
      test.kind = STATEMENT_KIND::IF;
      test.expressions.push_back(node(OP::GT, {n_expr, constant_expr(0)}));
      BLOCK then;
      --sc.self_calls_left;
      statements(sc, then, uniform(1, 2), 2);
      ++sc.self_calls_left;
      then.statements.push_back(expression_statement(self_call(sc)));
      statements(sc, then, uniform(0, 2), 2);
      test.blocks.push_back(std::move(then));
      body.statements.push_back(std::move(test));
    }
    p_.functions[f].body = std::move(body);
  }

  void make_main() {
    const int f = begin_function("main", false, KIND::INT, false);
    SCOPE sc = global_scope(f);
    BLOCK body;
    sc.top = &body;
    local_scalars(sc, body, uniform(1, 3));
    std::vector<int> local_arrays;
    if (chance(20)) {
      const int a = add_variable("a", scalar_kind(), chance(50) ? 2 : 4);
      for (int k = 0; k < p_.variables[a].size; ++k) p_.variables[a].initial.push_back(constant());
      body.locals.push_back(a);
      sc.arrays.push_back(a);
      local_arrays.push_back(a);
    }
    if (s_.pointers && chance(40)) {
      const int q = add_variable("q", KIND::POINTER);
      body.locals.push_back(q);
      EXPR target;
      if (chance(50)) {
        target = variable_expr(pick(sc.addressable), OP::ADDRESS_OF);
        p_.variables[q].target_size = 1;
      } else {
        const int a = pick(sc.arrays);
        target = variable_expr(a);
        p_.variables[q].target_size = p_.variables[a].size;
      }
      body.statements.push_back(assignment_statement(ASSIGN_OP::SET, variable_expr(q), target));
      sc.pointers.push_back(q);
    }
    statements(sc, body, uniform(s_.statements, s_.statements + 3), 1);

    // Every variable's final value reaches `out`, added into the words in turn.
    std::vector<EXPR> observed;
    for (int v : global_scalars_) observed.push_back(variable_expr(v));
    for (int l : body.locals)
      if (!counter_max_.count(l) && p_.variables[l].kind != KIND::POINTER &&
          p_.variables[l].size == 0)
        observed.push_back(variable_expr(l));
    for (int a : global_arrays_)
      if (a != p_.out)
        for (int k = 0; k < p_.variables[a].size; ++k)
          observed.push_back(element_expr(a, constant_expr(k)));
    for (int a : local_arrays)
      for (int k = 0; k < p_.variables[a].size; ++k)
        observed.push_back(element_expr(a, constant_expr(k)));
    const int words = p_.variables[p_.out].size;
    for (size_t i = 0; i < observed.size(); ++i) {
      EXPR word = element_expr(p_.out, constant_expr(static_cast<int32_t>(i % words)));
      body.statements.push_back(
          assignment_statement(ASSIGN_OP::SET, word, node(OP::PLUS, {word, observed[i]})));
    }
    p_.functions[f].body = std::move(body);
  }

  std::mt19937 random_;
  SETTINGS s_;
  PROGRAM p_;
  int next_name_ = 0;
  std::vector<int> global_scalars_, global_arrays_;
  std::vector<int> frames_;         // per function: return addresses its deepest call chain needs
  std::vector<bool> recursive_;     // per function
  std::map<int, int> counter_max_;  // loop counters: the largest value each ever holds
};

int temporaries(const EXPR& e) {
  if (folded(e)) return 0;
  int count = 0;
  for (const EXPR& o : e.operands) count += temporaries(o);
  switch (e.op) {
    case OP::CONSTANT:
    case OP::VARIABLE:
    case OP::ELEMENT:
    case OP::CALL:
      return count;
    default:
      if (is_shift(e.op) && !folded(e.operands[1])) ++count;  // the counter's copy
      return count + 1;
  }
}
int temporaries(const BLOCK& b);
int temporaries(const STATEMENT& s) {
  int count = 0;
  for (const EXPR& e : s.expressions) count += temporaries(e);
  for (const BLOCK& b : s.blocks) count += temporaries(b);
  for (const STATEMENT& part : s.parts) count += temporaries(part);
  if (s.kind == STATEMENT_KIND::ASSIGN && s.assign != ASSIGN_OP::SET) ++count;
  return count;
}
int temporaries(const BLOCK& b) {
  int count = 0;
  for (const STATEMENT& s : b.statements) count += temporaries(s);
  return count;
}

bool calls(const EXPR& e, int function) {
  if (e.op == OP::CALL && e.function == function) return true;
  for (const EXPR& o : e.operands)
    if (calls(o, function)) return true;
  return false;
}
bool calls(const BLOCK& b, int function);
bool calls(const STATEMENT& s, int function) {
  for (const EXPR& e : s.expressions)
    if (calls(e, function)) return true;
  for (const STATEMENT& part : s.parts)
    if (calls(part, function)) return true;
  for (const BLOCK& b : s.blocks)
    if (calls(b, function)) return true;
  return false;
}
bool calls(const BLOCK& b, int function) {
  for (const STATEMENT& s : b.statements)
    if (calls(s, function)) return true;
  return false;
}

int nodes(const EXPR& e) {
  int count = 1;
  for (const EXPR& o : e.operands) count += nodes(o);
  return count;
}
int nodes(const BLOCK& b);
int nodes(const STATEMENT& s) {
  int count = 1;
  for (const EXPR& e : s.expressions) count += nodes(e);
  for (const BLOCK& b : s.blocks) count += nodes(b);
  for (const STATEMENT& part : s.parts) count += nodes(part);
  return count;
}
int nodes(const BLOCK& b) {
  int count = 0;
  for (const STATEMENT& s : b.statements) count += nodes(s);
  return count;
}

}  // namespace

int node_count(const PROGRAM& program) {
  int count = 0;
  for (const FUNCTION& f : program.functions) count += nodes(f.body);
  return count;
}

int worst_case_ram_words(const PROGRAM& program, int stack_depth) {
  int words = 0;
  for (const VARIABLE& v : program.variables)
    words += std::max(1, v.size) + (v.initial_value ? temporaries(*v.initial_value) : 0);
  for (const FUNCTION& f : program.functions) words += temporaries(f.body);
  // A function calling itself keeps its caller's parameters, locals and intermediate values
  // somewhere: at most a frame of all of them, with the two temporary registers, per return
  // address the stack holds, and a two-word pointer.
  for (size_t index = 0; index < program.functions.size(); ++index) {
    const FUNCTION& f = program.functions[index];
    if (!calls(f.body, static_cast<int>(index))) continue;
    int frame = 2 + static_cast<int>(f.parameters.size()) + temporaries(f.body);
    std::function<void(const BLOCK&)> walk = [&](const BLOCK& b) {
      for (int local : b.locals) {
        const VARIABLE& v = program.variables[local];
        frame += std::max(1, v.size) + (v.initial_value ? temporaries(*v.initial_value) : 0);
      }
      for (const STATEMENT& s : b.statements)
        for (const BLOCK& inner : s.blocks) walk(inner);
    };
    walk(f.body);
    words += 2 + stack_depth * frame;
  }
  return words;
}

PROGRAM generate(uint32_t seed, const SETTINGS& settings) {
  PROGRAM program;
  for (uint32_t attempt = 0; attempt < 100; ++attempt) {
    program = GENERATOR(seed + attempt * 0x9E3779B9u, settings).run();
    if (worst_case_ram_words(program, settings.stack_depth) <= settings.ram_words &&
        node_count(program) <= settings.node_limit)
      break;
  }
  return program;
}

}  // namespace random_program
