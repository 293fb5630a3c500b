// A main window over a fresh context in a directory of its own (the startup directory, so the
// last-project file stays there too), with the window's text routed to its messages view, and a
// script of answers for the modal dialogs the window opens, each awaited by its title.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "gui/main_window.h"
#include "gui/screen_interface.h"
#include "gui/views/echo_window.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

using DIALOG_ANSWER = std::function<void(QWidget*)>;

// Clicks are queued so that the answer returns before the dialog's own work (often another
// modal box) starts.
inline void click_later(QAbstractButton* button) {
  QTimer::singleShot(0, button, &QAbstractButton::click);
}

inline void click_named(QWidget* dialog, const char* name) {
  QAbstractButton* button = dialog->findChild<QAbstractButton*>(name);
  QVERIFY2(button != nullptr, name);
  click_later(button);
}

// A message box's button by its text ("&Yes", "&No", "Cancel", "OK" ...), without the "&".
inline DIALOG_ANSWER press(const QString& text) {
  return [text](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    QVERIFY(box != nullptr);
    for (QAbstractButton* button : box->buttons())
      if (button->text().remove('&') == text) return click_later(button);
    QFAIL(qPrintable("no button " + text + " in " + box->windowTitle()));
  };
}

// Types the file's name into the dialog's name field, as a user would, and confirms. A freshly
// shown dialog may still be settling, so the name is typed again until the dialog reports it.
inline DIALOG_ANSWER choose_file(const std::string& path) {
  return [path](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    QVERIFY(dialog != nullptr);
    const QString wanted = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    auto* retry = new QTimer(dialog);
    QObject::connect(retry, &QTimer::timeout, [dialog, wanted, retry] {
      if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(wanted);
      const QStringList chosen = dialog->selectedFiles();
      if (chosen.size() != 1 || QFileInfo(chosen.front()).absoluteFilePath() != wanted) return;
      retry->stop();
      QMetaObject::invokeMethod(dialog, "accept");
    });
    retry->start(20);
  };
}

class WINDOW_FIXTURE {
 public:
  WINDOW_FIXTURE() : test(directory.path()) {
    auto screen = std::make_unique<SCREEN_INTERFACE>(test.context, ICON_DIRECTORY);
    SCREEN_INTERFACE* raw = screen.get();
    test.context.user_interface.install(std::move(screen));
    test.context.user_interface.stop = true;
    window = std::make_unique<MAIN_WINDOW>(test.context, ICON_DIRECTORY);
    raw->attach(window.get());
    window->show();
    answerer.setInterval(10);
    QObject::connect(&answerer, &QTimer::timeout, [this] { answer_pending_dialog(); });
    answerer.start();
  }
  ~WINDOW_FIXTURE() {
    answerer.stop();
    static_cast<SCREEN_INTERFACE*>(test.context.user_interface.current())->attach(nullptr);
    window.reset();
  }

  // The next modal dialog titled so gets this answer.
  void answer(const QString& title, DIALOG_ANSWER action) { script.push_back({title, action}); }
  bool all_answered() const { return script.empty() && unexpected_dialogs.isEmpty(); }
  QStringList unexpected_dialogs;
  // What went wrong with the script: answers left over and dialogs nobody expected.
  QString pending() const {
    QStringList left;
    for (const auto& [title, action] : script) left << title;
    return "waiting for: " + left.join(", ") + "; unexpected: " + unexpected_dialogs.join(", ");
  }

  std::string write(const std::string& name, const std::string& contents) {
    return directory.write(name, contents);
  }
  std::string path(const std::string& name) const { return directory.path() + "/" + name; }
  QString messages() const { return window->messages().text(); }
  CONTEXT& context() { return test.context; }

  TEMPORARY_DIRECTORY directory;
  TEST_CONTEXT test;
  std::unique_ptr<MAIN_WINDOW> window;

 private:
  // A dialog nobody answers would hang the test: after a few seconds it is rejected, and named.
  void answer_pending_dialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      waiting = 0;
      return;
    }
    if (script.empty() || modal->windowTitle() != script.front().first) {
      if (++waiting < 300) return;
      waiting = 0;
      unexpected_dialogs << modal->windowTitle();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    waiting = 0;
    DIALOG_ANSWER action = script.front().second;
    script.pop_front();
    action(modal);
  }

  QTimer answerer;
  int waiting = 0;
  std::deque<std::pair<QString, DIALOG_ANSWER>> script;
};
