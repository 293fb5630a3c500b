#include "gui/source_lookup.h"

#include <sstream>

#include "pipeline/context.h"
#include "project/file_search.h"

std::optional<std::string> locate_source(CONTEXT& context, const std::string& name) {
  std::ostringstream nowhere;
  USER_INTERFACE quiet_interface(nowhere);
  ECHO quiet_echo(quiet_interface);
  ERROR_HANDLER quiet_reporter(quiet_interface);
  SEARCH_PLACES places{context.source_paths, context.project_manager.project_path,
                       context.include_directory};
  return find_file(name, places, context.files, quiet_echo, quiet_reporter);
}

std::optional<std::string> missing_source(CONTEXT& context) {
  for (const std::string& path : context.source_paths.paths())
    if (!locate_source(context, path)) return path;
  return std::nullopt;
}
