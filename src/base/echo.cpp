#include "base/echo.h"

void ECHO::echo_string(std::string_view text) {
  if (!verbose) return;
  user_interface_.put_string(text);
  user_interface_.flush();
}

void ECHO::echo_integer(long long value) {
  if (!verbose) return;
  user_interface_.put_integer(value);
  user_interface_.flush();
}

void ECHO::echo_character(char character) {
  if (!verbose) return;
  user_interface_.put_character(character);
  user_interface_.flush();
}
