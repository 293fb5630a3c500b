// The holder through which every text meant for the user passes: the mode's interface once one
// is installed, a fallback stream (standard output) before that. Also shows the machine's run
// state as the stop flag.
#pragma once

#include <memory>
#include <ostream>
#include <string_view>

#include "base/stop_flag.h"

// A mode's front end: the console of the batch modes or the window.
class INTERFACE {
 public:
  virtual ~INTERFACE() = default;
  virtual void put_string(std::string_view text) = 0;
  virtual void flush() = 0;
  // The mode's own work; answers the process's exit status.
  virtual int run() = 0;
};

class USER_INTERFACE {
 public:
  explicit USER_INTERFACE(std::ostream& fallback) : fallback_(&fallback) {}

  void install(std::unique_ptr<INTERFACE> interface) { current_ = std::move(interface); }
  INTERFACE* current() const { return current_.get(); }

  void put_string(std::string_view text);
  void put_character(char character);
  void put_integer(long long value);
  void flush();

  // True when a run must not go on: in the debugger, the window, and after a breakpoint. A view
  // of the machine's run state, which the machine binds.
  STOP_FLAG stop;

 private:
  std::unique_ptr<INTERFACE> current_;
  std::ostream* fallback_;
};
