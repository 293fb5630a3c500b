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

// Offers every candidate in search order until `accept` takes one, which is the answer.
// Candidates are made one at a time: the name itself usually exists, and a long source list
// must not be walked for each of its own files.
// An empty name would match every source path by its ending, so it has no candidate at all.
template <typename ACCEPT>
std::optional<std::string> first_candidate(const std::string& name, const SEARCH_PLACES& places,
                                           ACCEPT accept) {
  std::optional<std::string> found;
  auto offer = [&](std::string candidate) {
    if (accept(candidate)) found = std::move(candidate);
    return found.has_value();
  };
  if (name.empty()) return found;
  const std::vector<std::string>& paths = places.source_paths.paths();
  if (offer(name)) return found;
  for (auto path = paths.rbegin(); path != paths.rend(); ++path)
    if (path->ends_with(name) && offer(*path)) return found;
  if (places.project_path) {
    std::string directory = directory_part(*places.project_path);
    if (!directory.empty() && offer(join_path(directory, name))) return found;
  }
  std::string previous_directory;  // sources of one folder come in runs: each is tried once
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
    std::string directory = directory_part(*path);
    if (directory.empty() || directory == previous_directory) continue;
    if (offer(join_path(directory, name))) return found;
    previous_directory = std::move(directory);
  }
  if (offer(join_path(places.include_directory, name))) return found;
  if (name.starts_with('\\'))
    for (const char* drive : drive_prefixes)
      if (offer(drive + name)) return found;
  for (const char* directory : installed_include_directories)
    if (offer(directory + name)) return found;
  return found;
}

}  // namespace

std::optional<std::string> find_file(const std::string& name, const SEARCH_PLACES& places,
                                     const FILE_TOOLS& files, ECHO& echo,
                                     ERROR_HANDLER& error_handler) {
  std::optional<std::string> found = first_candidate(
      name, places, [&](const std::string& candidate) { return files.file_exists(candidate); });
  if (found) {
    echo.echo_string("File \"" + name + "\" found in \"" + *found + "\".\n");
    return found;
  }
  error_handler.append("Searching of file \"" + name + "\" failed.");
  error_handler.error();
  return std::nullopt;
}
