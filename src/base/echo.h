// Progress traces: written through the user interface, and flushed, only in verbose mode.
#pragma once

#include <string_view>

#include "base/user_interface.h"

class ECHO {
 public:
  explicit ECHO(USER_INTERFACE& user_interface) : user_interface_(user_interface) {}

  void echo_string(std::string_view text);
  void echo_integer(long long value);
  void echo_character(char character);

  bool verbose = false;

 private:
  USER_INTERFACE& user_interface_;
};
