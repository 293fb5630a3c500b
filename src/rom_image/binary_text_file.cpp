#include "rom_image/binary_text_file.h"

#include <fstream>

#include "base/error_handler.h"
#include "base/file_tools.h"
#include "machine/hexadecimal.h"
#include "machine/machine.h"

namespace {

// The text goes to the file in pieces of about this size, so a large ROM is never held as text.
constexpr size_t piece_size = 64 * 1024;

// "0A3F 1000110000000000\n": the address, then the code, bit 15 first.
void append_word(std::string& text, int32_t address, int address_digits, uint16_t code) {
  append_hexadecimal(text, static_cast<uint32_t>(address), address_digits);
  char line[18];
  line[0] = ' ';
  for (int bit = 0; bit < 16; ++bit) line[1 + bit] = ((code >> (15 - bit)) & 1) ? '1' : '0';
  line[17] = '\n';
  text.append(line, sizeof line);
}

std::string header(const MACHINE& machine) {
  const PROCESSOR_PARAMETERS& p = machine.parameters;
  return "Tavrel ROM image, processor N=" + std::to_string(p.data_size) +
         " X=" + std::to_string(p.register_count) + " M=" + std::to_string(p.pc_width) +
         " L=" + std::to_string(p.ram_address_width) + " Z=" + std::to_string(p.stack_size) +
         " I=" + std::to_string(p.input_count) + " O=" + std::to_string(p.output_count) +
         " IO=" + std::to_string(p.io_count) +
         "\naddress and code (16 bits), words: " + std::to_string(machine.rom.size()) + "\n";
}

bool failed(const OUTPUT_FILE& file, const std::string& path, ERROR_HANDLER& error_handler,
            std::string* failure) {
  report_write_failure(error_handler, file, path);
  if (failure != nullptr) *failure = write_failure_message(file, path);
  return false;
}

}  // namespace

bool write_binary_text_file(const std::string& path, const MACHINE& machine, FILE_TOOLS& files,
                            ERROR_HANDLER& error_handler, std::string* failure) {
  OUTPUT_FILE file = files.open_write(path);
  if (!file.is_open()) return failed(file, path, error_handler, failure);
  const int address_digits = (machine.parameters.pc_width + 3) / 4;
  std::string text = header(machine);
  text.reserve(piece_size + text.size());
  for (int32_t address = 0; address < machine.rom.size(); ++address) {
    const ASM* object = machine.rom.fetch(address);
    append_word(text, address, address_digits, object != nullptr ? object->code() : 0);
    if (text.size() >= piece_size) {
      file.stream() << text;
      text.clear();
    }
  }
  file.stream() << text;
  return files.close_write(file, path) || failed(file, path, error_handler, failure);
}
