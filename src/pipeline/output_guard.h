// The build's own output must never replace what it was built from.
#pragma once

#include <string>

struct CONTEXT;

// Whether writing the binary text file at `path` would replace the project file or a source
// file of the project: a listed source (as given, or beside the project file) or any file the
// builds have read, headers included. Paths are compared by the file they name.
bool would_overwrite_project_file(const CONTEXT& context, const std::string& path);
