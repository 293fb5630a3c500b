// The message stream: diagnostics, with their source line and caret, and verbose traces. Text
// arrives in small pieces, thousands a second while a program runs with warnings, so the pieces
// wait in a buffer that is moved into the widget once per turn of the event loop; the oldest
// lines go beyond a limit.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "gui/views/machine_view.h"

class QPlainTextEdit;

class ECHO_WINDOW final : public MACHINE_VIEW {
  Q_OBJECT

 public:
  static constexpr int line_limit = 20000;

  explicit ECHO_WINDOW(CONTEXT& context, QWidget* parent = nullptr);

  void append(std::string_view text);
  void clear();
  void refresh() override {}
  // Everything received so far, the pieces still waiting included.
  QString text() const;

 private:
  // Moves the waiting pieces into the widget; const so that text() can answer everything.
  void flush() const;

  QPlainTextEdit* pane_;
  mutable std::string pending_;
  bool flush_armed_ = false;
};
