// The read-only text of the views that show lines of machine state. Redrawing with the same text
// costs a comparison only; a new text keeps the reader's scroll position.
#pragma once

#include <QPlainTextEdit>
#include <QString>

class TEXT_PANE : public QPlainTextEdit {
 public:
  explicit TEXT_PANE(QWidget* parent = nullptr);

  // Answers whether the text changed.
  bool show_text(const QString& text);
  const QString& shown() const { return shown_; }

 private:
  QString shown_;
};
