#include "project/file_search.h"

#include <vector>

#include "base/echo.h"
#include "base/error_handler.h"
#include "base/file_tools.h"
#include "base/path_names.h"
#include "project/source_path_list.h"

namespace {

// The installation places, tried last; they exist only on systems with drive letters.
constexpr const char* drive_prefixes[] = {"C:", "D:"};
constexpr const char* installed_include_directories[] = {"C:\\Tavrel\\include\\",
                                                         "D:\\Tavrel\\include\\"};

// Every candidate in search order; the first that exists is the answer.
// An empty name would match every source path by its ending, so it has no candidate at all.
std::vector<std::string> candidates(const std::string& name, const SEARCH_PLACES& places) {
  if (name.empty()) return {};
  const std::vector<std::string>& paths = places.source_paths.paths();
  std::vector<std::string> list{name};
  for (auto path = paths.rbegin(); path != paths.rend(); ++path)
    if (path->ends_with(name)) list.push_back(*path);
  if (places.project_path) {
    std::string directory = directory_part(*places.project_path);
    if (!directory.empty()) list.push_back(join_path(directory, name));
  }
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
    std::string directory = directory_part(*path);
    if (!directory.empty()) list.push_back(join_path(directory, name));
  }
  list.push_back(join_path(places.include_directory, name));
  if (name.starts_with('\\'))
    for (const char* drive : drive_prefixes) list.push_back(drive + name);
  for (const char* directory : installed_include_directories) list.push_back(directory + name);
  return list;
}

}  // namespace

std::optional<std::string> find_file(const std::string& name, const SEARCH_PLACES& places,
                                     const FILE_TOOLS& files, ECHO& echo,
                                     ERROR_HANDLER& error_handler) {
  for (const std::string& candidate : candidates(name, places)) {
    if (!files.file_exists(candidate)) continue;
    echo.echo_string("File \"" + name + "\" found in \"" + candidate + "\".\n");
    return candidate;
  }
  error_handler.append("Searching of file \"" + name + "\" failed.");
  error_handler.error();
  return std::nullopt;
}
