#include "gui/views/port_table.h"

#include <QApplication>
#include <QHeaderView>

#include "gui/views/fixed_font.h"
#include "gui/views/word_text.h"
#include "machine/register_pool.h"

namespace {

constexpr int visible_rows = 16;
constexpr int word_role = Qt::UserRole;  // the word a cell shows, to restore a refused entry

}  // namespace

std::optional<int32_t> parse_hex_pattern(const QString& entry, int bits) {
  QString digits = entry.trimmed();
  if (digits.startsWith("0x", Qt::CaseInsensitive)) digits.remove(0, 2);
  if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
  for (QChar c : digits) {
    const char16_t d = c.toLower().unicode();
    if (!(d >= '0' && d <= '9') && !(d >= 'a' && d <= 'f')) return std::nullopt;
  }
  const uint32_t pattern = digits.toUInt(nullptr, 16);
  if (pattern > static_cast<uint32_t>(uint_max(bits))) return std::nullopt;
  return static_cast<int32_t>(pattern);
}

PORT_TABLE::PORT_TABLE(const REGISTER_POOL& registers, int word_columns, STORE store,
                       QWidget* parent)
    : QTableWidget(0, 1 + word_columns, parent), registers_(registers), store_(std::move(store)) {
  setFont(fixed_font());
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSelectionMode(QAbstractItemView::SingleSelection);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setFixedHeight(visible_rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth());
  connect(this, &QTableWidget::itemChanged, this, &PORT_TABLE::entry_changed);
}

void PORT_TABLE::set_ports(int count, int first_port, int step) {
  if (count == rowCount()) return;
  filling_ = true;
  setRowCount(count);
  for (int row = 0; row < count; ++row) {
    auto* port = new QTableWidgetItem(QString::number(first_port + step * row));
    port->setFlags(Qt::ItemIsEnabled);
    setItem(row, 0, port);
    for (int column = 1; column < columnCount(); ++column) {
      auto* word = new QTableWidgetItem;
      word->setData(word_role, 0);
      setItem(row, column, word);
    }
  }
  filling_ = false;
}

void PORT_TABLE::show_word(int row, int column, int32_t value) {
  QTableWidgetItem* cell = item(row, column);
  if (cell == nullptr || is_being_edited(*cell)) return;
  set_word_text(*cell, value);
}

QString PORT_TABLE::text() const {
  QString text;
  for (int row = 0; row < rowCount(); ++row) {
    for (int column = 0; column < columnCount(); ++column) {
      if (column > 0) text += ' ';
      text += item(row, column)->text();
    }
    text += '\n';
  }
  return text;
}

void PORT_TABLE::entry_changed(QTableWidgetItem* cell) {
  if (filling_ || cell->column() == 0) return;
  const std::optional<int32_t> pattern = parse_hex_pattern(cell->text(), registers_.data_size());
  if (!pattern) {
    QApplication::beep();
    set_word_text(*cell, cell->data(word_role).toInt());
    return;
  }
  const int32_t value = registers_.to_signed(*pattern);
  set_word_text(*cell, value);  // "ff" reads back as the word's own form
  store_(cell->row(), cell->column(), value);
}

void PORT_TABLE::set_word_text(QTableWidgetItem& cell, int32_t value) {
  std::string text;
  append_hex_word(text, value, registers_.data_size());
  const QString shown = QString::fromStdString(text);
  if (cell.text() == shown && cell.data(word_role).toInt() == value) return;
  filling_ = true;
  cell.setData(word_role, value);
  cell.setText(shown);
  filling_ = false;
}

bool PORT_TABLE::is_being_edited(const QTableWidgetItem& cell) const {
  return state() == QAbstractItemView::EditingState && currentItem() == &cell;
}
