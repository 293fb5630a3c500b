// The flags of the status register, the letters over their bits as the debugger shows them.
#pragma once

#include "gui/views/text_view.h"

class STATUS_REGISTER_VIEW final : public TEXT_VIEW {
  Q_OBJECT

 public:
  explicit STATUS_REGISTER_VIEW(CONTEXT& context, QWidget* parent = nullptr);

 protected:
  std::string machine_text() const override;
};
