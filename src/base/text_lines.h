// Line splitting, shared by everything that reads a text file line by line.
// A line ends at a line feed, a carriage return, a carriage return followed by a line feed, or
// the end of the text; a final empty line (the text ends with a line end) is not counted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> split_lines(std::string_view text);
