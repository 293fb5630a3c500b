// Path text as the file search needs it. Paths are joined with "/"; "\" is also read as a
// separator, since project files written on other systems may hold it.
#pragma once

#include <string>
#include <string_view>

// Up to and including the last separator; empty when the path has no directory part.
std::string directory_part(std::string_view path);
// The directory and the name with exactly one "/" between them.
std::string join_path(std::string_view directory, std::string_view name);
