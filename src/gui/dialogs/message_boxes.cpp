#include "gui/dialogs/message_boxes.h"

#include <QMessageBox>

#include "gui/qt_text.h"

void error_box(QWidget* parent, const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, qt(title), qt(text), QMessageBox::Ok, parent);
  box.exec();
}

ANSWER question_box(QWidget* parent, const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, qt(title), qt(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return ANSWER::yes;
    case QMessageBox::No:
      return ANSWER::no;
    default:
      return ANSWER::cancel;
  }
}

bool overwrite_question(QWidget* parent, const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, qt(title), qt(text), QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}
