#include "driver/interrupt_request.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void note_interrupt(int) {
  interrupted = 1;
}

}  // namespace

INTERRUPT_REQUEST::INTERRUPT_REQUEST() {
  interrupted = 0;
  struct sigaction action {};
  action.sa_handler = note_interrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous_);
}

INTERRUPT_REQUEST::~INTERRUPT_REQUEST() {
  sigaction(SIGINT, &previous_, nullptr);
}

bool INTERRUPT_REQUEST::requested() const {
  return interrupted != 0;
}
