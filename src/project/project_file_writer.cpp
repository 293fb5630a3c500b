// Every value is written in decimal between quotes or alone on its line; the source paths are
// indented by three blanks, separated by commas, and closed by an indented brace.
#include "project/project_file_writer.h"

#include <fstream>

#include "base/file_tools.h"
#include "machine/machine.h"
#include "project/project_file_layout.h"
#include "project/source_path_list.h"

namespace {

std::string quoted_line(std::string_view key, const std::string& value) {
  return std::string(key) + " = \"" + value + "\"\n";
}

std::string source_list_text(const std::vector<std::string>& paths) {
  std::string text = "src_file_path_list = {\n";
  for (size_t i = 0; i < paths.size(); ++i) {
    text += "   \"" + paths[i] + "\"";
    text += i + 1 < paths.size() ? ",\n" : "\n";
  }
  return text + "   }\n";
}

std::string memory_section_text(std::string_view key, std::span<const int32_t> words) {
  std::string text = std::string(key) + " = {\n";
  for (int32_t word : words) text += std::to_string(word) + "\n";
  return text + "}\n";
}

}  // namespace

std::string project_file_text(const PROJECT_DESCRIPTION& description) {
  const PROJECT& project = description.project;
  MACHINE& machine = description.machine;
  std::string text = quoted_line("project_name", project.project_name);
  text += quoted_line("binary_text_file_path", project.binary_text_file_path);
  for (const PROJECT_PARAMETER& parameter : project_parameters)
    text += quoted_line(parameter.key, std::to_string(machine.parameters.*parameter.value));
  text += source_list_text(description.source_paths.paths());
  for (const PORT_MEMORY_SECTION& section : port_memory_sections)
    text += memory_section_text(section.key, section.words(machine.devices, machine.parameters));
  return text;
}

bool write_project_file(const PROJECT_DESCRIPTION& description, FILE_TOOLS& files,
                        std::string* failure) {
  PROJECT& project = description.project;
  if (!project.project_path) return false;
  const std::string path = *project.project_path;
  OUTPUT_FILE file = files.open_write(path);
  if (file.is_open()) file.stream() << project_file_text(description);
  if (!files.close_write(file, path)) {
    if (failure != nullptr) *failure = write_failure_message(file, path);
    return false;
  }
  project.modified = false;
  return true;
}
