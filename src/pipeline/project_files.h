// Opening, creating and closing a project, and the last-project file (<startup dir>/icones/
// Tavrel.DAT) whose first line names the project last created or loaded, so the window can
// reopen it at start. A project that fails to load leaves the project closed.
#pragma once

#include <optional>
#include <string>

struct CONTEXT;

// Reads and applies a project file. Answers true when it was read to the end without error.
// A file that cannot be opened is reported as "Unable to open file".
bool read_project_file(CONTEXT& context, const std::string& path);

// Closes the current project, reads the file, and when it read without error makes it the
// project, builds it and remembers it as the last project. On failure the project stays closed
// (only the processor parameters and port words read before the error keep their values).
bool load_project_file(CONTEXT& context, const std::string& path);

// Closes the current project and starts an empty one at path, unsaved and not yet built.
void new_project(CONTEXT& context, const std::string& path);

// Forgets the project: no path, nothing unsaved, no name, no output path, no source paths, no
// ROM code, and no last-project file.
void close_project(CONTEXT& context);

void write_last_project_file(CONTEXT& context, const std::string& path);
// The first line of the last-project file; nothing when there is no such file or it is empty.
std::optional<std::string> read_last_project_file(CONTEXT& context);
