// Ctrl-C while the debugger runs the program: the run stops and the session goes on. Outside
// such a run the interrupt keeps its usual effect, so Ctrl-C at the prompt ends the program.
#pragma once

#include <csignal>

class INTERRUPT_REQUEST {
 public:
  // Catches SIGINT from here until destruction, which restores what was there before.
  INTERRUPT_REQUEST();
  ~INTERRUPT_REQUEST();
  INTERRUPT_REQUEST(const INTERRUPT_REQUEST&) = delete;
  INTERRUPT_REQUEST& operator=(const INTERRUPT_REQUEST&) = delete;

  // An interrupt arrived since construction.
  bool requested() const;

 private:
  struct sigaction previous_ {};
};
