#include "gui/views/src_file_window.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "codegen/source_inspection.h"
#include "gui/qt_text.h"
#include "gui/source_lookup.h"
#include "gui/views/fixed_font.h"
#include "pipeline/context.h"

namespace {

constexpr int mark_size = 16;

// The view reads the file itself, silently: showing a file is not a step of the build.
std::string file_contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

QPixmap mark_bitmap(const std::string& icon_directory, const char* name, QColor fallback) {
  QPixmap bitmap(qt(icon_directory + "/" + name));
  if (!bitmap.isNull())
    return bitmap.scaled(mark_size, mark_size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  // Without its bitmap the mark is still drawn, as a plain disc.
  QPixmap disc(mark_size, mark_size);
  disc.fill(Qt::transparent);
  QPainter painter(&disc);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(fallback);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(2, 2, mark_size - 4, mark_size - 4);
  return disc;
}

}  // namespace

// The margin: line numbers, the current line's arrow and the breakpoints side by side, so a
// run stopped at a breakpoint shows both; a click toggles a breakpoint.
class SOURCE_MARGIN : public QWidget {
 public:
  SOURCE_MARGIN(SOURCE_TEXT& text, SRC_FILE_WINDOW& owner)
      : QWidget(&text), text_(text), owner_(owner) {}

  QSize sizeHint() const override { return {text_.margin_width(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { text_.paint_margin(event); }
  void mousePressEvent(QMouseEvent* event) override {
    if (const int line = text_.line_at(static_cast<int>(event->position().y())); line > 0)
      owner_.toggle_breakpoint(line);
  }

 private:
  SOURCE_TEXT& text_;
  SRC_FILE_WINDOW& owner_;
};

SOURCE_TEXT::SOURCE_TEXT(SRC_FILE_WINDOW& owner) : owner_(owner) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setFont(fixed_font());
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  margin_ = new SOURCE_MARGIN(*this, owner);
  connect(this, &QPlainTextEdit::blockCountChanged,
          [this] { setViewportMargins(margin_width(), 0, 0, 0); });
  connect(this, &QPlainTextEdit::updateRequest, [this](const QRect& rect, int dy) {
    if (dy != 0)
      margin_->scroll(0, dy);
    else
      margin_->update(0, rect.y(), margin_->width(), rect.height());
  });
  setViewportMargins(margin_width(), 0, 0, 0);
}

int SOURCE_TEXT::margin_width() const {
  const int digits = QString::number(std::max(1, blockCount())).size();
  return 2 * mark_size + 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void SOURCE_TEXT::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  margin_->setGeometry(area.left(), area.top(), margin_width(), area.height());
}

int SOURCE_TEXT::line_at(int y) const {
  const QTextBlock block = cursorForPosition(QPoint(0, y)).block();
  if (!block.isValid()) return 0;
  const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
  return y >= box.top() && y < box.bottom() ? block.blockNumber() + 1 : 0;
}

void SOURCE_TEXT::paint_margin(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  const SRC_FILE* file = owner_.shown_file();
  const BREAKPOINT_TABLE::LINES* breakpoints =
      file != nullptr ? &owner_.context_.machine.breakpoints.lines_of(*file) : nullptr;
  painter.setPen(palette().color(QPalette::PlaceholderText));
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
    if (box.top() > event->rect().bottom()) break;
    const int line = block.blockNumber() + 1;
    const int top = static_cast<int>(box.top());
    const int height = static_cast<int>(box.height());
    painter.drawText(0, top, margin_width() - 2 * mark_size - 6, height, Qt::AlignRight,
                     QString::number(line));
    const int mark_top = top + (height - mark_size) / 2;
    if (breakpoints != nullptr) {
      auto found = breakpoints->find(line);
      if (found != breakpoints->end() && found->second != nullptr)
        painter.drawPixmap(margin_width() - mark_size - 2, mark_top, owner_.breakpoint_mark_);
    }
    if (line == owner_.marked_line_)
      painter.drawPixmap(margin_width() - 2 * mark_size - 2, mark_top, owner_.current_line_mark_);
  }
}

bool SOURCE_TEXT::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QTextCursor cursor = cursorForPosition(help->pos());
  const int line = line_at(help->pos().y());
  const std::string bubble =
      line > 0 ? owner_.bubble_text(line, cursor.positionInBlock() + 1) : std::string();
  if (bubble.empty())
    QToolTip::hideText();
  else
    QToolTip::showText(help->globalPos(), qt(bubble).toHtmlEscaped().prepend("<pre>") + "</pre>",
                       this);
  return true;
}

SRC_FILE_WINDOW::SRC_FILE_WINDOW(CONTEXT& context, const std::string& icon_directory,
                                 QWidget* parent)
    : MACHINE_VIEW(context, parent),
      files_(new QComboBox(this)),
      editor_(new SOURCE_TEXT(*this)),
      breakpoint_mark_(mark_bitmap(icon_directory, "breakp.bmp", Qt::red)),
      current_line_mark_(mark_bitmap(icon_directory, "breakv.bmp", QColor(255, 170, 0))) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(files_);
  layout->addWidget(editor_);
  files_->setObjectName("files");
  connect(files_, &QComboBox::activated, [this](int index) {
    if (const auto found = locate_source(context_, files_->itemText(index).toStdString()))
      show_file(*found);
  });
  blank();
}

void SRC_FILE_WINDOW::blank() {
  shown_path_.clear();
  marked_line_ = 0;
  editor_->clear();
  files_->clear();
  setWindowTitle("Source Code");
}

// The file is read again each time, so that a rebuild after an edit shows the new text.
void SRC_FILE_WINDOW::show_file(const std::string& path) {
  fill_file_list();
  if (path != shown_path_) {
    shown_path_ = path;
    marked_line_ = 0;
    context_.source_files.source_file_for(path);
  }
  const QString contents = qt(file_contents(path));
  if (contents != editor_->toPlainText()) editor_->setPlainText(contents);
  setWindowTitle(qt(path));
  editor_->viewport()->update();
}

void SRC_FILE_WINDOW::reload() {
  if (!shown_path_.empty()) show_file(shown_path_);
}

void SRC_FILE_WINDOW::show_first_file() {
  const std::vector<std::string>& paths = context_.source_paths.paths();
  if (paths.empty()) {
    blank();
    return;
  }
  show_file(locate_source(context_, paths.front()).value_or(paths.front()));
}

void SRC_FILE_WINDOW::fill_file_list() {
  QStringList names;
  for (const std::string& path : context_.source_paths.paths()) names << qt(path);
  QStringList shown;
  for (int i = 0; i < files_->count(); ++i) shown << files_->itemText(i);
  if (names == shown) return;
  files_->clear();
  files_->addItems(names);
}

void SRC_FILE_WINDOW::mark_line(const std::string& path, int line) {
  if (path.empty()) return;
  if (path != shown_path_) show_file(path);
  marked_line_ = line;
  QList<QTextEdit::ExtraSelection> marks;
  if (line > 0) {
    QTextEdit::ExtraSelection mark;
    mark.format.setBackground(QColor(255, 236, 170));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    mark.cursor = QTextCursor(editor_->document()->findBlockByNumber(line - 1));
    marks << mark;
    editor_->setTextCursor(mark.cursor);
    editor_->centerCursor();
  }
  editor_->setExtraSelections(marks);
  editor_->viewport()->update();
}

void SRC_FILE_WINDOW::refresh() {
  fill_file_list();
  editor_->viewport()->update();
}

SRC_FILE* SRC_FILE_WINDOW::shown_file() const {
  return shown_path_.empty() ? nullptr : context_.source_files.find(shown_path_);
}

BREAKPOINT_STATE SRC_FILE_WINDOW::toggle_breakpoint(int line) {
  SRC_FILE* file = shown_file();
  if (file == nullptr) return line_without_code;
  BREAKPOINT_TABLE& breakpoints = context_.machine.breakpoints;
  BREAKPOINT_STATE state = breakpoints.breakpoint_state(*file, line);
  if (state == line_with_breakpoint) {
    breakpoints.remove_breakpoint(*file, line);
    state = line_without_breakpoint;
  } else if (state == line_without_breakpoint) {
    breakpoints.set_breakpoint(*file, line);
    state = line_with_breakpoint;
  } else {
    context_.user_interface.put_string("line " + std::to_string(line) + " is not reachable.\n");
  }
  editor_->viewport()->update();
  Q_EMIT breakpoints_changed();
  return state;
}

void SRC_FILE_WINDOW::toggle_breakpoint_at_cursor() {
  toggle_breakpoint(editor_->textCursor().blockNumber() + 1);
}

std::string SRC_FILE_WINDOW::bubble_text(int line, int column) const {
  const SRC_FILE* file = shown_file();
  return file == nullptr ? std::string() : about_text(context_.codegen, *file, line, column);
}

QString SRC_FILE_WINDOW::text() const {
  return editor_->toPlainText();
}
