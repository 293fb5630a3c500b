// Assembles text written to a file of its own and shows the result: the ROM's texts and codes,
// and the reports, whose expected layout is spelled out here independently of the reporter.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assembler/asm_parser.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

class AssemblerTest : public ::testing::Test {
 protected:
  // Writes the text to prog.s (or the name given) and parses it; answers parse_file's answer.
  bool assemble(const std::string& text, const std::string& name = "prog.s") {
    path = directory.write(name, text);
    return context().asm_parser.parse_file(path);
  }

  CONTEXT& context() { return test.context; }
  MACHINE& machine() { return test.context.machine; }
  std::string output() { return test.take_output(); }
  int errors() { return test.context.error_handler.error_count(); }
  int warnings() { return test.context.error_handler.warning_count(); }

  std::vector<std::string> texts() {
    std::vector<std::string> result;
    for (int32_t a = 0; a < machine().rom.size(); ++a) {
      std::string text;
      machine().rom.fetch(a)->append_text(text, machine());
      result.push_back(text);
    }
    return result;
  }

  std::vector<std::string> codes() {
    std::vector<std::string> result;
    for (int32_t a = 0; a < machine().rom.size(); ++a) {
      std::string code;
      machine().rom.fetch(a)->append_code(code);
      result.push_back(code);
    }
    return result;
  }

  // One report with one position: the heading, the source line and the caret (no tabs).
  std::string report(const std::string& kind, const std::string& message, int line, int column,
                     const std::string& source_line) const {
    return "****** " + kind + " : " + message + "\n" + where(line, column, source_line) +
           "------\n";
  }
  std::string error(const std::string& message, int line, int column,
                    const std::string& source_line) const {
    return report("Error", message, line, column, source_line);
  }
  std::string where(int line, int column, const std::string& source_line) const {
    return "Line " + std::to_string(line) + " column " + std::to_string(column) + " in " + path +
           " :\n" + source_line + "\n" + std::string(column - 1, ' ') + "^\n";
  }

  TEMPORARY_DIRECTORY directory;
  TEST_CONTEXT test;
  std::string path;
};
