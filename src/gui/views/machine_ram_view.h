// The written part of the RAM, one line per word: its address in hexadecimal, then its value in
// signed decimal or in hexadecimal. With up to 65536 words, a redraw builds one text and hands
// it to the widget only when it differs from the one shown.
#pragma once

#include <QString>

#include "gui/views/machine_view.h"

class QButtonGroup;
class TEXT_PANE;

class MACHINE_RAM_VIEW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  enum BASE { decimal, hexadecimal };

  explicit MACHINE_RAM_VIEW(CONTEXT& context, QWidget* parent = nullptr);

  void refresh() override;
  QString text() const;

 private:
  QButtonGroup* base_;
  TEXT_PANE* pane_;
};
