// The output ports 0 to O-1, one line each: the port, its word in hexadecimal and in decimal.
#pragma once

#include "gui/views/text_view.h"

class OUTPUT_VIEW final : public TEXT_VIEW {
  Q_OBJECT

 public:
  explicit OUTPUT_VIEW(CONTEXT& context, QWidget* parent = nullptr);

 protected:
  std::string machine_text() const override;
};
