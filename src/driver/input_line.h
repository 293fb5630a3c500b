// Reading the debugger's input line by line while its output stays buffered: the output is
// flushed just before a read that may have to wait for the user, and only then, so a run of
// lines already at hand (a script, lines typed ahead) is answered without a flush per line.
#pragma once

#include <istream>
#include <string>

class USER_INTERFACE;

// Replaces line with the next input line, without its line feed. Answers false, with line
// empty, at the end of the input.
bool read_input_line(std::istream& input, USER_INTERFACE& user_interface, std::string& line);
