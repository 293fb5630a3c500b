// The interface of the batch modes: user text goes to the standard output. Its run is the
// batch run with -run and the console debugger with -debug; both arrive with the simulator.
#pragma once

#include <string_view>

#include "base/user_interface.h"

struct CONTEXT;

class COMMAND_LINE_INTERFACE : public INTERFACE {
 public:
  explicit COMMAND_LINE_INTERFACE(CONTEXT& context) : context_(context) {}

  void put_string(std::string_view text) override;
  void flush() override;
  int run() override;

 private:
  CONTEXT& context_;
};
