// "Choose a format": which Intel HEX pairs to write after the binary text file.
#pragma once

#include <QDialog>

class QCheckBox;

class FORMAT_DIALOG : public QDialog {
  Q_OBJECT

 public:
  explicit FORMAT_DIALOG(QWidget* parent = nullptr);

  bool eight_bits() const;
  bool sixteen_bits() const;

 private:
  QCheckBox* eight_bits_;
  QCheckBox* sixteen_bits_;
};
