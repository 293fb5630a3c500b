// Loading a project file named on the command line: read it, build the project and remember it
// as the last project. Answers whether the project was loaded.
#pragma once

#include <string>

struct CONTEXT;

bool load_project_file(CONTEXT& context, const std::string& path);
