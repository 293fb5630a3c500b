#include "pipeline/output_guard.h"

#include <sys/stat.h>

#include <optional>
#include <vector>

#include "base/path_names.h"
#include "base/src_file.h"
#include "pipeline/context.h"

namespace {

// A file is the same whatever path names it: same device, same inode.
struct FILE_IDENTITY {
  dev_t device;
  ino_t inode;
  bool operator==(const FILE_IDENTITY&) const = default;
};

std::optional<FILE_IDENTITY> identity_of(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return std::nullopt;
  return FILE_IDENTITY{status.st_dev, status.st_ino};
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
  const std::optional<FILE_IDENTITY> output = identity_of(path);
  if (!output) return false;  // a new file replaces nothing
  for (const std::string& file : project_files(context))
    if (identity_of(file) == output) return true;
  return false;
}
