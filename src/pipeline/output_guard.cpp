#include "pipeline/output_guard.h"

#include <filesystem>
#include <vector>

#include "base/path_names.h"
#include "base/src_file.h"
#include "pipeline/context.h"

namespace fs = std::filesystem;

namespace {

bool same_file(const fs::path& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) && !error;
}

std::vector<std::string> project_files(const CONTEXT& context) {
  const std::optional<std::string>& project_path = context.project_manager.project_path;
  std::vector<std::string> files;
  if (project_path) files.push_back(*project_path);
  const std::string project_directory = project_path ? directory_part(*project_path) : "";
  for (const std::string& source : context.source_paths.paths()) {
    files.push_back(source);
    if (!project_directory.empty()) files.push_back(join_path(project_directory, source));
  }
  for (const SRC_FILE* file : context.source_files.all()) files.push_back(file->path());
  return files;
}

}  // namespace

bool would_overwrite_project_file(const CONTEXT& context, const std::string& path) {
  std::error_code error;
  if (!fs::exists(path, error)) return false;  // a new file replaces nothing
  for (const std::string& file : project_files(context))
    if (same_file(path, file)) return true;
  return false;
}
