// The return-address stack from its top entry down to its bottom, with the stack pointer's mark,
// as the debugger shows it, closed by a line that marks the bottom.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class TEXT_PANE;

class MACHINE_STACK_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  explicit MACHINE_STACK_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;

 private:
  TEXT_PANE* pane_;
};
