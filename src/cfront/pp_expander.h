// Macro expansion by C's rules: a use is replaced by its macro's tokens, arguments substituted
// (fully expanded first, except next to # and ##), and the result rescanned with the rest of the
// input. Each token carries the set of macros that made it, which it does not expand again, so
// self-referring macros end as C says.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "cfront/pp_token.h"

class DEFINE_MACRO;

using PP_INPUT = std::deque<PP_TOKEN>;

// What the expander needs from the file it works for.
struct PP_CONTEXT {
  // The most recent macro of that name, or nullptr.
  std::function<const DEFINE_MACRO*(const std::string& name)> find;
  // The text a predefined name stands for at its use, or nothing when the name is not one.
  std::function<std::optional<std::string>(const std::string& name, SPOT use)> predefined;
  std::function<void(SPOT where, const std::string& message)> report;
};

// Appends the next tokens of the file to the input; false when there are none. When only_paren
// is set, it appends them only when they begin with "(" (a function-like name ends a line).
using PP_MORE = std::function<bool(PP_INPUT& input, bool only_paren)>;

class PP_EXPANDER {
 public:
  explicit PP_EXPANDER(const PP_CONTEXT& context) : context_(context) {}

  // Takes the input's first token: a macro use goes back to the input's front as its
  // replacement, to be rescanned; any other token goes to output.
  void step(PP_INPUT& input, PP_TOKENS& output, const PP_MORE& more);
  // The complete expansion of tokens, which nothing follows.
  PP_TOKENS expand_all(const PP_TOKENS& tokens);
  // Whether a word would expand (a macro or a predefined name).
  bool is_macro(const std::string& name) const;

 private:
  bool expand_predefined(const PP_TOKEN& use, PP_TOKENS& output);
  bool collect_arguments(const PP_TOKEN& use, PP_INPUT& input, const PP_MORE& more,
                         std::size_t fixed, std::vector<PP_TOKENS>& arguments, PP_TOKEN& closing);
  bool arguments_fit(const DEFINE_MACRO& macro, std::vector<PP_TOKENS>& arguments,
                     const PP_TOKEN& use);
  PP_TOKENS substitute(const DEFINE_MACRO& macro, const std::vector<PP_TOKENS>& arguments,
                       const std::vector<std::string>& hide_set, SPOT first, SPOT last);
  void span_use(PP_TOKENS& output, int macro, SPOT first, SPOT last);
  void paste(PP_TOKENS& output, PP_TOKENS right, const DEFINE_MACRO& macro, SPOT first);

  const PP_CONTEXT& context_;
};

// The string literal that # makes of an argument.
std::string stringize(const PP_TOKENS& argument);
