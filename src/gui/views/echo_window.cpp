#include "gui/views/echo_window.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/views/fixed_font.h"

namespace {

// The length of text without a UTF-8 sequence cut short at its end: the rest of it is still to
// come in the next piece.
std::size_t complete_length(const std::string& text) {
  const std::size_t size = text.size();
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const unsigned char byte = static_cast<unsigned char>(text[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return needed > back ? size - back : size;
  }
  return size;
}

}  // namespace

ECHO_WINDOW::ECHO_WINDOW(CONTEXT& context, QWidget* parent)
    : MACHINE_VIEW(context, parent), pane_(new QPlainTextEdit(this)) {
  setWindowTitle("Messages");
  pane_->setReadOnly(true);
  pane_->setLineWrapMode(QPlainTextEdit::NoWrap);
  pane_->setUndoRedoEnabled(false);
  pane_->setMaximumBlockCount(line_limit);
  pane_->setFont(fixed_font());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pane_);
}

void ECHO_WINDOW::append(std::string_view text) {
  if (text.empty()) return;
  pending_.append(text);
  if (flush_armed_) return;
  flush_armed_ = true;
  QTimer::singleShot(0, this, [this] {
    flush_armed_ = false;
    flush();
  });
}

void ECHO_WINDOW::clear() {
  pending_.clear();
  pane_->clear();
}

QString ECHO_WINDOW::text() const {
  flush();
  return pane_->toPlainText();
}

void ECHO_WINDOW::flush() const {
  const std::size_t length = complete_length(pending_);
  if (length == 0) return;
  QTextCursor end(pane_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(QString::fromUtf8(pending_.data(), static_cast<qsizetype>(length)));
  pending_.erase(0, length);
  pane_->verticalScrollBar()->setValue(pane_->verticalScrollBar()->maximum());
}
