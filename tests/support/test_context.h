// A fresh set of process-wide objects for one test, with its standard streams captured.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>

#include "pipeline/context.h"

struct TEST_CONTEXT {
  explicit TEST_CONTEXT(std::string startup_directory = std::filesystem::current_path().string())
      : context(input, output, error_output, std::move(startup_directory)) {}

  // Everything written to standard output so far, and forgets it.
  std::string take_output() {
    std::string text = output.str();
    output.str("");
    return text;
  }

  std::istringstream input;
  std::ostringstream output;
  std::ostringstream error_output;
  CONTEXT context;
};
