#include "pipeline/context.h"

#include "project/file_search.h"

CONTEXT::CONTEXT(std::istream& input, std::ostream& output, std::ostream& error_output,
                 std::string startup_directory)
    : input(input),
      output(output),
      error_output(error_output),
      startup_directory(std::move(startup_directory)),
      last_project_file(this->startup_directory + "/icones/Tavrel.DAT"),
      include_directory(this->startup_directory + "/include") {
  error_handler.attach_file_tools(files);
}

std::optional<std::string> find_file(CONTEXT& context, const std::string& name,
                                     const std::optional<std::string>& project_path) {
  SEARCH_PLACES places{context.source_paths, project_path, context.include_directory};
  return find_file(name, places, context.files, context.echo, context.error_handler);
}
