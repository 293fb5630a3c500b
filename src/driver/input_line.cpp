// Characters are taken from the stream's buffer directly: the stream's own extraction would
// flush its tied output before every line.
#include "driver/input_line.h"

#include <streambuf>

#include "base/user_interface.h"

namespace {

// An empty buffer with nothing known to be ready means the next read may block.
int next_character(std::streambuf& buffer, USER_INTERFACE& user_interface) {
  if (buffer.in_avail() <= 0) user_interface.flush();
  return buffer.sbumpc();
}

}  // namespace

bool read_input_line(std::istream& input, USER_INTERFACE& user_interface, std::string& line) {
  line.clear();
  std::streambuf& buffer = *input.rdbuf();
  for (int c = next_character(buffer, user_interface); c != '\n';
       c = next_character(buffer, user_interface)) {
    if (c == std::char_traits<char>::eof()) {
      input.setstate(std::ios::eofbit);
      return !line.empty();
    }
    line.push_back(static_cast<char>(c));
  }
  return true;
}
