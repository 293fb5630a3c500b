// Where the window finds a project's source file: the build's own search, run quietly, so that
// the views name a file exactly as the build does (the breakpoints and positions of a file are
// keyed by that name) and a lookup never adds a report to the messages.
#pragma once

#include <optional>
#include <string>

struct CONTEXT;

std::optional<std::string> locate_source(CONTEXT& context, const std::string& name);
// The first source path of the project that the search cannot find, if any.
std::optional<std::string> missing_source(CONTEXT& context);
