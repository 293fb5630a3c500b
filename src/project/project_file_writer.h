// The project file writer: names, the eight parameters, the source list and the port words in
// one fixed layout, which the reader accepts back. Strings are written as stored, unescaped.
#pragma once

#include <string>

#include "project/project.h"

class FILE_TOOLS;

// The whole text of the project file for the current project.
std::string project_file_text(const PROJECT_DESCRIPTION& description);

// Writes the project to its project path and clears `modified`. Answers false, changing
// nothing (the old file is untouched), when there is no project path or the file cannot be
// created or written; failure, when given, then says which file and why.
bool write_project_file(const PROJECT_DESCRIPTION& description, FILE_TOOLS& files,
                        std::string* failure = nullptr);
