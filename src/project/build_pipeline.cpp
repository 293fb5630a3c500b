// The build: reset, load every source file, then the numbered stages, each echoed in verbose
// mode. Any error stops the later stages and leaves the ROM empty; the pipeline never ends the
// process, the modes decide from the counts what follows.
#include "driver/context.h"
#include "machine/breakpoints.h"
#include "project/file_search.h"
#include "project/project_manager.h"

namespace {

void reset_build_state(CONTEXT& context) {
  context.error_handler.reset();
  context.asm_parser.clear_constants();
  context.machine.reset();
}

// Files are loaded from the last path to the first; a missing file or a file with errors stops
// the loading.
void load_source_files(CONTEXT& context, const std::optional<std::string>& project_path) {
  context.echo.echo_string("(1) Loading source file(s)...\n");
  const std::vector<std::string>& paths = context.source_paths.paths();
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
    std::optional<std::string> found = find_file(context, *path, project_path);
    if (!found) return;
    if (found->ends_with("s")) {
      if (!context.asm_parser.parse_file(*found)) return;
    } else if (found->ends_with("c")) {
      context.error_handler.error_without_position("C source files cannot be compiled yet: \"" +
                                                   *found + "\".");
      return;
    }
  }
}

void ensure_output_name(CONTEXT& context, std::string& binary_text_file_path) {
  if (!binary_text_file_path.empty()) return;
  const std::vector<std::string>& paths = context.source_paths.paths();
  binary_text_file_path = context.source_paths.is_assembly_project() ? paths.front() : "out.b";
  binary_text_file_path.back() = 'b';
}

void reattach_all_breakpoints(CONTEXT& context) {
  for (SRC_FILE* file : context.source_files.all())
    reattach_breakpoints(context.machine.rom, *file);
}

void forward_code(CONTEXT& context) {
  ROM& rom = context.machine.rom;
  if (context.forwarder.can_forward(rom)) {
    context.forwarder.forward(context.machine);
    context.echo.echo_string("(6) Forwarding module done.\n");
  } else {
    context.echo.echo_string(
        "(6) Forwarding module not done, ASM code contains some IB0, IB1, ICALL or IJMP.\n");
  }
}

void check_code_size(CONTEXT& context) {
  const int64_t size = context.machine.rom.size();
  const int width = context.machine.parameters.pc_width;
  const int64_t maximum = int64_t{1} << width;
  if (size <= maximum) return;
  context.error_handler.append("Program too big to fit into memory.\nGenerated code size = ")
      .append(size)
      .append("\nWhile program counter is ")
      .append(width)
      .append(" bits wide (maximum allowed code size = ")
      .append(maximum)
      .append(").");
  context.error_handler.error();
}

// Every instruction checks its reach now that all have their addresses, last to first.
void finalise(CONTEXT& context) {
  ROM& rom = context.machine.rom;
  for (int32_t address = rom.size() - 1; address >= 0; --address)
    if (ASM* object = rom.fetch(address)) object->check_placement(context.machine);
}

void place_code(CONTEXT& context) {
  ECHO& echo = context.echo;
  forward_code(context);
  echo.echo_string("ROM used: ");
  echo.echo_integer(context.machine.rom.size());
  echo.echo_string(" words of 16 bits.\n");
  check_code_size(context);
  finalise(context);
  echo.echo_string("RAM used: ");
  echo.echo_integer(context.machine.ram.written_end() + 1);
  echo.echo_string(" word(s) of ");
  echo.echo_integer(context.machine.parameters.data_size);
  echo.echo_string(" bits.\n");
}

}  // namespace

bool PROJECT_MANAGER::is_assembly_project() const {
  return context_.source_paths.is_assembly_project();
}

void PROJECT_MANAGER::update() {
  ECHO& echo = context_.echo;
  ERROR_HANDLER& errors = context_.error_handler;
  echo.echo_string("Update started (project_manager).\n");
  needs_update = false;
  reset_build_state(context_);
  load_source_files(context_, project_path);
  if (errors.error_count() == 0) {
    if (is_assembly_project())
      echo.echo_string("Assembly file provided.\n");
    else
      errors.error_without_position("There is no main function in this project.");
    context_.machine.registers.clear_values();
  }
  if (errors.error_count() != 0) {
    context_.machine.rom.clear();
    echo.echo_string("No asm code (remaining errors).\n");
  } else {
    echo.echo_string("(5) Low level asm optimization (not yet implemented).\n");
    ensure_output_name(context_, binary_text_file_path);
    reattach_all_breakpoints(context_);
    place_code(context_);
  }
  echo.echo_string("Update done (project_manager).\n");
}
