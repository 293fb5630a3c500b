// The process-wide objects, gathered in one place: the program creates one, each test its own,
// so no state leaks between runs. Standard streams and the startup directory are given, not taken.
// Only the build pipeline and the driver see it; every other part is handed the objects it uses.
#pragma once

#include <iostream>
#include <optional>
#include <string>

#include "assembler/asm_parser.h"
#include "base/echo.h"
#include "base/error_handler.h"
#include "base/file_tools.h"
#include "base/source_line_cache.h"
#include "base/src_file_registry.h"
#include "base/user_interface.h"
#include "cfront/c_program.h"
#include "codegen/codegen.h"
#include "forwarding/forwarder.h"
#include "machine/machine.h"
#include "pipeline/project_manager.h"
#include "project/source_path_list.h"

struct CONTEXT;
// The include search over the context's source paths and include directory.
std::optional<std::string> find_file(CONTEXT& context, const std::string& name,
                                     const std::optional<std::string>& project_path = {});

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
  SOURCE_LINE_CACHE source_lines{files};  // the debugger's source lines, emptied by each build
  SRC_FILE_REGISTRY source_files;
  PROJECT_MANAGER project_manager{*this};
  FORWARDER forwarder;
  ASM_PARSER asm_parser{machine, files, source_files, error_handler};
  C_PROGRAM c_program{C_SERVICES{machine, error_handler, echo, files, source_files, asm_parser,
                                 [this](const std::string& name) {
                                   return find_file(*this, name, project_manager.project_path);
                                 }}};
  CODEGEN codegen{machine, error_handler, echo, c_program};

  // What a project file reads into and writes out.
  PROJECT_DESCRIPTION project_description() {
    return PROJECT_DESCRIPTION{project_manager, source_paths, machine};
  }
};
