// The window's dialogs driven through their widgets: the project dialog's source list and
// binary path refusals, the CPU options controls and their unit texts.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "gui/dialogs/cpu_options_dialog.h"
#include "gui/dialogs/project_dialog.h"
#include "support/temporary_directory.h"

namespace {

template <class WIDGET>
WIDGET* child(QWidget& parent, const char* name) {
  auto* found = parent.findChild<WIDGET*>(name);
  if (found == nullptr) qFatal("no child named %s", name);
  return found;
}

// Answers the modal dialog that the next click opens, from inside its exec as a user would.
template <class DIALOG>
void answer_next(std::function<void(DIALOG*)> answer) {
  QTimer::singleShot(0, [answer] {
    if (auto* dialog = qobject_cast<DIALOG*>(QApplication::activeModalWidget())) answer(dialog);
  });
}

void add_source(PROJECT_DIALOG& dialog, const std::string& file) {
  answer_next<QFileDialog>([file](QFileDialog* chooser) {
    QCOMPARE(chooser->windowTitle(), QString("Select source"));
    QCOMPARE(chooser->nameFilters(), QStringList({"C files(*.c)", "assembly file(*.s)"}));
    chooser->selectFile(QString::fromStdString(file));
    static_cast<QDialog*>(chooser)->accept();  // public through the base
  });
  QTest::mouseClick(child<QPushButton>(dialog, "add"), Qt::LeftButton);
}

// Presses Ok and answers an error box if one comes; returns its title and text.
QString press_ok(PROJECT_DIALOG& dialog) {
  auto box_text = std::make_shared<QString>();
  answer_next<QMessageBox>([box_text](QMessageBox* box) {
    *box_text = box->windowTitle() + ": " + box->text();
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
  QCoreApplication::processEvents();
  return *box_text;
}

void type_into(QWidget& dialog, const char* name, const QString& text) {
  auto* field = child<QLineEdit>(dialog, name);
  field->clear();
  QTest::keyClicks(field, text);
}

QString described(const PROCESSOR_PARAMETERS& p) {
  return QString("N=%1 X=%2 M=%3 L=%4 Z=%5 I=%6 O=%7 IO=%8")
      .arg(p.data_size)
      .arg(p.register_count)
      .arg(p.pc_width)
      .arg(p.ram_address_width)
      .arg(p.stack_size)
      .arg(p.input_count)
      .arg(p.output_count)
      .arg(p.io_count);
}

QString unit_text(QWidget& dialog, const char* name) {
  return child<QLabel>(dialog, name)->text();
}

}  // namespace

class DIALOGS_TEST : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void project_dialog_adds_relative_and_absolute_sources_once_and_removes_them() {
    TEMPORARY_DIRECTORY project, elsewhere;
    const std::string project_path = project.write("demo.tvr", "");
    const std::string inside = project.write("src/main.c", "");
    const std::string outside = elsewhere.write("lib.s", "");
    PROJECT_DIALOG dialog(project_path, {{"old.c"}, "demo.b", "demo"});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    add_source(dialog, inside);
    add_source(dialog, outside);
    add_source(dialog, inside);
    auto* sources = child<QListWidget>(dialog, "sources");
    const std::string absolute_outside = std::filesystem::weakly_canonical(outside).string();
    QCOMPARE(dialog.settings().source_paths,
             (std::vector<std::string>{"old.c", "src/main.c", absolute_outside}));

    QTest::mouseClick(sources->viewport(), Qt::LeftButton, {},
                      sources->visualItemRect(sources->item(0)).center());
    QTest::mouseClick(child<QPushButton>(dialog, "supp"), Qt::LeftButton);
    type_into(dialog, "binary_path", "out.b");
    type_into(dialog, "project_name", "renamed");
    QCOMPARE(press_ok(dialog), QString());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const PROJECT_SETTINGS expected{{"src/main.c", absolute_outside}, "out.b", "renamed"};
    QVERIFY(dialog.settings() == expected);
  }

  void project_dialog_refuses_binary_paths_that_are_too_short_or_overwrite_project_files() {
    TEMPORARY_DIRECTORY project;
    const std::string project_path = project.write("demo.tvr", "");
    const std::string source = project.write("src/main.c", "");
    const QString overwrite =
        "Error: Binary text file \"%1\" would overwrite a source or project file.";
    const std::vector<std::pair<QString, QString>> refusals{
        {"x", "Error: Invalid binary text file path (ie: program.b)."},
        {"src/main.c", overwrite.arg("src/main.c")},
        {QString::fromStdString(project_path), overwrite.arg(project_path.c_str())},
        {"./src/../src/main.c", overwrite.arg("./src/../src/main.c")},
        {QString::fromStdString(source), overwrite.arg(source.c_str())},
        {"demo.tvr", overwrite.arg("demo.tvr")},
    };
    PROJECT_DIALOG dialog(project_path, {{"src/main.c"}, "", "demo"});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const auto& [path, refusal] : refusals) {
      type_into(dialog, "binary_path", path);
      QCOMPARE(press_ok(dialog), refusal);
      QVERIFY2(dialog.isVisible(), qPrintable(path));
    }
    type_into(dialog, "binary_path", "src/main.b");
    QCOMPARE(press_ok(dialog), QString());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(binary_path_problem({{"a.c"}, "", "p"}, project_path), std::string());
  }

  void cpu_options_show_and_answer_every_parameter_with_its_unit() {
    CPU_OPTIONS_DIALOG dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("CPU options"));
    const PROCESSOR_PARAMETERS chosen{12, 20, 24, 10, 32, 5, 7, 3};
    dialog.show_parameters(chosen);
    QCOMPARE(described(dialog.chosen_parameters()), described(chosen));
    QVERIFY(child<QRadioButton>(dialog, "rom24")->isChecked());
    QCOMPARE(unit_text(dialog, "registers_unit"), QString("20 registers."));
    QCOMPARE(unit_text(dialog, "data_size_unit"), QString("12 bits."));
    QCOMPARE(unit_text(dialog, "ram_address_unit"), QString("10 bits."));
    QCOMPARE(unit_text(dialog, "stack_size_unit"), QString("32 words."));
    QCOMPARE(unit_text(dialog, "input_unit"), QString("5 ports."));
    QCOMPARE(unit_text(dialog, "output_unit"), QString("7 ports."));
    QCOMPARE(unit_text(dialog, "input_output_unit"), QString("3 ports."));

    // A ROM width between the two buttons shows as the wider one; an unset count as the first.
    dialog.show_parameters({8, 0, 20, 6, 4, 0, 0, 0});
    QCOMPARE(dialog.chosen_parameters().pc_width, 24);
    QCOMPARE(dialog.chosen_parameters().register_count, 8);
    QTest::mouseClick(child<QRadioButton>(dialog, "rom16"), Qt::LeftButton);
    QCOMPARE(dialog.chosen_parameters().pc_width, 16);
  }

  void cpu_options_sliders_give_only_allowed_values() {
    CPU_OPTIONS_DIALOG dialog;
    dialog.show();
    auto* registers = child<QSlider>(dialog, "registers");
    QCOMPARE(registers->minimum(), 1);
    QCOMPARE(registers->maximum(), 7);
    for (int position = 1; position <= 7; ++position) {
      registers->setValue(position);
      QCOMPARE(dialog.chosen_parameters().register_count, 4 + 4 * position);
    }
    auto* data_size = child<QSlider>(dialog, "data_size");
    data_size->setValue(8);
    QTest::keyClick(data_size, Qt::Key_Right);
    QCOMPARE(data_size->value(), 10);
    QTest::keyClick(data_size, Qt::Key_PageUp);
    QCOMPARE(data_size->value(), 14);
    data_size->setValue(15);  // dragged upwards past an even width
    QCOMPARE(dialog.chosen_parameters().data_size, 16);
    data_size->setValue(9);  // and back down
    QCOMPARE(dialog.chosen_parameters().data_size, 8);
    QCOMPARE(unit_text(dialog, "data_size_unit"), QString("8 bits."));
  }

  void cpu_options_ok_accepts_and_cancel_rejects() {
    CPU_OPTIONS_DIALOG dialog;
    QVERIFY(!dialog.isModal());
    QSignalSpy accepted(&dialog, &QDialog::accepted), rejected(&dialog, &QDialog::rejected);
    dialog.show();
    QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
    dialog.show();
    QTest::mouseClick(child<QPushButton>(dialog, "cancel"), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(rejected.count(), 1);
  }
};

QTEST_MAIN(DIALOGS_TEST)
#include "dialogs_test.moc"
