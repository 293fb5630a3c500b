// The windowed mode as the program starts it: no mode flag opens the window titled "Tavrel",
// with the options read first and the last project reopened; the mode ends, with status 0,
// when the window is closed.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "driver/tavrel.h"
#include "gui/main_window.h"
#include "gui/screen_interface.h"
#include "gui/views/src_file_window.h"
#include "pipeline/project_files.h"
#include "project/project_file_writer.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

// Runs the program's windowed mode; once the window is up, check looks at it and it is closed.
int run_window(TEST_CONTEXT& test, const std::vector<std::string>& arguments,
               const std::function<void(MAIN_WINDOW&)>& check) {
  bool checked = false;
  QTimer::singleShot(100, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* window = qobject_cast<MAIN_WINDOW*>(widget);
      if (window == nullptr || !window->isVisible()) continue;
      check(*window);
      checked = true;
      window->close();
    }
  });
  const int status = run_tavrel(test.context, arguments, [](CONTEXT& context) {
    return std::make_unique<SCREEN_INTERFACE>(context, ICON_DIRECTORY);
  });
  return checked ? status : -1;
}

}  // namespace

class STARTUP_TEST : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void no_mode_flag_opens_the_window_until_it_is_closed() {
    TEMPORARY_DIRECTORY directory;
    TEST_CONTEXT test(directory.path());
    QString title;
    QCOMPARE(run_window(test, {}, [&](MAIN_WINDOW& window) { title = window.windowTitle(); }), 0);
    QCOMPARE(title, QString("Tavrel"));
    QVERIFY(!test.context.echo.verbose);
    QVERIFY(test.context.user_interface.stop);
  }

  void the_options_are_read_before_the_window_opens() {
    TEMPORARY_DIRECTORY directory;
    TEST_CONTEXT test(directory.path());
    QCOMPARE(run_window(test, {"-X", "16", "-N", "10", "-M", "20", "-L", "6", "-verbose"},
                        [](MAIN_WINDOW&) {}),
             0);
    const PROCESSOR_PARAMETERS& parameters = test.context.machine.parameters;
    QCOMPARE(parameters.register_count, 16);
    QCOMPARE(parameters.data_size, 10);
    QCOMPARE(parameters.pc_width, 20);
    QVERIFY(test.context.echo.verbose);

    TEST_CONTEXT refused(directory.path());  // a file argument needs a mode flag
    QCOMPARE(run_tavrel(refused.context, {"prog.c"},
                        [](CONTEXT& c) { return std::make_unique<SCREEN_INTERFACE>(c, ""); }),
             1);
  }

  void the_last_project_is_reopened_and_stays_the_last_after_quit() {
    TEMPORARY_DIRECTORY directory;
    std::filesystem::create_directories(directory.path() + "/icones");
    const std::string source = directory.write("a.s", "        LDIL R1,#1\n        INC R1\n");
    const std::string project = directory.path() + "/p.tvr";
    int32_t built_size = 0;
    {
      TEST_CONTEXT writer(directory.path());
      new_project(writer.context, project);
      writer.context.source_paths.add_source_file(source);
      QVERIFY(write_project_file(writer.context.project_description(), writer.context.files));
      writer.context.project_manager.update();
      built_size = writer.context.machine.rom.size();
    }
    for (int start = 0; start < 2; ++start) {
      TEST_CONTEXT test(directory.path());
      std::string shown;
      QCOMPARE(run_window(test, {},
                          [&](MAIN_WINDOW& window) { shown = window.source_view().shown_path(); }),
               0);
      QVERIFY(test.context.project_manager.is_open());
      QCOMPARE(test.context.machine.rom.size(), built_size);
      QCOMPARE(shown, source);
    }
  }
};

QTEST_MAIN(STARTUP_TEST)
#include "startup_test.moc"
