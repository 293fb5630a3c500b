// The return-address stack from its top entry down to its bottom, with the stack pointer's mark,
// as the debugger shows it, closed by a line that marks the bottom.
#pragma once

#include "gui/views/text_view.h"

class MACHINE_STACK_VIEW final : public TEXT_VIEW {
  Q_OBJECT

 public:
  explicit MACHINE_STACK_VIEW(CONTEXT& context, QWidget* parent = nullptr);

 protected:
  std::string machine_text() const override;
};
