// The editable table of the port views: the port number, then one or more N-bit words in
// hexadecimal. An entry is hexadecimal digits with an optional "0x" that fit in N bits; it is
// handed on as a signed N-bit number, and anything else is refused, the cell showing its word
// again. Redrawing leaves alone the cell that the user is editing.
#pragma once

#include <QTableWidget>
#include <cstdint>
#include <functional>
#include <optional>

class REGISTER_POOL;

// The bit pattern an entry names, or nothing when it is not hexadecimal or wider than bits.
std::optional<int32_t> parse_hex_pattern(const QString& entry, int bits);

class PORT_TABLE : public QTableWidget {
 public:
  // Receives an accepted entry: the row, the word's column (from 1) and the signed value.
  using STORE = std::function<void(int row, int column, int32_t value)>;

  PORT_TABLE(const REGISTER_POOL& registers, int word_columns, STORE store,
             QWidget* parent = nullptr);

  // Row r is port first_port + step * r; the rows are rebuilt only when their count changes.
  void set_ports(int count, int first_port, int step);
  void show_word(int row, int column, int32_t value);
  // The rows, each its cells joined by blanks and ended by a newline.
  QString text() const;

 private:
  void entry_changed(QTableWidgetItem* item);
  void set_word_text(QTableWidgetItem& item, int32_t value);
  bool is_being_edited(const QTableWidgetItem& item) const;

  const REGISTER_POOL& registers_;
  STORE store_;
  bool filling_ = false;  // the table itself is writing cells: not an entry
};
