// The program's command line: arguments numbered 1 to count (the program's own name is not held),
// the verbose pre-scan, the option loop up to the mode flag, and the file arguments after it.
// A refusal writes its message on the error output and answers false; the caller ends with
// status 1.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CONTEXT;
struct VALUE_OPTION;

// Windowed when no mode flag is given; otherwise the batch mode the flag names.
enum class MODE { windowed, compile, run, debug, asm_list };

class COMMAND_LINE {
 public:
  COMMAND_LINE(CONTEXT& context, const std::vector<std::string>& arguments);

  int count() const { return static_cast<int>(arguments_.size()); }
  const std::string& argument(int index) const { return arguments_[index - 1]; }

  // Turns the echo on when "-verbose" stands anywhere, before anything else is read.
  void scan_for_verbose();
  // Reads the processor options up to the mode flag, setting the machine's configuration.
  bool read_options();
  MODE mode() const { return mode_; }
  // -check: -run and -debug count the pipeline hazards of what they execute.
  bool check_hazards() const { return check_hazards_; }
  int first_file_index() const { return first_file_index_; }

  // The number 1 or more at index k, following the option at k - 1; nothing after the number
  // message.
  std::optional<long long> read_number_after(int k);
  // Source files join the source path list in order; project files are loaded as they come.
  bool read_file_arguments(int first);

  void print_usage();

 private:
  bool read_value_option(const VALUE_OPTION& option, int index);
  bool read_file_argument(const std::string& name);
  void refuse_unknown_argument(const std::string& name);

  CONTEXT& context_;
  const std::vector<std::string>& arguments_;
  MODE mode_ = MODE::windowed;
  bool check_hazards_ = false;
  int first_file_index_ = 1;
};
