// The flags of the status register, the letters over their bits as the debugger shows them.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class TEXT_PANE;

class STATUS_REGISTER_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  explicit STATUS_REGISTER_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;

 private:
  TEXT_PANE* pane_;
};
