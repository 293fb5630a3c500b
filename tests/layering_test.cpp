// The arrows between subsystems: a file of src/<folder>/ may include only its own folder and the
// folders below it, and only the window may include Qt. The order is the one the build states.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/scratch_directory.h"

namespace {

namespace fs = std::filesystem;

// From the bottom up.
constexpr std::array<std::string_view, 9> layer_order = {
    "base", "machine", "isa", "project", "cfront", "codegen", "pipeline", "driver", "gui"};

int layer_of(const std::string& folder) {
  auto found = std::find(layer_order.begin(), layer_order.end(), folder);
  return found == layer_order.end() ? -1 : static_cast<int>(found - layer_order.begin());
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
        if (layer_of(included) < 0 || layer_of(folder) < 0 || layer_of(included) > layer_of(folder))
          violations.push_back(where + folder + " may not include " + included + "/");
      } else if (folder != "gui" && std::regex_search(line, qt_include)) {
        violations.push_back(where + "only gui/ may include Qt");
      }
    }
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
