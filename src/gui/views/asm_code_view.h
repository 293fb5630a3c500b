// The machine code view: the ROM listing, one line per address as the debugger lists it, with the
// instruction at the program counter marked and scrolled into view. The listing is rebuilt only
// when the ROM changed (a build, a breakpoint); following the program counter moves the mark only.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class TEXT_PANE;

class ASM_CODE_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  explicit ASM_CODE_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;
  // The address of the marked instruction, -1 when the program counter is outside the ROM.
  int marked_address() const { return marked_address_; }

 private:
  QString listing() const;
  void mark(int address);

  TEXT_PANE* pane_;
  int marked_address_ = -1;
};
