// Recursive descent over the operators of C, lowest precedence first; && || and ?: still read
// the operand they do not need, but a division by zero there is no error, as in C.
#include "cfront/pp_condition.h"

#include <array>
#include <string_view>

#include "cfront/c_parser.h"
#include "cfront/integer_literal.h"

namespace {

struct BINARY_LEVEL {
  std::array<std::string_view, 4> operators;
};

// From the loosest binding to the tightest, below the unary operators.
constexpr std::array<BINARY_LEVEL, 8> binary_levels{{
    {{"|"}},
    {{"^"}},
    {{"&"}},
    {{"==", "!="}},
    {{"<", ">", "<=", ">="}},
    {{"<<", ">>"}},
    {{"+", "-"}},
    {{"*", "/", "%"}},
}};

struct NESTING {
  explicit NESTING(int& depth) : depth_(depth) { ++depth_; }
  ~NESTING() { --depth_; }
  NESTING(const NESTING&) = delete;
  NESTING& operator=(const NESTING&) = delete;
  int& depth_;
};

class CONDITION_READER {
 public:
  CONDITION_READER(const PP_TOKENS& tokens, SPOT end_spot, const PP_REPORT& report)
      : end_spot_(end_spot), report_(report) {
    for (const PP_TOKEN& token : tokens)
      if (token.kind != PP_KIND::space) tokens_.push_back(&token);
  }

  std::optional<PP_VALUE> read() {
    if (tokens_.empty()) return fail(end_spot_, "#if without an expression."), std::nullopt;
    PP_VALUE value = conditional(true);
    if (!failed_ && at_ < tokens_.size()) fail(tokens_[at_]->first, "Bad #if expression.");
    if (failed_) return std::nullopt;
    return value;
  }

 private:
  // conditional := logical-or [ "?" expression ":" conditional ]
  PP_VALUE conditional(bool live) {
    PP_VALUE condition = logical(live, 0);
    if (!take("?")) return condition;
    PP_VALUE yes = conditional(live && condition.value != 0);
    if (!take(":")) fail(spot(), "\":\" expected in #if expression.");
    PP_VALUE no = conditional(live && condition.value == 0);
    PP_VALUE result = condition.value != 0 ? yes : no;
    result.is_unsigned = yes.is_unsigned || no.is_unsigned;
    return result;
  }

  // logical-or := logical-and { "||" logical-and }; logical-and := binary { "&&" binary }
  PP_VALUE logical(bool live, int level) {
    const char* word = level == 0 ? "||" : "&&";
    PP_VALUE left = level == 0 ? logical(live, 1) : binary(live, 0);
    while (take(word)) {
      const bool decided = level == 0 ? left.value != 0 : left.value == 0;
      PP_VALUE right = level == 0 ? logical(live && !decided, 1) : binary(live && !decided, 0);
      left = PP_VALUE{level == 0 ? (left.value || right.value) : (left.value && right.value)};
    }
    return left;
  }

  // binary(level) := binary(level + 1) { operator-of-level binary(level + 1) }
  PP_VALUE binary(bool live, std::size_t level) {
    if (level == binary_levels.size()) return unary(live);
    PP_VALUE left = binary(live, level + 1);
    for (;;) {
      const PP_TOKEN* token = peek();
      std::string_view op;
      for (std::string_view candidate : binary_levels[level].operators)
        if (!candidate.empty() && token != nullptr && token->is_punctuator(candidate.data()))
          op = candidate;
      if (op.empty()) return left;
      ++at_;
      left = apply(op, left, binary(live, level + 1), live, *token);
    }
  }

  PP_VALUE apply(std::string_view op, PP_VALUE a, PP_VALUE b, bool live, const PP_TOKEN& at) {
    const bool u = a.is_unsigned || b.is_unsigned;
    const uint64_t x = static_cast<uint64_t>(a.value), y = static_cast<uint64_t>(b.value);
    auto make = [](uint64_t v, bool is_unsigned) {
      return PP_VALUE{static_cast<int64_t>(v), is_unsigned};
    };
    auto truth = [](bool v) { return PP_VALUE{v ? 1 : 0}; };
    if (op == "+") return make(x + y, u);
    if (op == "-") return make(x - y, u);
    if (op == "*") return make(x * y, u);
    if (op == "/" || op == "%") {
      if (b.value == 0) {
        if (live) fail(at.first, "Division by zero in #if expression.");
        return PP_VALUE{0, u};
      }
      if (u) return make(op == "/" ? x / y : x % y, true);
      if (b.value == -1) return make(op == "/" ? 0 - x : 0, false);
      return PP_VALUE{op == "/" ? a.value / b.value : a.value % b.value};
    }
    if (op == "<<") return make(b.value >= 64 || b.value < 0 ? 0 : x << y, a.is_unsigned);
    if (op == ">>") {
      if (b.value >= 64 || b.value < 0) return PP_VALUE{a.value < 0 && !a.is_unsigned ? -1 : 0};
      return a.is_unsigned ? make(x >> y, true) : PP_VALUE{a.value >> b.value};
    }
    if (op == "&") return make(x & y, u);
    if (op == "|") return make(x | y, u);
    if (op == "^") return make(x ^ y, u);
    if (op == "==") return truth(x == y);
    if (op == "!=") return truth(x != y);
    const bool less = u ? x < y : a.value < b.value;
    const bool greater = u ? x > y : a.value > b.value;
    if (op == "<") return truth(less);
    if (op == ">") return truth(greater);
    if (op == "<=") return truth(!greater);
    return truth(!less);
  }

  // unary := ( "+" | "-" | "~" | "!" ) unary | primary
  PP_VALUE unary(bool live) {
    NESTING nesting(depth_);
    if (depth_ > nesting_limit) {
      fail(spot(), "Nesting too deep.");
      at_ = tokens_.size();
      return PP_VALUE{};
    }
    if (take("+")) return unary(live);
    if (take("-")) {
      PP_VALUE v = unary(live);
      return PP_VALUE{static_cast<int64_t>(0 - static_cast<uint64_t>(v.value)), v.is_unsigned};
    }
    if (take("~")) {
      PP_VALUE v = unary(live);
      return PP_VALUE{~v.value, v.is_unsigned};
    }
    if (take("!")) return PP_VALUE{unary(live).value == 0 ? 1 : 0};
    return primary(live);
  }

  // primary := number | character | identifier | "(" conditional ")"
  PP_VALUE primary(bool live) {
    const PP_TOKEN* token = peek();
    if (token == nullptr) return fail(end_spot_, "Bad #if expression."), PP_VALUE{};
    ++at_;
    if (token->is_punctuator("(")) {
      PP_VALUE value = conditional(live);
      if (!take(")")) fail(spot(), "\")\" expected in #if expression.");
      return value;
    }
    if (token->kind == PP_KIND::identifier) return PP_VALUE{};
    if (token->kind == PP_KIND::number) return number(*token);
    if (token->kind == PP_KIND::character) return character(*token);
    fail(token->first, "Bad #if expression.");
    return PP_VALUE{};
  }

  PP_VALUE number(const PP_TOKEN& token) {
    const std::string& text = token.text;
    std::size_t i = 0;
    int base = 10;
    if (text.size() > 1 && text[0] == '0') {
      const char x = text[1];
      base = x == 'x' || x == 'X' ? 16 : x == 'b' || x == 'B' ? 2 : 8;
      i = base == 8 ? 1 : 2;
    }
    uint64_t value = 0;
    for (int digit; i < text.size() && (digit = hexadecimal_digit(text[i])) >= 0 && digit < base;
         ++i)
      value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    INTEGER_SUFFIX suffix;
    while (i < text.size() && suffix.take(text[i])) ++i;
    if (i != text.size()) fail(token.first, "Bad number in #if expression.");
    return PP_VALUE{static_cast<int64_t>(value), suffix.is_unsigned()};
  }

  PP_VALUE character(const PP_TOKEN& token) {
    const std::string& text = token.text;
    if (text.size() == 3 && text[1] != '\\') return PP_VALUE{static_cast<unsigned char>(text[1])};
    static constexpr std::string_view letters = "ntrabfv\\'\"?0";
    static constexpr char codes[] = {'\n', '\t', '\r', '\a', '\b', '\f',
                                     '\v', '\\', '\'', '"',  '?',  0};
    if (text.size() == 4 && text[1] == '\\' && letters.find(text[2]) != std::string_view::npos)
      return PP_VALUE{codes[letters.find(text[2])]};
    fail(token.first, "Bad character constant in #if expression.");
    return PP_VALUE{};
  }

  const PP_TOKEN* peek() const { return at_ < tokens_.size() ? tokens_[at_] : nullptr; }
  SPOT spot() const { return at_ < tokens_.size() ? tokens_[at_]->first : end_spot_; }
  bool take(const char* word) {
    if (peek() == nullptr || !peek()->is_punctuator(word)) return false;
    ++at_;
    return true;
  }
  void fail(SPOT where, const std::string& message) {
    if (!failed_) report_(where, message);
    failed_ = true;
  }

  std::vector<const PP_TOKEN*> tokens_;
  std::size_t at_ = 0;
  int depth_ = 0;  // of unary operators and parentheses, bounded as in code
  SPOT end_spot_;
  const PP_REPORT& report_;
  bool failed_ = false;
};

}  // namespace

std::optional<PP_VALUE> evaluate_condition(const PP_TOKENS& tokens, SPOT end_spot,
                                           const PP_REPORT& report) {
  return CONDITION_READER(tokens, end_spot, report).read();
}
