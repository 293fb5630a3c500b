#include "driver/code_listing.h"

#include <string>

#include "base/user_interface.h"
#include "machine/machine.h"

void list_code(const MACHINE& machine, USER_INTERFACE& user_interface) {
  std::string line;
  for (int32_t address = 0; address < machine.rom.size(); ++address) {
    line = std::to_string(address);
    line.resize(8, ' ');
    machine.rom.append_instruction_text(line, address, machine);
    line += '\n';
    user_interface.put_string(line);
  }
  user_interface.flush();
}
