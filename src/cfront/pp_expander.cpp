// The hide-set rules: an object-like use adds its name to its own hide set; a function-like use
// takes the hide sets common to its name and its closing parenthesis, plus its name. Arguments
// are collected at parenthesis depth 0, so a comma inside parentheses stays in its argument.
#include "cfront/pp_expander.h"

#include <algorithm>
#include <cstdint>

#include "cfront/macro.h"
#include "cfront/pp_tokenizer.h"

namespace {

// A token of no text: an empty argument next to ##, removed once the pastes are done.
PP_TOKEN placemarker() {
  PP_TOKEN token;
  token.written = false;
  return token;
}

bool is_placemarker(const PP_TOKEN& token) {
  return token.kind == PP_KIND::other && token.text.empty();
}

// A token of a macro's text, standing for the whole use.
PP_TOKEN made(const PP_TOKEN& token, SPOT first, SPOT last, int macro) {
  PP_TOKEN copy = token;
  copy.first = SPOT{first.line, first.column, macro};
  copy.last = SPOT{last.line, last.column, macro};
  copy.written = false;
  return copy;
}

std::vector<std::string> common_hide_set(const PP_TOKEN& a, const PP_TOKEN& b) {
  std::vector<std::string> common;
  for (const std::string& name : a.hide_set)
    if (b.hides(name)) common.push_back(name);
  return common;
}

void add_hide_set(PP_TOKENS& tokens, const std::vector<std::string>& hide_set) {
  for (PP_TOKEN& token : tokens)
    for (const std::string& name : hide_set)
      if (!token.hides(name)) token.hide_set.push_back(name);
}

// The next token that is no space, taking more input when it runs out; nullptr at the end.
const PP_TOKEN* next_solid(PP_INPUT& input, std::size_t& i, const PP_MORE& more, bool only_paren) {
  for (;; ++i) {
    while (i >= input.size())
      if (!more || !more(input, only_paren)) return nullptr;
    if (input[i].kind != PP_KIND::space) return &input[i];
  }
}

void trim_spaces(PP_TOKENS& tokens) {
  while (!tokens.empty() && tokens.back().kind == PP_KIND::space) tokens.pop_back();
  auto first = std::find_if(tokens.begin(), tokens.end(),
                            [](const PP_TOKEN& t) { return t.kind != PP_KIND::space; });
  tokens.erase(tokens.begin(), first);
}

}  // namespace

std::string stringize(const PP_TOKENS& argument) {
  std::string text = "\"";
  bool space = false;
  for (const PP_TOKEN& token : argument) {
    if (token.kind == PP_KIND::space) {
      space = text.size() > 1;
      continue;
    }
    if (space) text += ' ';
    space = false;
    const bool quoted = token.kind == PP_KIND::string || token.kind == PP_KIND::character;
    for (char c : token.text) {
      if (quoted && (c == '"' || c == '\\')) text += '\\';
      text += c;
    }
  }
  return text + "\"";
}

bool PP_EXPANDER::is_macro(const std::string& name) const {
  return context_.find(name) != nullptr || context_.predefined(name, SPOT{});
}

bool PP_EXPANDER::expand_predefined(const PP_TOKEN& use, PP_TOKENS& output) {
  std::optional<std::string> text = context_.predefined(use.text, use.first);
  if (!text) return false;
  for (PP_TOKEN& token : PP_TOKENIZER::tokenize_text(*text, use.first)) {
    token.first = SPOT{use.first.line, use.first.column, use.first.macro};
    token.last = use.last;
    output.push_back(std::move(token));
  }
  return true;
}

void PP_EXPANDER::step(PP_INPUT& input, PP_TOKENS& output, const PP_MORE& more) {
  PP_TOKEN use = std::move(input.front());
  input.pop_front();
  const DEFINE_MACRO* macro =
      use.kind == PP_KIND::identifier && !use.hides(use.text) ? context_.find(use.text) : nullptr;
  if (macro == nullptr) {
    if (use.kind != PP_KIND::identifier || use.hides(use.text) || !expand_predefined(use, output))
      output.push_back(std::move(use));
    return;
  }
  std::vector<std::string> hide_set = use.hide_set;
  hide_set.push_back(use.text);
  SPOT last = use.last;
  std::vector<PP_TOKENS> arguments;
  if (macro->function_like) {
    std::size_t i = 0;
    const PP_TOKEN* open = next_solid(input, i, more, true);
    if (open == nullptr || !open->is_punctuator("(")) return output.push_back(std::move(use));
    input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    PP_TOKEN closing;
    const std::size_t fixed = macro->variadic ? macro->parameters.size() - 1 : SIZE_MAX;
    if (!collect_arguments(use, input, more, fixed, arguments, closing)) return;
    if (!arguments_fit(*macro, arguments, use)) return;
    hide_set = common_hide_set(use, closing);
    hide_set.push_back(use.text);
    last = closing.last;
  }
  PP_TOKENS replacement = substitute(*macro, arguments, hide_set, use.first, last);
  input.insert(input.begin(), replacement.begin(), replacement.end());
}

// After the "(": the arguments up to the matching ")", which goes to closing. The commas after
// the first fixed arguments stay in the last one (the variable arguments).
bool PP_EXPANDER::collect_arguments(const PP_TOKEN& use, PP_INPUT& input, const PP_MORE& more,
                                    std::size_t fixed, std::vector<PP_TOKENS>& arguments,
                                    PP_TOKEN& closing) {
  arguments.emplace_back();
  for (int depth = 0;;) {
    while (input.empty())
      if (!more || !more(input, false)) {
        context_.report(use.first, "The call of macro \"" + use.text + "\" is not closed.");
        return false;
      }
    PP_TOKEN token = std::move(input.front());
    input.pop_front();
    if (token.is_punctuator(")") && depth == 0) {
      closing = std::move(token);
      return true;
    }
    if (token.is_punctuator(",") && depth == 0 && arguments.size() <= fixed) {
      arguments.emplace_back();
      continue;
    }
    if (token.is_punctuator("(")) ++depth;
    if (token.is_punctuator(")")) --depth;
    if (token.kind == PP_KIND::space) token.text = " ";
    arguments.back().push_back(std::move(token));
  }
}

bool PP_EXPANDER::arguments_fit(const DEFINE_MACRO& macro, std::vector<PP_TOKENS>& arguments,
                                const PP_TOKEN& use) {
  for (PP_TOKENS& argument : arguments) trim_spaces(argument);
  const std::size_t wanted = macro.parameters.size();
  if (wanted == 0 && arguments.size() == 1 && arguments[0].empty()) arguments.clear();
  if (macro.variadic && arguments.size() + 1 == wanted) arguments.emplace_back();
  if (arguments.size() == wanted) return true;
  context_.report(use.first, "Macro \"" + use.text + "\" takes " + std::to_string(wanted) +
                                 " argument" + (wanted == 1 ? "" : "s") + ", " +
                                 std::to_string(arguments.size()) + " given.");
  return false;
}

// The macro's tokens with each parameter replaced: after #, by its string; next to ##, by its
// tokens as written; elsewhere by its complete expansion.
PP_TOKENS PP_EXPANDER::substitute(const DEFINE_MACRO& macro,
                                  const std::vector<PP_TOKENS>& arguments,
                                  const std::vector<std::string>& hide_set, SPOT first, SPOT last) {
  const PP_TOKENS& text = macro.replacement;
  const int index = macro.name_index;
  PP_TOKENS output;
  auto parameter = [&](std::size_t i) {
    return i < text.size() && text[i].kind == PP_KIND::identifier && macro.function_like
               ? macro.parameter_index(text[i].text)
               : -1;
  };
  auto written = [&](int p) {
    return arguments[p].empty() ? PP_TOKENS{placemarker()} : arguments[p];
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pasted_next = i + 1 < text.size() && text[i + 1].is_punctuator("##");
    const std::size_t after =
        i + 1 < text.size() && text[i + 1].kind == PP_KIND::space ? i + 2 : i + 1;
    if (macro.function_like && text[i].is_punctuator("#") && parameter(after) >= 0) {
      i = after;
      const PP_TOKEN string =
          PP_TOKEN::made_of(PP_KIND::string, stringize(arguments[parameter(i)]));
      output.push_back(made(string, first, last, index));
    } else if (text[i].is_punctuator("##") && i + 1 < text.size()) {
      const int p = parameter(++i);
      paste(output, p >= 0 ? written(p) : PP_TOKENS{made(text[i], first, last, index)}, macro,
            first);
    } else if (parameter(i) >= 0) {
      const int p = parameter(i);
      PP_TOKENS tokens = pasted_next ? written(p) : expand_all(arguments[p]);
      output.insert(output.end(), tokens.begin(), tokens.end());
    } else {
      output.push_back(made(text[i], first, last, index));
    }
  }
  std::erase_if(output, is_placemarker);
  add_hide_set(output, hide_set);
  span_use(output, index, first, last);
  return output;
}

// The expansion's first character stands at the use's start and its last at the use's end; the
// characters between, from the macro's text, at the start.
void PP_EXPANDER::span_use(PP_TOKENS& output, int macro, SPOT first, SPOT last) {
  const SPOT start{first.line, first.column, macro};
  for (PP_TOKEN& token : output)
    if (!token.written && token.first.macro == macro) token.last = start;
  if (output.empty() || output.back().written || output.back().first.macro != macro) return;
  output.back().last = SPOT{last.line, last.column, macro};
  if (output.size() > 1 && output.back().text.size() == 1) output.back().first = output.back().last;
}

// The last token of output and the first of right become one token.
void PP_EXPANDER::paste(PP_TOKENS& output, PP_TOKENS right, const DEFINE_MACRO& macro, SPOT first) {
  if (output.empty() || is_placemarker(output.back()) || is_placemarker(right.front())) {
    if (!output.empty() && is_placemarker(output.back())) output.pop_back();
    if (!output.empty() && is_placemarker(right.front())) right.erase(right.begin());
    output.insert(output.end(), right.begin(), right.end());
    return;
  }
  PP_TOKEN& left = output.back();
  const std::string text = left.text + right.front().text;
  PP_TOKENS pasted = PP_TOKENIZER::tokenize_text(text, left.first);
  if (pasted.size() != 1) {
    context_.report(SPOT{first.line, first.column, macro.name_index},
                    "Pasting \"" + left.text + "\" and \"" + right.front().text +
                        "\" does not give a valid token.");
    output.insert(output.end(), right.begin(), right.end());
    return;
  }
  pasted[0].first = left.first;
  pasted[0].last = left.last;
  left = std::move(pasted[0]);
  output.insert(output.end(), right.begin() + 1, right.end());
}

PP_TOKENS PP_EXPANDER::expand_all(const PP_TOKENS& tokens) {
  PP_INPUT input(tokens.begin(), tokens.end());
  PP_TOKENS output;
  while (!input.empty()) step(input, output, nullptr);
  return output;
}
