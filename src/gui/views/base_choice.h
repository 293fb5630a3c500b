// The row of radio buttons with which a view chooses the base it shows its numbers in. Each
// button is named after its text; the first one is checked; ids follow the order of the names.
#pragma once

#include <QStringList>

class QBoxLayout;
class QButtonGroup;
class QWidget;

QButtonGroup* add_base_choice(QWidget& owner, QBoxLayout& layout, const QStringList& names);
