// Text goes to the installed interface, or to the fallback stream while there is none.
#include "base/user_interface.h"

#include <string>

void USER_INTERFACE::put_string(std::string_view text) {
  if (current_)
    current_->put_string(text);
  else
    fallback_->write(text.data(), static_cast<std::streamsize>(text.size()));
}

void USER_INTERFACE::put_character(char character) {
  put_string(std::string_view(&character, 1));
}

void USER_INTERFACE::put_integer(long long value) {
  put_string(std::to_string(value));
}

void USER_INTERFACE::flush() {
  if (current_)
    current_->flush();
  else
    fallback_->flush();
}
