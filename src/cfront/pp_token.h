// A preprocessing token: its kind, its text and where it stands in the user's source. A token
// written in the file maps its characters column by column from its first one; a token made by
// an expansion stands for the whole use (first character at the use's start, the rest at its
// end) and names the macro whose text it came from.
#pragma once

#include <string>
#include <vector>

enum class PP_KIND { identifier, number, character, string, punctuator, space, other };

// A place in the source and the macro (base/macro_names.h index, 0 for none) it came through.
struct SPOT {
  int line = 0;
  int column = 0;
  int macro = 0;
};

struct PP_TOKEN {
  PP_KIND kind = PP_KIND::other;
  std::string text;
  SPOT first;
  SPOT last;
  bool written = true;  // as written in the file, so every character maps to its own column
  // The macros whose expansion made this token: it does not expand them again.
  std::vector<std::string> hide_set;

  // A token made by the preprocessor, placed later.
  static PP_TOKEN made_of(PP_KIND kind, std::string text) {
    PP_TOKEN token;
    token.kind = kind;
    token.text = std::move(text);
    token.written = false;
    return token;
  }
  bool is(PP_KIND k, const std::string& t) const { return kind == k && text == t; }
  bool is_punctuator(const char* t) const { return kind == PP_KIND::punctuator && text == t; }
  bool hides(const std::string& name) const;
  // Where the character at index i of the text stands.
  SPOT spot_of(std::size_t i) const;
};

using PP_TOKENS = std::vector<PP_TOKEN>;
