// The build: reset, then the numbered stages, each echoed in verbose mode. Any error stops the
// later stages and leaves the ROM empty; the pipeline never ends the process, the modes decide
// from the counts what follows.
#include "pipeline/project_manager.h"

#include "base/file_kind.h"
#include "base/src_file.h"
#include "cfront/c_function.h"
#include "cfront/c_stops.h"
#include "codegen/program_layout.h"
#include "codegen/storage_allocation.h"
#include "pipeline/context.h"
#include "project/file_search.h"

namespace {

bool no_errors(const CONTEXT& context) {
  return context.error_handler.error_count() == 0;
}

void reset_build_state(CONTEXT& context) {
  context.error_handler.reset();
  context.source_lines.clear();
  context.asm_parser.clear_constants();
  context.c_program.reset();
  context.codegen.reset();
  context.machine.reset();
}

// Answers false when loading must stop. A header is read only through #include.
bool load_source_file(CONTEXT& context, const std::string& path) {
  switch (file_kind(path)) {
    case FILE_KIND::assembly:
      return context.asm_parser.parse_file(path);
    case FILE_KIND::c_source:
      return context.c_program.parse_c_file(path);
    default:
      return true;
  }
}

// Stage 1. Files are loaded from the last path to the first; a missing file or a file with
// errors stops the loading.
void load_source_files(CONTEXT& context, const std::optional<std::string>& project_path) {
  context.echo.echo_string("(1) Loading source file(s)...\n");
  const std::vector<std::string>& paths = context.source_paths.paths();
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
    std::optional<std::string> found = find_file(context, *path, project_path);
    if (!found || !load_source_file(context, *found)) return;
  }
}

// Stages 2 to 4 compile the C program from its `main`, which the C front end records when it
// parses it: the live code is checked, the save area and the constant pool placed, then the
// storage media computed and the code generated. Without `main`, only an assembly project builds.
void compile_from_main(CONTEXT& context) {
  C_PROGRAM& program = context.c_program;
  if (program.main != nullptr) {
    program.compute_live_code();
    if (no_errors(context)) place_save_area_and_pool(context.codegen);
    if (!no_errors(context)) return;
    compute_storage_media(context.codegen);
    generate_program(context.codegen);
    return;
  }
  if (context.source_paths.is_assembly_project())
    context.echo.echo_string("Assembly file provided.\n");
  else
    context.error_handler.error_without_position("There is no main function in this project.");
}

// Stage 5: announced, and where a failed build loses its code.
void drop_code_after_errors(CONTEXT& context) {
  if (!no_errors(context)) {
    context.machine.rom.clear();
    context.codegen.media_valid = false;
    context.echo.echo_string("No asm code (remaining errors).\n");
  } else {
    context.echo.echo_string("(5) Low level asm optimization (not yet implemented).\n");
  }
}

// The first source path for an assembly project, else the file that defines `main`.
void ensure_output_name(CONTEXT& context, std::string& binary_text_file_path) {
  if (!binary_text_file_path.empty()) return;
  const std::vector<std::string>& paths = context.source_paths.paths();
  const C_FUNCTION* main = context.c_program.main;
  if (context.source_paths.is_assembly_project())
    binary_text_file_path = paths.front();
  else if (main != nullptr && main->position.source_file != nullptr)
    binary_text_file_path = main->position.source_file->path();
  else
    binary_text_file_path = "out.b";
  binary_text_file_path.back() = 'b';
}

// A compiler stop ends the build as an error; the modes then decide what follows.
void report_stop(CONTEXT& context, const COMPILER_STOP& stop) {
  if (stop.position.source_file != nullptr)
    context.error_handler.error_at(stop.position, stop.notice);
  else
    context.error_handler.error_without_position(stop.notice);
}

void reattach_all_breakpoints(CONTEXT& context) {
  for (SRC_FILE* file : context.source_files.all())
    context.machine.breakpoints.reattach_breakpoints(*file);
}

// Stage 6. Compiled code is padded too: the build knows where its indirect branches go (the
// jump slots it filled) and refills them; only an indirect branch of the user's own assembly
// keeps the code as it stands, apart from the branches that must be lengthened to reach.
void forward_code(CONTEXT& context) {
  ROM& rom = context.machine.rom;
  const bool can_pad = context.forwarder.can_forward(rom);
  if (context.c_program.main != nullptr) {
    const LONG_JUMP long_jump(context.machine.parameters, context.machine.registers);
    const CONSTANT_POOL& pool = context.codegen.pool;
    context.forwarder.forward(context.machine, {long_jump, context.codegen.sm.filled_jump_slots(),
                                                can_pad, pool.last >= 0 ? pool.first : -1,
                                                pool.shift});
  } else if (can_pad) {
    context.forwarder.forward(context.machine);
  }
  if (can_pad)
    context.echo.echo_string("(6) Forwarding module done.\n");
  else
    context.echo.echo_string(
        "(6) Forwarding module not done, ASM code contains some IB0, IB1, ICALL or IJMP.\n");
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
  // An assembly program's breakpoints go on its instructions, which padding then moves; compiled
  // code may have branches replaced by their long forms, so its breakpoints wait for the end.
  const bool compiled = context.c_program.main != nullptr;
  if (!compiled) reattach_all_breakpoints(context);
  forward_code(context);
  if (compiled) reattach_all_breakpoints(context);
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
  context_.echo.echo_string("Update started (project_manager).\n");
  needs_update = false;
  compiler_stopped = false;
  reset_build_state(context_);
  try {
    load_source_files(context_, project_path);
    if (no_errors(context_)) {
      compile_from_main(context_);
      context_.machine.registers.clear_values();
    }
  } catch (const COMPILER_STOP& stop) {
    compiler_stopped = true;
    report_stop(context_, stop);
  }
  drop_code_after_errors(context_);
  if (no_errors(context_)) {
    ensure_output_name(context_, binary_text_file_path);
    place_code(context_);
  }
  context_.echo.echo_string("Update done (project_manager).\n");
}
