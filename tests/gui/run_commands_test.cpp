// Building, stepping and running in the window: Update, Step, Run to a breakpoint and to the
// end, Stop during a long run, an input port edited while the program waits for it, the views
// (each opened twice, still one), the binary files, the CPU options and the inspection bubble.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>
#include <filesystem>

#include "gui/commands.h"
#include "gui/dialogs/cpu_options_dialog.h"
#include "gui/views/register_view.h"
#include "gui/views/src_file_window.h"
#include "pipeline/context.h"
#include "rom_image/intel_hex_writer.h"
#include "window_fixture.h"

namespace {

// Line 8 runs once, after the loop: total is then 1 + 2 + ... + 10.
constexpr const char* summing =
    "int total;\n"
    "int main(void)\n"
    "{\n"
    "  int i;\n"
    "  total = 0;\n"
    "  for (i = 1; i <= 10; i++)\n"
    "    total = total + i;\n"
    "  total = total + 1;\n"
    "}\n";

// A project over one source file, built, as the window's New leaves it.
void open_project(WINDOW_FIXTURE& f, const std::string& name, const std::string& text) {
  const std::string source = f.write(name, text);
  f.answer("New project", choose_file(f.path("p.tvr")));
  f.answer("Edit project", [](QWidget* dialog) { click_named(dialog, "add"); });
  f.answer("Select source", choose_file(source));
  f.answer("Edit project", [](QWidget* dialog) { click_named(dialog, "ok"); });
  f.window->execute_command(NEW_PROJECT);
  QVERIFY2(f.all_answered(), qPrintable(f.pending()));
  QVERIFY(f.context().project_manager.is_open());
}

int64_t pc(WINDOW_FIXTURE& f) {
  return f.context().machine.program_counter.value;
}

std::string bubble(WINDOW_FIXTURE& f, int line, int column) {
  return f.window->source_view().bubble_text(line, column);
}

}  // namespace

class RUN_COMMANDS_TEST : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void run_to_a_breakpoint_then_to_the_end() {
    WINDOW_FIXTURE f;
    open_project(f, "sum.c", summing);
    SRC_FILE_WINDOW& source = f.window->source_view();
    QCOMPARE(source.toggle_breakpoint(8), 1);
    QCOMPARE(source.toggle_breakpoint(3), -1);  // no code there
    f.window->execute_command(RUN);
    QTRY_VERIFY(!f.window->is_running());
    QCOMPARE(source.marked_line(), 8);
    QVERIFY2(bubble(f, 8, 3).find("55") != std::string::npos, bubble(f, 8, 3).c_str());
    // The same text in the bubble under the pointer, over "total" of line 8.
    SOURCE_TEXT& text = source.editor();
    QTextCursor cursor(text.document()->findBlockByNumber(7));
    cursor.setPosition(cursor.position() + 3);
    const QPoint at = text.cursorRect(cursor).center();
    QHelpEvent hover(QEvent::ToolTip, at, text.viewport()->mapToGlobal(at));
    QApplication::sendEvent(text.viewport(), &hover);
    QVERIFY2(QToolTip::text().contains("55"), qPrintable(QToolTip::text()));

    f.window->execute_command(RUN);  // executes the instruction under the breakpoint, goes on
    QTRY_VERIFY(!f.window->is_running());
    QVERIFY(f.messages().endsWith("The program is finished.\n"));
    QCOMPARE(source.marked_line(), 0);
    QVERIFY(bubble(f, 8, 3).find("56") != std::string::npos);
    QVERIFY(f.context().project_manager.needs_update);

    f.window->execute_command(STEP);  // rebuilds, then steps from the start
    QVERIFY(!f.context().project_manager.needs_update);
    QCOMPARE(pc(f), 1);
    f.window->execute_command(CLEAR_BREAKPOINTS);
    QVERIFY(
        f.context()
                .machine.breakpoints.lines_of(*f.context().source_files.find(source.shown_path()))
                .count(8) == 0 ||
        f.context()
                .machine.breakpoints.lines_of(*f.context().source_files.find(source.shown_path()))
                .at(8) == nullptr);
  }

  // The setting counts what runs and steps execute: none in a compiled program, now padded;
  // an unpadded assembly program's hazard is named after each stop.
  void the_hazard_check_reports_after_each_run() {
    WINDOW_FIXTURE f;
    open_project(f, "sum.c", summing);
    f.window->execute_command(HAZARD_CHECK_COMMAND);
    f.window->execute_command(RUN);
    QTRY_VERIFY(!f.window->is_running());
    QVERIFY2(f.messages().contains("Pipeline hazards: none.\nThe program is finished.\n"),
             qPrintable(f.messages()));

    WINDOW_FIXTURE g;
    open_project(g, "a.s", "        RJMP go\n        IJMP (R0)\ngo:     LDIL R1,#2\n        ADD R2,R1\n");
    g.window->execute_command(HAZARD_CHECK_COMMAND);
    g.window->execute_command(RUN);
    QTRY_VERIFY(!g.window->is_running());
    QVERIFY2(g.messages().contains("Pipeline hazards: 1.\n  ROM 0x0003 (a.s line 4): ADD R2,R1 "
                                   "reads what LDIL R1,#2 wrote one instruction before.\n"),
             qPrintable(g.messages()));
    g.window->execute_command(HAZARD_CHECK_COMMAND);  // off: the next run reports nothing
    g.window->execute_command(RUN);
    QTRY_VERIFY(!g.window->is_running());
    QCOMPARE(g.messages().count("Pipeline hazards"), 1);
  }

  void stepping_to_the_end_announces_it_once_and_rebuilds() {
    WINDOW_FIXTURE f;
    open_project(f, "a.s", "        LDIL R1,#2\n        LDIL R2,#3\n");
    f.window->execute_command(STEP);
    QCOMPARE(f.window->source_view().marked_line(), 2);
    f.window->execute_command(STEP);
    QCOMPARE(f.context().machine.registers.at(2).value, 3);
    QVERIFY(!f.messages().contains("The program is finished."));
    f.window->execute_command(STEP);
    QCOMPARE(f.messages().count("The program is finished.\n"), 1);
    f.window->execute_command(STEP);
    QCOMPARE(pc(f), 1);
    QCOMPARE(f.messages().count("The program is finished.\n"), 1);

    f.write("a.s", "        LDIL R3,#4\n");  // edited outside: Update shows and builds it
    f.window->execute_command(UPDATE);
    QVERIFY(f.window->source_view().text().contains("R3,#4"));
    QCOMPARE(f.context().machine.rom.size(), 1);
  }

  void stop_acts_at_once_during_a_long_run() {
    WINDOW_FIXTURE f;
    open_project(f, "loop.s", "loop:   INC R1\n        RJMP loop\n");
    f.window->execute_command(CLOCK_VIEW);
    f.window->execute_command(MACHINE_CODE_VIEW);
    f.window->execute_command(REGISTERS_VIEW);
    QElapsedTimer running;
    qint64 late = -1;
    QTimer::singleShot(1000, [&] {
      late = running.elapsed() - 1000;
      f.window->execute_command(STOP);
    });
    running.start();
    f.window->execute_command(RUN);
    QTRY_VERIFY_WITH_TIMEOUT(!f.window->is_running(), 10000);
    const qint64 periods = f.context().machine.clock.periods();
    qInfo("windowed run: %lld clock periods in %lld ms, Stop answered %lld ms late", periods,
          running.elapsed(), late);
    QVERIFY(late >= 0 && late < 250);
    QVERIFY(periods > 1'000'000);
    QVERIFY(f.window->source_view().marked_line() > 0);
  }

  void a_program_reads_the_input_port_edited_while_it_runs() {
    WINDOW_FIXTURE f;
    f.context().machine.configuration.set_input_count(1);
    f.context().machine.configuration.set_output_count(1);
    open_project(f, "wait.s",
                 "wait:   IN R1,0\n        CMPI R1,#5\n        RB0 #Z,wait\n        OUT R1,0\n");
    f.window->execute_command(INPUT_VIEW_COMMAND);
    f.window->execute_command(RUN);
    QTest::qWait(100);
    QVERIFY(f.window->is_running());
    auto* table = f.window->view(INPUT_VIEW_COMMAND)->findChild<QTableWidget*>();
    QVERIFY(table != nullptr);
    table->item(0, 1)->setText("5");
    QTRY_VERIFY(!f.window->is_running());
    QCOMPARE(f.context().machine.devices.output[0], 5);
    QVERIFY(f.context().project_manager.modified);  // port values are saved with the project
  }

  void every_view_opens_once_and_the_register_base_switches() {
    WINDOW_FIXTURE f;
    open_project(f, "a.s", "        LDIL R1,#255\n        INC R2\n");
    f.window->execute_command(STEP);
    const int commands[] = {CLOCK_VIEW,
                            MACHINE_CODE_VIEW,
                            REGISTERS_VIEW,
                            STATUS_REGISTER_VIEW_COMMAND,
                            STACK_VIEW,
                            MEMORY_VIEW,
                            INPUT_VIEW_COMMAND,
                            OUTPUT_VIEW_COMMAND,
                            INPUT_OUTPUT_VIEW_COMMAND,
                            SOURCE_VIEW,
                            MESSAGES_VIEW};
    QMdiArea* area = f.window->findChild<QMdiArea*>();
    for (int command : commands) {
      f.window->execute_command(command);
      const qsizetype count = area->subWindowList().size();
      f.window->frame_of(command)->close();
      f.window->execute_command(command);
      QCOMPARE(area->subWindowList().size(), count);
      QVERIFY(f.window->frame_of(command)->isVisible());
      QCOMPARE(area->activeSubWindow(), f.window->frame_of(command));
    }
    QCOMPARE(area->subWindowList().size(), std::size(commands));
    QCOMPARE(f.window->frame_of(MACHINE_CODE_VIEW)->windowTitle(), QString("ROM (2 words)"));
    QCOMPARE(f.window->frame_of(STACK_VIEW)->windowTitle(), QString("Stack"));

    auto* registers = static_cast<REGISTER_VIEW*>(f.window->view(REGISTERS_VIEW));
    QVERIFY(registers->text().contains("-1"));
    QTest::mouseClick(registers->findChild<QRadioButton*>("hex"), Qt::LeftButton);
    QVERIFY(registers->text().contains("0xFF"));
    QTest::mouseClick(registers->findChild<QRadioButton*>("unsigned"), Qt::LeftButton);
    QVERIFY(registers->text().contains("255"));
  }

  void binary_file_writes_both_intel_hex_pairs() {
    WINDOW_FIXTURE f;
    open_project(f, "a.s", "        LDIL R1,#2\n        INC R1\n");
    f.answer("Choose a format", [](QWidget* dialog) {
      dialog->findChild<QCheckBox*>("eight_bits")->setChecked(true);
      dialog->findChild<QCheckBox*>("sixteen_bits")->setChecked(true);
      click_named(dialog, "ok");
    });
    f.window->execute_command(BINARY_FILE);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    const std::string binary = f.context().project_manager.binary_text_file_path;
    QVERIFY(std::filesystem::exists(binary));
    for (INTEL_HEX_LAYOUT layout : {INTEL_HEX_LAYOUT::eight_bits, INTEL_HEX_LAYOUT::sixteen_bits}) {
      const auto [first, second] = intel_hex_names(binary, layout);
      QVERIFY2(std::filesystem::exists(first), first.c_str());
      QVERIFY2(std::filesystem::exists(second), second.c_str());
    }
  }

  void cpu_options_change_the_machine_and_force_a_rebuild() {
    WINDOW_FIXTURE f;
    open_project(f, "a.s", "        INC R15\n");  // R15 exists only with 16 registers
    QCOMPARE(f.context().machine.rom.size(), 0);
    f.window->execute_command(CPU_OPTIONS);
    f.window->execute_command(CPU_OPTIONS);
    CPU_OPTIONS_DIALOG* options = f.window->cpu_options_window();
    QVERIFY(options != nullptr && options->isVisible());
    QCOMPARE(f.window->findChildren<CPU_OPTIONS_DIALOG*>().size(), 1);
    options->findChild<QSlider*>("registers")->setValue(3);  // 8, 12, 16: the third size
    click_named(options, "ok");
    QTRY_VERIFY(!options->isVisible());
    QCOMPARE(f.context().machine.parameters.register_count, 16);
    QVERIFY(f.context().project_manager.modified && f.context().project_manager.needs_update);
    f.window->execute_command(STEP);
    QVERIFY2(f.context().machine.registers.at(15).value == 1, qPrintable(f.messages()));
  }

  void failed_builds_and_compiler_stops_keep_the_window() {
    WINDOW_FIXTURE f;
    open_project(f, "stop.c",
                 "void twice(int a)\n{\n  return a;\n}\nint main(void)\n{\n  twice(1);\n}\n");
    QVERIFY(f.messages().contains("Compilation stopped"));
    QVERIFY(f.context().project_manager.is_open());
    QCOMPARE(f.window->source_view().marked_line(), 3);
    f.window->execute_command(RUN);  // the last build failed: nothing runs
    QVERIFY(!f.window->is_running());
    QVERIFY(!f.messages().contains("The program is finished."));
  }

  void a_jump_out_of_the_rom_ends_the_run() {
    WINDOW_FIXTURE f;
    open_project(f, "jump.s", "        LDIL R2,#200\n        IJMP (R2)\n");
    f.window->execute_command(RUN);
    QTRY_VERIFY(!f.window->is_running());
    QVERIFY(f.messages().contains("The program is finished.\n"));
  }
};

QTEST_MAIN(RUN_COMMANDS_TEST)
#include "run_commands_test.moc"
