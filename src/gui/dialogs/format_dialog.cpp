// Two independent check boxes, both unticked at first: the window writes the ticked layouts.
#include "gui/dialogs/format_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

FORMAT_DIALOG::FORMAT_DIALOG(QWidget* parent)
    : QDialog(parent),
      eight_bits_(new QCheckBox("Intel &8 bits (.hex)")),
      sixteen_bits_(new QCheckBox("Intel &16 bits (.hex)")) {
  setWindowTitle("Choose a format");
  setModal(true);
  eight_bits_->setObjectName("eight_bits");
  sixteen_bits_->setObjectName("sixteen_bits");

  auto* group = new QGroupBox("&Select:");
  auto* choices = new QVBoxLayout(group);
  choices->addWidget(eight_bits_);
  choices->addWidget(sixteen_bits_);

  auto* buttons = new QDialogButtonBox;
  auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  auto* cancel = buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  ok->setObjectName("ok");
  ok->setDefault(true);
  cancel->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
}

bool FORMAT_DIALOG::eight_bits() const {
  return eight_bits_->isChecked();
}

bool FORMAT_DIALOG::sixteen_bits() const {
  return sixteen_bits_->isChecked();
}
