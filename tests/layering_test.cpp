// The arrows between subsystems: a file of src/<folder>/ may include only its own folder and the
// folders below it, and only the window may include Qt. The order is the one the build states,
// and each folder's CMake link list names exactly the folders its files include.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/scratch_directory.h"

namespace {

namespace fs = std::filesystem;

struct LAYER {
  std::string_view folder;
  int rank;  // folders of one rank stand side by side and may not include one another
};

// From the bottom up.
constexpr std::array<LAYER, 14> layer_order = {{{"base", 0},
                                                {"machine", 1},
                                                {"isa", 2},
                                                {"assembler", 3},
                                                {"run", 3},
                                                {"rom_image", 3},
                                                {"forwarding", 3},
                                                {"project", 4},
                                                {"cfront", 5},
                                                {"codegen", 6},
                                                {"pipeline", 7},
                                                {"driver", 8},
                                                {"gui", 9},
                                                {"app", 10}}};

int layer_of(const std::string& folder) {
  for (const LAYER& layer : layer_order)
    if (layer.folder == folder) return layer.rank;
  return -1;
}

bool may_include(const std::string& folder, const std::string& included) {
  if (folder == included) return layer_of(folder) >= 0;
  return layer_of(included) >= 0 && layer_of(folder) >= 0 && layer_of(included) < layer_of(folder);
}

// One line of text per include that runs against the order, naming the file and line.
std::vector<std::string> layering_violations(const fs::path& source_root) {
  static const std::regex quoted_include(R"(^\s*#\s*include\s*"([A-Za-z_]+)/[^"]+")");
  static const std::regex qt_include(R"(^\s*#\s*include\s*<Q)");
  std::vector<std::string> violations;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source_root)) {
    const fs::path& path = entry.path();
    if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp"))
      continue;
    const std::string relative = fs::relative(path, source_root).generic_string();
    const std::string folder = relative.substr(0, relative.find('/'));
    std::ifstream file(path);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
      const std::string where = relative + ":" + std::to_string(number) + ": ";
      std::smatch match;
      if (std::regex_search(line, match, quoted_include)) {
        const std::string included = match[1];
        if (!may_include(folder, included))
          violations.push_back(where + folder + " may not include " + included + "/");
      } else if (folder != "gui" && std::regex_search(line, qt_include)) {
        violations.push_back(where + "only gui/ may include Qt");
      }
    }
  }
  std::sort(violations.begin(), violations.end());
  return violations;
}

// Where a folder first includes each other folder, "file:line".
std::map<std::string, std::string> folders_included(const fs::path& folder_root) {
  static const std::regex quoted_include(R"(^\s*#\s*include\s*"([A-Za-z_]+)/[^"]+")");
  const std::string folder = folder_root.filename().string();
  std::map<std::string, std::string> first_include;
  std::vector<fs::path> paths;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder_root))
    if (entry.is_regular_file() &&
        (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
      paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  for (const fs::path& path : paths) {
    std::ifstream file(path);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
      std::smatch match;
      if (!std::regex_search(line, match, quoted_include) || match[1] == folder) continue;
      const std::string where = fs::relative(path, folder_root.parent_path()).generic_string() +
                                ":" + std::to_string(number);
      first_include.emplace(match[1], where);
    }
  }
  return first_include;
}

// The folders a folder's CMakeLists.txt links (tavrel_<folder>), with the line that names each.
std::map<std::string, int> folders_linked(const fs::path& folder_root) {
  static const std::regex library(R"(\btavrel_([a-z_]+))");
  const std::string folder = folder_root.filename().string();
  std::map<std::string, int> linked;
  std::ifstream file(folder_root / "CMakeLists.txt");
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    const std::string code = line.substr(0, line.find('#'));
    for (std::sregex_iterator it(code.begin(), code.end(), library), end; it != end; ++it) {
      const std::string name = (*it)[1];
      if (name != folder && layer_of(name) >= 0) linked.emplace(name, number);
    }
  }
  return linked;
}

// One line per include of a folder that the including folder does not link, and per link to
// a folder that none of its files includes.
std::vector<std::string> link_list_violations(const fs::path& source_root) {
  std::vector<std::string> violations;
  for (const fs::directory_entry& entry : fs::directory_iterator(source_root)) {
    if (!entry.is_directory() || !fs::exists(entry.path() / "CMakeLists.txt")) continue;
    const std::string folder = entry.path().filename().string();
    const std::map<std::string, std::string> included = folders_included(entry.path());
    const std::map<std::string, int> linked = folders_linked(entry.path());
    for (const auto& [name, where] : included)
      if (!linked.contains(name) && layer_of(name) >= 0)
        violations.push_back(where + ": " + folder + " includes " + name +
                             "/ but does not link tavrel_" + name);
    for (const auto& [name, line] : linked)
      if (!included.contains(name))
        violations.push_back(folder + "/CMakeLists.txt:" + std::to_string(line) + ": " + folder +
                             " links tavrel_" + name + " but includes nothing of " + name + "/");
  }
  std::sort(violations.begin(), violations.end());
  return violations;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace

TEST(LAYERING, every_include_of_the_sources_runs_down_the_order) {
  const std::vector<std::string> violations = layering_violations(SOURCE_DIRECTORY);
  EXPECT_TRUE(violations.empty()) << joined(violations);
}

TEST(LAYERING, an_upward_include_a_qt_include_and_an_unknown_folder_are_each_named) {
  SCRATCH_DIRECTORY directory;
  SCRATCH_DIRECTORY::write("src/machine/rom.h",
                           "#include \"base/position.h\"\n"
                           "#include \"machine/asm.h\"\n"
                           "  #include \"driver/echo.h\"\n");
  SCRATCH_DIRECTORY::write("src/isa/view.cpp", "#include <QWidget>\n#include <vector>\n");
  SCRATCH_DIRECTORY::write("src/gui/window.cpp",
                           "#include <QMainWindow>\n#include \"driver/tavrel.h\"\n");
  SCRATCH_DIRECTORY::write("src/codegen/x.cpp", "#include \"misc/tool.h\"\n");
  SCRATCH_DIRECTORY::write("src/machine/notes.txt", "#include \"driver/echo.h\"\n");
  EXPECT_EQ(joined(layering_violations("src")),
            "codegen/x.cpp:1: codegen may not include misc/\n"
            "isa/view.cpp:1: only gui/ may include Qt\n"
            "machine/rom.h:3: machine may not include driver/\n");
}

TEST(LAYERING, every_folder_links_exactly_the_folders_it_includes) {
  const std::vector<std::string> violations = link_list_violations(SOURCE_DIRECTORY);
  EXPECT_TRUE(violations.empty()) << joined(violations);
}

TEST(LAYERING, an_include_not_linked_and_a_link_never_included_are_each_named) {
  SCRATCH_DIRECTORY directory;
  SCRATCH_DIRECTORY::write("src/codegen/CMakeLists.txt",
                           "# links tavrel_isa for nothing\n"
                           "tavrel_library(codegen tavrel_cfront\n  tavrel_isa tavrel_base)\n");
  SCRATCH_DIRECTORY::write("src/codegen/code.cpp",
                           "#include \"codegen/code.h\"\n#include \"base/position.h\"\n");
  SCRATCH_DIRECTORY::write("src/codegen/media/medium.h",
                           "#include \"machine/rom.h\"\n#include \"machine/asm.h\"\n");
  SCRATCH_DIRECTORY::write("src/app/CMakeLists.txt", "target_link_libraries(tavrel tavrel_gui)\n");
  SCRATCH_DIRECTORY::write("src/app/main.cpp", "#include \"gui/window.h\"\n");
  EXPECT_EQ(
      joined(link_list_violations("src")),
      "codegen/CMakeLists.txt:2: codegen links tavrel_cfront but includes nothing of cfront/\n"
      "codegen/CMakeLists.txt:3: codegen links tavrel_isa but includes nothing of isa/\n"
      "codegen/media/medium.h:1: codegen includes machine/ but does not link tavrel_machine\n");
}
