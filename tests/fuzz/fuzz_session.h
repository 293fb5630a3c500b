// What every fuzz target shares: a scratch folder of its own for the files an input becomes,
// and a fresh context per input whose streams go nowhere, so that no input sees another's state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "pipeline/context.h"
#include "support/temporary_directory.h"

namespace fuzz {

// Made once per process, removed at its end; icones/ is where a loaded project is remembered.
inline const TEMPORARY_DIRECTORY& scratch() {
  static const TEMPORARY_DIRECTORY directory;
  static const bool icones = std::filesystem::create_directories(directory.path() + "/icones");
  (void)icones;
  return directory;
}

inline const std::string& scratch_directory() {
  return scratch().path();
}

// Answers the file's full path.
inline std::string write_file(const std::string& name, std::string_view contents) {
  return scratch().write(name, std::string(contents));
}

inline std::string_view as_text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The text before the first separator, and the rest (empty without a separator).
inline std::pair<std::string_view, std::string_view> split(std::string_view text,
                                                           std::string_view separator) {
  const size_t at = text.find(separator);
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + separator.size())};
}

// A context as the batch modes have it, with the given standard input.
struct SESSION {
  explicit SESSION(std::string input_text = {}) : input(std::move(input_text)) {}
  std::istringstream input;
  std::ostringstream output, error_output;
  CONTEXT context{input, output, error_output, scratch_directory()};
};

// One processor size per input, picked from the input so that a run is repeatable: the size
// changes what the compiler may do with every constant and every register.
inline void size_processor(CONTEXT& context, size_t seed) {
  static constexpr int sizes[][2] = {{8, 8}, {16, 16}, {12, 12}, {10, 32}, {14, 20}};
  const auto& [n, x] = sizes[seed % std::size(sizes)];
  context.machine.configuration.set_data_size(n);
  context.machine.configuration.set_register_count(x);
}

// Builds one source file as the batch modes build it, on a processor sized by the seed.
inline void build(CONTEXT& context, const std::string& source_path, size_t seed) {
  size_processor(context, seed);
  context.source_paths.add_source_file(source_path);
  context.project_manager.update();
}

}  // namespace fuzz
