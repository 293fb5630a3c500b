#include "driver/context.h"

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
