// The interface of the batch modes: user text goes to the standard output. Its run is the
// batch run with -run and the console debugger with -debug; both arrive with the simulator.
#pragma once

#include <string_view>

#include "base/user_interface.h"

struct CONTEXT;

// What the console's run does: -run's batch run or -debug's prompt.
enum class CONSOLE_MODE { batch_run, debugger };

class COMMAND_LINE_INTERFACE : public INTERFACE {
 public:
  explicit COMMAND_LINE_INTERFACE(CONTEXT& context, CONSOLE_MODE mode = CONSOLE_MODE::batch_run,
                                  bool check_hazards = false)
      : context_(context), mode_(mode), check_hazards_(check_hazards) {}

  void put_string(std::string_view text) override;
  void flush() override;
  int run() override;

 private:
  CONTEXT& context_;
  CONSOLE_MODE mode_;
  bool check_hazards_;
};
