// The machine's run state: whether a run may go on and, when it may not, why it was held. The
// breakpoints, the run loop and the three drivers (batch run, console debugger, window) read
// and set it; the user interface's stop flag is a view of it.
#pragma once

#include "base/stop_flag.h"

enum class RUN_STATE {
  running,        // a run may go on
  stopped,        // held by its driver: the debugger's prompt, the window between runs
  at_breakpoint,  // a breakpoint was reached; the instruction under it has not run
  interrupted,    // Ctrl-C during the console debugger's run
  finished,       // the run went past the end of the code
};

class EXECUTION_STATE final : public STOP_SOURCE {
 public:
  RUN_STATE state() const { return state_; }
  bool running() const { return state_ == RUN_STATE::running; }

  void start() { state_ = RUN_STATE::running; }
  // Holds a running machine for the reason given; a machine already held keeps its reason.
  void hold(RUN_STATE reason = RUN_STATE::stopped) {
    if (running()) state_ = reason;
  }

  bool stopped() const override { return !running(); }
  void set_stopped(bool stopped) override {
    if (stopped)
      hold();
    else
      start();
  }

 private:
  // A new machine is free to run until a driver holds it.
  RUN_STATE state_ = RUN_STATE::running;
};
