// Finding a source or include file by name: the name itself, the project's source paths that
// end with it, the directories of the project file and of the source paths, the include
// directory, then the fixed installation places. The first candidate that exists wins.
#pragma once

#include <optional>
#include <string>

class ECHO;
class ERROR_HANDLER;
class FILE_TOOLS;
class SOURCE_PATH_LIST;

// Where the search looks beyond the name itself.
struct SEARCH_PLACES {
  const SOURCE_PATH_LIST& source_paths;
  std::optional<std::string> project_path;  // the project file, when the project has one
  std::string include_directory;
};

// Answers the path under which the file was found (echoed in verbose mode), or nothing after
// reporting "Searching of file" as an error.
std::optional<std::string> find_file(const std::string& name, const SEARCH_PLACES& places,
                                     const FILE_TOOLS& files, ECHO& echo,
                                     ERROR_HANDLER& error_handler);
