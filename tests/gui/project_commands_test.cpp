// The project's life in the window, driven through the commands and the dialogs' own widgets:
// New, Save, Close, Open, Edit, the save question's three answers, and the refusals.
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "gui/commands.h"
#include "gui/views/src_file_window.h"
#include "pipeline/context.h"
#include "support/write_failures.h"
#include "window_fixture.h"

namespace {

constexpr const char* countdown =
    "        LDIL R1,#10\n"
    "loop:   DEC R1\n"
    "        RB0 #Z,loop\n";

std::string file_text(const std::string& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Answers "Edit project": Add picks the file, then Ok.
void add_source_and_confirm(WINDOW_FIXTURE& f, const std::string& source) {
  f.answer("Edit project", [](QWidget* dialog) { click_named(dialog, "add"); });
  f.answer("Select source", choose_file(source));
  f.answer("Edit project", [](QWidget* dialog) { click_named(dialog, "ok"); });
}

// A project p.tvr over a.s, created through New and saved.
void create_saved_project(WINDOW_FIXTURE& f) {
  const std::string source = f.write("a.s", countdown);
  f.answer("New project", choose_file(f.path("p.tvr")));
  add_source_and_confirm(f, source);
  f.window->execute_command(NEW_PROJECT);
  f.window->execute_command(SAVE_PROJECT);
}

}  // namespace

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PROJECT_COMMANDS_TEST : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void new_save_close_open_round_trip() {
    WINDOW_FIXTURE f;
    QVERIFY(!f.window->action(SAVE_PROJECT)->isEnabled());
    QVERIFY(f.window->action(OPEN_PROJECT)->isEnabled());
    create_saved_project(f);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    CONTEXT& context = f.context();
    QVERIFY(context.project_manager.is_open());
    QCOMPARE(context.source_paths.paths(), std::vector<std::string>{"a.s"});
    QVERIFY(context.machine.rom.size() >= 3);
    QVERIFY(f.window->action(RUN)->isEnabled());
    QVERIFY(f.window->source_view().windowTitle().endsWith("a.s"));
    QVERIFY(file_text(f.path("p.tvr")).find("a.s") != std::string::npos);
    QVERIFY(!context.project_manager.modified);

    f.window->execute_command(CLOSE_PROJECT);
    QVERIFY(f.messages().contains("\nClose the current project."));
    QVERIFY(!context.project_manager.is_open());
    QCOMPARE(f.window->source_view().windowTitle(), QString("Source Code"));
    QVERIFY(!f.window->action(SAVE_PROJECT)->isEnabled());
    f.window->execute_command(RUN);  // acts only with a project
    QCOMPARE(context.machine.rom.size(), 0);

    f.answer("Open project", choose_file(f.path("p.tvr")));
    f.window->execute_command(OPEN_PROJECT);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QVERIFY(context.project_manager.is_open());
    QVERIFY(context.machine.rom.size() >= 3);
    QVERIFY(f.window->source_view().text().contains("LDIL R1,#10"));
  }

  void the_save_question_cancels_closes_or_saves() {
    WINDOW_FIXTURE f;
    create_saved_project(f);
    PROJECT_MANAGER& project = f.context().project_manager;
    auto rename = [&](const char* name) {
      project.project_name = name;
      project.modified = true;
    };
    rename("first");
    f.answer("Warning", press("Cancel"));
    f.window->execute_command(CLOSE_PROJECT);
    QVERIFY(project.is_open());
    f.answer("Warning", press("Cancel"));  // Cancel also cancels New
    f.window->execute_command(NEW_PROJECT);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QVERIFY(project.is_open());

    f.answer("Warning", press("No"));
    f.window->execute_command(CLOSE_PROJECT);
    QVERIFY(!project.is_open());
    QVERIFY(file_text(f.path("p.tvr")).find("first") == std::string::npos);

    f.answer("Open project", choose_file(f.path("p.tvr")));
    f.window->execute_command(OPEN_PROJECT);
    rename("second");
    f.answer("Warning", press("Yes"));
    f.window->execute_command(CLOSE_PROJECT);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QVERIFY(!project.is_open());
    QVERIFY(file_text(f.path("p.tvr")).find("second") != std::string::npos);
  }

  void edit_that_removes_every_source_asks_then_closes() {
    WINDOW_FIXTURE f;
    create_saved_project(f);
    f.answer("Edit project", [](QWidget* dialog) {
      dialog->findChild<QListWidget*>("sources")->setCurrentRow(0);
      click_named(dialog, "supp");
      click_named(dialog, "ok");
    });
    f.answer("Warning", press("No"));
    f.window->execute_command(EDIT_PROJECT);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QVERIFY(!f.context().project_manager.is_open());
  }

  void refusals_leave_the_project_as_it_was() {
    WINDOW_FIXTURE f;
    f.answer("New project", choose_file(f.path("p.txt")));
    f.answer("Name error", press("OK"));
    f.window->execute_command(NEW_PROJECT);
    f.answer("Open project", choose_file(f.write("q.txt", "")));
    f.answer("Error", press("OK"));
    f.window->execute_command(OPEN_PROJECT);
    f.write("p.tvr", "");
    f.answer("New project", choose_file(f.path("p.tvr")));
    f.answer("The file name already exists.", press("No"));
    f.window->execute_command(NEW_PROJECT);
    // Yes goes on to the project dialog; cancelling it discards the new project.
    f.answer("New project", choose_file(f.path("p.tvr")));
    f.answer("The file name already exists.", press("Yes"));
    f.answer("Edit project", [](QWidget* dialog) { click_named(dialog, "cancel"); });
    f.window->execute_command(NEW_PROJECT);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QVERIFY(!f.context().project_manager.is_open());
  }

  void a_failed_save_keeps_the_project_and_says_so() {
    WINDOW_FIXTURE f;
    create_saved_project(f);
    PROJECT_MANAGER& project = f.context().project_manager;
    project.project_path = f.path("gone/p.tvr");
    project.modified = true;
    f.answer("Error", press("OK"));
    f.window->execute_command(SAVE_PROJECT);
    f.answer("Warning", press("Yes"));
    f.answer("Error", press("OK"));  // "Impossible writing project file." cancels the close
    f.window->execute_command(CLOSE_PROJECT);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QVERIFY(project.is_open() && project.modified);
  }

  // A full disk: the box says which file and why, and the saved file is what it was.
  void a_save_on_a_full_disk_names_the_file_and_keeps_the_old_one() {
    WINDOW_FIXTURE f;
    create_saved_project(f);
    const std::string saved = read_file(f.path("p.tvr"));
    PROJECT_MANAGER& project = f.context().project_manager;
    project.project_name = std::string(5000, 'n');
    project.modified = true;
    f.answer("Error", [](QWidget* box) {
      const QString text = qobject_cast<QMessageBox*>(box)->text();
      QVERIFY2(text.startsWith("Cannot write project file.\nCannot write file \"") &&
                   text.endsWith("p.tvr\": File too large."),
               qPrintable(text));
      press("OK")(box);
    });
    {
      FILE_SIZE_LIMIT limit(1024);
      f.window->execute_command(SAVE_PROJECT);
    }
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QCOMPARE(read_file(f.path("p.tvr")), saved);
    QVERIFY(project.modified);
  }

  void a_source_that_is_missing_is_named_in_a_box() {
    WINDOW_FIXTURE f;
    create_saved_project(f);
    std::filesystem::remove(f.path("a.s"));
    f.answer("File error", [](QWidget* box) {
      QVERIFY(qobject_cast<QMessageBox*>(box)->text().contains("File \"a.s\" not found."));
      press("OK")(box);
    });
    f.window->execute_command(UPDATE);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    QVERIFY(f.context().project_manager.is_open());
  }
};

QTEST_MAIN(PROJECT_COMMANDS_TEST)
#include "project_commands_test.moc"
