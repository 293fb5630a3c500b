// Builds assembly sources written to a directory of their own through the whole pipeline, and
// shows the result: the ROM's texts and codes, the breakpoints in it, and a run to its end.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "machine/breakpoint.h"
#include "machine/execution.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

class BuildTest : public ::testing::Test {
 protected:
  // Writes a source file and appends it to the project's source paths; answers its path.
  std::string add_source(const std::string& name, const std::string& text) {
    const std::string path = directory.write(name, text);
    context.source_paths.add_source_file(path);
    return path;
  }
  // Rewrites a file already in the project (an edit between two builds).
  void edit(const std::string& name, const std::string& text) { directory.write(name, text); }

  void build() { context.project_manager.update(); }
  SRC_FILE& file(const std::string& path) { return context.source_files.source_file_for(path); }

  std::vector<std::string> listing() const {
    std::vector<std::string> lines;
    for (int32_t a = 0; a < rom.size(); ++a) {
      std::string text;
      rom.append_instruction_text(text, a, machine);
      lines.push_back(text);
    }
    return lines;
  }
  std::vector<int32_t> codes() const {
    std::vector<int32_t> words;
    for (int32_t a = 0; a < rom.size(); ++a) words.push_back(rom.code_word(a));
    return words;
  }
  // The addresses whose slot holds exactly this object.
  std::vector<int32_t> slots_holding(const ASM* object) const {
    std::vector<int32_t> addresses;
    for (int32_t a = 0; a < rom.size(); ++a)
      if (rom.fetch(a) == object) addresses.push_back(a);
    return addresses;
  }
  int breakpoint_count() const {
    int count = 0;
    for (int32_t a = 0; a < rom.size(); ++a)
      if (dynamic_cast<const BREAKPOINT*>(rom.fetch(a)) != nullptr) ++count;
    return count;
  }

  // Runs as the window's Run does: the first instruction with stop still set (so a run that
  // starts on a breakpoint executes it), then on until a breakpoint or the end of the code.
  void run() {
    context.user_interface.stop = true;
    if (execute_one(machine)) return;
    context.user_interface.stop = false;
    while (!context.user_interface.stop && !execute_one(machine)) {
    }
  }
  int32_t value(int n) { return machine.registers.at(n).value; }
  int errors() const { return context.error_handler.error_count(); }
  std::string output() { return test.take_output(); }

  TEMPORARY_DIRECTORY directory;
  TEST_CONTEXT test;
  CONTEXT& context = test.context;
  MACHINE& machine = context.machine;
  ROM& rom = machine.rom;
};
