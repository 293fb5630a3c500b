// The option loop tests each argument in a fixed order: -verbose, -check, the four value options,
// the mode flags, the help flags; anything else is unknown. After the mode flag every argument is a
// file argument, so options placed there are refused as bad files.
#include "driver/command_line.h"

#include <string_view>

#include "driver/integer_argument.h"
#include "pipeline/context.h"
#include "pipeline/project_files.h"
#include "project/source_path_list.h"

struct VALUE_OPTION {
  std::string_view flag;
  bool (*is_allowed)(long long);
  void (PROCESSOR_CONFIGURATION::*set)(int);
  std::string_view bad_value_message;
};

namespace {

constexpr VALUE_OPTION value_options[] = {
    {"-X", is_valid_register_count, &PROCESSOR_CONFIGURATION::set_register_count,
     "Tavrel : bad -X value.\n"},
    {"-L", is_valid_ram_address_width, &PROCESSOR_CONFIGURATION::set_ram_address_width,
     "Tavrel : bad -L value.\n"},
    {"-M", is_valid_pc_width, &PROCESSOR_CONFIGURATION::set_pc_width, "Tavrel : bad -M value.\n"},
    {"-N", is_valid_data_size, &PROCESSOR_CONFIGURATION::set_data_size, "Tavrel : bad -N value.\n"},
};

struct MODE_FLAG {
  std::string_view flag;
  MODE mode;
};

constexpr MODE_FLAG mode_flags[] = {
    {"-compile", MODE::compile},
    {"-run", MODE::run},
    {"-debug", MODE::debug},
    {"-asm_list", MODE::asm_list},
};

constexpr std::string_view help_flags[] = {"-help", "-h", "?"};

constexpr std::string_view usage_text =
    "usage : Tavrel [OPTIONS]\n"
    "        Tavrel [OPTIONS] -compile <files ...>\n"
    "        Tavrel [OPTIONS] -run <files ...>\n"
    "        Tavrel [OPTIONS] -debug <files ...>\n"
    "        Tavrel [OPTIONS] -asm_list <file ...>\n"
    "OPTIONS :\n"
    "   -verbose : to echo more information.\n"
    "   -X <number>\n"
    "   -N <number>\n"
    "   -M <number>\n"
    "   -L <number>\n"
    "   -check : to count the pipeline hazards while running.\n";

const VALUE_OPTION* find_value_option(std::string_view argument) {
  for (const VALUE_OPTION& option : value_options)
    if (option.flag == argument) return &option;
  return nullptr;
}

std::optional<MODE> find_mode_flag(std::string_view argument) {
  for (const MODE_FLAG& row : mode_flags)
    if (row.flag == argument) return row.mode;
  return std::nullopt;
}

bool is_help_flag(std::string_view argument) {
  for (std::string_view flag : help_flags)
    if (flag == argument) return true;
  return false;
}

}  // namespace

COMMAND_LINE::COMMAND_LINE(CONTEXT& context, const std::vector<std::string>& arguments)
    : context_(context), arguments_(arguments) {}

void COMMAND_LINE::scan_for_verbose() {
  for (int i = count(); i >= 1; --i)
    if (argument(i) == "-verbose") context_.echo.verbose = true;
}

bool COMMAND_LINE::read_options() {
  int i = 1;
  while (mode_ == MODE::windowed && i <= count()) {
    const std::string& current = argument(i);
    if (current == "-verbose") {
      i += 1;
    } else if (current == "-check") {
      check_hazards_ = true;
      i += 1;
    } else if (const VALUE_OPTION* option = find_value_option(current)) {
      if (!read_value_option(*option, i + 1)) return false;
      i += 2;
    } else if (std::optional<MODE> mode = find_mode_flag(current)) {
      mode_ = *mode;
      i += 1;
    } else if (is_help_flag(current)) {
      print_usage();
      return false;
    } else {
      refuse_unknown_argument(current);
      return false;
    }
  }
  first_file_index_ = i;
  return true;
}

// The "1 or more" test comes before the option's own range, so -X 0 is a missing number while
// -X 9 is a bad register count.
bool COMMAND_LINE::read_value_option(const VALUE_OPTION& option, int index) {
  std::optional<long long> value = read_number_after(index);
  if (!value) return false;
  if (!option.is_allowed(*value)) {
    context_.error_output << option.bad_value_message;
    return false;
  }
  (context_.machine.configuration.*option.set)(static_cast<int>(*value));
  return true;
}

std::optional<long long> COMMAND_LINE::read_number_after(int k) {
  long long value = 0;
  if (k <= count()) value = parse_integer_argument(argument(k)).value_or(0);
  if (value >= 1) return value;
  context_.error_output << "Tavrel : Number " << (value < 0 ? "greater than 0 " : "")
                        << "expected after flag \"" << argument(k - 1) << "\".\n";
  return std::nullopt;
}

bool COMMAND_LINE::read_file_arguments(int first) {
  if (first > count()) {
    context_.error_output << "Tavrel : Missing <files ...> argument.\n";
    print_usage();
    return false;
  }
  for (int i = first; i <= count(); ++i)
    if (!read_file_argument(argument(i))) return false;
  return true;
}

bool COMMAND_LINE::read_file_argument(const std::string& name) {
  if (is_source_file(name)) {
    context_.source_paths.add_source_file(name);
  } else if (is_project_file(name)) {
    // A failed load leaves the project closed, whatever an earlier project file brought.
    load_project_file(context_, name);
  } else {
    context_.error_output << "Tavrel : \"" << name << "\" : Bad <files ...> argument.\n";
    return false;
  }
  return true;
}

void COMMAND_LINE::refuse_unknown_argument(const std::string& name) {
  context_.error_output << "Tavrel : Unkown command line argument : " << name << "\n";
  print_usage();
}

void COMMAND_LINE::print_usage() {
  context_.error_output << usage_text;
}
