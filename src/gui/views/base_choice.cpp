#include "gui/views/base_choice.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

QButtonGroup* add_base_choice(QWidget& owner, QBoxLayout& layout, const QStringList& names) {
  auto* group = new QButtonGroup(&owner);
  auto* row = new QHBoxLayout;
  for (int id = 0; id < names.size(); ++id) {
    auto* button = new QRadioButton(names[id], &owner);
    button->setObjectName(names[id]);
    group->addButton(button, id);
    row->addWidget(button);
  }
  row->addStretch();
  group->button(0)->setChecked(true);
  layout.addLayout(row);
  return group;
}
