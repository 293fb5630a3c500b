// Cuts a logical line of C into preprocessing tokens. Blanks and comments become space tokens
// holding their text; a /* comment left open at the end of the line is carried to the next.
#pragma once

#include <string>
#include <vector>

#include "cfront/pp_token.h"

// A line after backslash-newline joining: its characters and where each stands.
struct LOGICAL_LINE {
  std::string text;
  std::vector<SPOT> spots;
};

class PP_TOKENIZER {
 public:
  // The tokens of line; in_comment says whether a comment is open at its start, and on return
  // whether one is open at its end.
  static PP_TOKENS tokenize(const LOGICAL_LINE& line, bool& in_comment);
  // The tokens of a text made by the preprocessor (a pasted or stringized result), all at spot.
  static PP_TOKENS tokenize_text(const std::string& text, SPOT spot);
};

bool is_pp_name_start(char c);
bool is_pp_name_character(char c);
