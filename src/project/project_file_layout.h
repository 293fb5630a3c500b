// What a project file holds beyond its two names, as tables shared by the writer and the reader:
// the eight processor parameters in file order, and the three port memory sections, each with
// the port words it carries under the current parameters.
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

#include "machine/device_pool.h"
#include "machine/processor_configuration.h"
#include "machine/processor_parameters.h"

struct PROJECT_PARAMETER {
  std::string_view key;
  int PROCESSOR_PARAMETERS::*value;
  bool (*is_allowed)(long long);
  void (PROCESSOR_CONFIGURATION::*set)(int);
};

// The reading order matters: the port counts are set after N, whose int range they check.
inline constexpr PROJECT_PARAMETER project_parameters[] = {
    {"N", &PROCESSOR_PARAMETERS::data_size, is_valid_data_size,
     &PROCESSOR_CONFIGURATION::set_data_size},
    {"M", &PROCESSOR_PARAMETERS::pc_width, is_valid_pc_width,
     &PROCESSOR_CONFIGURATION::set_pc_width},
    {"L", &PROCESSOR_PARAMETERS::ram_address_width, is_valid_ram_address_width,
     &PROCESSOR_CONFIGURATION::set_ram_address_width},
    {"X", &PROCESSOR_PARAMETERS::register_count, is_valid_register_count,
     &PROCESSOR_CONFIGURATION::set_register_count},
    {"I", &PROCESSOR_PARAMETERS::input_count, is_valid_input_count,
     &PROCESSOR_CONFIGURATION::set_input_count},
    {"O", &PROCESSOR_PARAMETERS::output_count, is_valid_output_count,
     &PROCESSOR_CONFIGURATION::set_output_count},
    {"IO", &PROCESSOR_PARAMETERS::io_count, is_valid_io_count,
     &PROCESSOR_CONFIGURATION::set_io_count},
    {"Z", &PROCESSOR_PARAMETERS::stack_size, is_valid_stack_size,
     &PROCESSOR_CONFIGURATION::set_stack_size},
};

struct PORT_MEMORY_SECTION {
  std::string_view key;
  // The port words in use: the first I inputs, the first O outputs, the first 2·IO io words.
  std::span<int32_t> (*words)(DEVICE_POOL& devices, const PROCESSOR_PARAMETERS& parameters);
};

// The first count words of a port array; a count beyond the array gives the whole array.
template <size_t size>
std::span<int32_t> first_port_words(std::array<int32_t, size>& words, int count) {
  return std::span<int32_t>(words).first(std::clamp<size_t>(std::max(count, 0), 0, size));
}

inline constexpr PORT_MEMORY_SECTION port_memory_sections[] = {
    {"input_memory",
     [](DEVICE_POOL& devices, const PROCESSOR_PARAMETERS& parameters) {
       return first_port_words(devices.input, parameters.input_count);
     }},
    {"output_memory",
     [](DEVICE_POOL& devices, const PROCESSOR_PARAMETERS& parameters) {
       return first_port_words(devices.output, parameters.output_count);
     }},
    {"io_memory",
     [](DEVICE_POOL& devices, const PROCESSOR_PARAMETERS& parameters) {
       return first_port_words(devices.io, 2 * parameters.io_count);
     }},
};
