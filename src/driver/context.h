// The process-wide objects, gathered in one place: the program creates one, each test its own,
// so no state leaks between runs. Standard streams and the startup directory are given, not taken.
#pragma once

#include <iostream>
#include <string>

#include "codegen/forwarder.h"
#include "driver/echo.h"
#include "driver/error_handler.h"
#include "driver/user_interface.h"
#include "isa/asm_parser.h"
#include "machine/machine.h"
#include "project/file_tools.h"
#include "project/project_manager.h"
#include "project/source_path_list.h"
#include "project/src_file_registry.h"

struct CONTEXT {
  CONTEXT(std::istream& input, std::ostream& output, std::ostream& error_output,
          std::string startup_directory);
  CONTEXT(const CONTEXT&) = delete;
  CONTEXT& operator=(const CONTEXT&) = delete;

  std::istream& input;
  std::ostream& output;
  std::ostream& error_output;  // command-line errors and the usage text

  const std::string startup_directory;
  const std::string last_project_file;  // <startup dir>/icones/Tavrel.DAT
  const std::string include_directory;  // <startup dir>/include

  USER_INTERFACE user_interface{output};
  ECHO echo{user_interface};
  ERROR_HANDLER error_handler{user_interface};
  MACHINE machine{error_handler, user_interface};
  SOURCE_PATH_LIST source_paths;
  FILE_TOOLS files{echo, error_handler};
  SRC_FILE_REGISTRY source_files;
  PROJECT_MANAGER project_manager{*this};
  FORWARDER forwarder;
  ASM_PARSER asm_parser{*this};
};
