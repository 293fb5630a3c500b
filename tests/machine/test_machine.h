// A fresh machine for each test, with its reports captured as text.
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "base/error_handler.h"
#include "base/user_interface.h"
#include "machine/machine.h"

struct TEST_MACHINE {
  std::ostringstream output;
  USER_INTERFACE user_interface{output};
  ERROR_HANDLER error_handler{user_interface};
  MACHINE machine{error_handler, user_interface};

  REGISTER* R(int n) { return &machine.registers.at(n); }
  int errors() const { return error_handler.error_count(); }
  int warnings() const { return error_handler.warning_count(); }
  bool reported(const std::string& message) const {
    return output.str().find(message) != std::string::npos;
  }
  // Puts the instruction in the ROM and runs it from where it stands.
  template <class T>
  T* place(std::unique_ptr<T> instruction) {
    T* raw = instruction.get();
    machine.rom.append(std::move(instruction));
    return raw;
  }
};
