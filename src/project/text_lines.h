// Raw file reading and line splitting, shared by the file tools and by diagnostics.
// A line ends at a line feed, a carriage return, a carriage return followed by a line feed, or
// the end of the text; a final empty line (the text ends with a line end) is not counted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> split_lines(std::string_view text);

// Reads the whole file as bytes; false when it cannot be opened.
bool read_whole_file(const std::string& path, std::string& contents);
