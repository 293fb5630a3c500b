#include "gui/views/text_pane.h"

#include <QScrollBar>

#include "gui/views/fixed_font.h"

TEXT_PANE::TEXT_PANE(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setUndoRedoEnabled(false);  // no undo history to grow with every redraw
  setFont(fixed_font());
}

bool TEXT_PANE::show_text(const QString& text) {
  if (text == shown_) return false;
  const int vertical = verticalScrollBar()->value();
  const int horizontal = horizontalScrollBar()->value();
  shown_ = text;
  setPlainText(text);
  verticalScrollBar()->setValue(vertical);
  horizontalScrollBar()->setValue(horizontal);
  return true;
}
