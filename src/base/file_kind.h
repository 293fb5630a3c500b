// What a file is, decided by the exact, case-sensitive end of its name: the one place where
// the program tells C sources, C headers, assembly sources and project files apart.
#pragma once

#include <string_view>

enum class FILE_KIND { c_source, c_header, assembly, project, other };

FILE_KIND file_kind(std::string_view name);
bool is_source_file(std::string_view name);    // .c, .h or .s
bool is_project_file(std::string_view name);   // .tvr or .TVR
bool is_assembly_file(std::string_view name);  // .s
