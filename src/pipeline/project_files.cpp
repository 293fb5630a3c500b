// Loading closes first, so a project file replaces whatever was open; a failed load closes again
// to drop the names and source paths read before the error.
#include "pipeline/project_files.h"

#include <fstream>
#include <iterator>

#include "base/text_lines.h"
#include "pipeline/context.h"
#include "project/tvr_parser.h"

bool read_project_file(CONTEXT& context, const std::string& path) {
  std::ifstream file = context.files.open_read(path);
  if (!file.is_open()) {
    context.error_handler.append("Unable to open file \"" + path + "\".\n");
    context.error_handler.error();
    return false;
  }
  TVR_PARSER parser(context.project_description(), context.error_handler, path, file);
  const bool read = parser.read();
  context.files.close_read(file, path);
  return read;
}

bool load_project_file(CONTEXT& context, const std::string& path) {
  close_project(context);
  if (!read_project_file(context, path)) {
    close_project(context);
    return false;
  }
  context.project_manager.project_path = path;
  context.project_manager.update();
  write_last_project_file(context, path);
  return true;
}

void new_project(CONTEXT& context, const std::string& path) {
  close_project(context);
  PROJECT_MANAGER& project = context.project_manager;
  project.project_path = path;
  write_last_project_file(context, path);
  project.modified = true;
  project.needs_update = true;
}

void close_project(CONTEXT& context) {
  PROJECT_MANAGER& project = context.project_manager;
  project.project_path.reset();
  project.modified = false;
  project.project_name.clear();
  project.binary_text_file_path.clear();
  context.source_paths.clear();
  context.machine.rom.clear();
  context.files.remove_file(context.last_project_file);
}

// Without its directory, or on a full disk, the project simply is not remembered; the
// previous file then stays as it was.
void write_last_project_file(CONTEXT& context, const std::string& path) {
  OUTPUT_FILE file = context.files.open_write(context.last_project_file);
  if (!file.is_open()) return;
  file.stream() << path << '\n';
  context.files.close_write(file, context.last_project_file);
}

std::optional<std::string> read_last_project_file(CONTEXT& context) {
  if (!context.files.file_exists(context.last_project_file)) return std::nullopt;
  std::ifstream file = context.files.open_read(context.last_project_file);
  std::string contents{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  context.files.close_read(file, context.last_project_file);
  std::vector<std::string> lines = split_lines(contents);
  if (lines.empty() || lines.front().empty()) return std::nullopt;
  return lines.front();
}
