// A view that is one read-only text of machine state: the derived view says what the text is,
// this one shows it, redrawing only when it changed.
#pragma once

#include <QString>
#include <string>

#include "gui/views/machine_view.h"

class TEXT_PANE;

class TEXT_VIEW : public MACHINE_VIEW {
  Q_OBJECT

 public:
  TEXT_VIEW(CONTEXT& context, const QString& title, QWidget* parent = nullptr);

  void refresh() final;
  QString text() const;

 protected:
  virtual std::string machine_text() const = 0;

 private:
  TEXT_PANE* pane_;
};
