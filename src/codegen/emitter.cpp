#include "codegen/emitter.h"

void EMITTER::append(std::unique_ptr<ASM> object) {
  if (capturing_)
    captured_.push_back(std::move(object));
  else
    rom_.append(std::move(object));
}

void EMITTER::start_capture() {
  capturing_ = true;
  captured_.clear();
}

std::vector<std::unique_ptr<ASM>> EMITTER::end_capture() {
  capturing_ = false;
  return std::move(captured_);
}
