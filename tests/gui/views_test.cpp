// The machine views against the machine they show: a small program is built with 16 registers of
// 10 bits and a few ports, run for some steps, and every view's text is checked against the state,
// with the expected texts worked out here from the values.
#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "driver/code_listing.h"
#include "gui/views/asm_code_view.h"
#include "gui/views/echo_window.h"
#include "gui/views/input_output_view.h"
#include "gui/views/input_view.h"
#include "gui/views/machine_clock_view.h"
#include "gui/views/machine_ram_view.h"
#include "gui/views/machine_stack_view.h"
#include "gui/views/output_view.h"
#include "gui/views/port_table.h"
#include "gui/views/register_view.h"
#include "gui/views/status_register_view.h"
#include "machine/execution.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

const char* const program =
    "        LDIL R1,#0xFF\n"
    "        LDIH R1,#3\n"
    "        LDIL R2,#5\n"
    "        ST R1,(R2)\n"
    "        OUT R1,1\n"
    "        RCALL sub\n"
    "        NOP\n"
    "sub:    LDIL R3,#0x55\n"
    "        RET\n";

// The program built on a 10-bit processor with 16 registers, 4 inputs, 2 outputs, 2 I/O ports.
struct BUILT_PROGRAM {
  BUILT_PROGRAM() {
    PROCESSOR_CONFIGURATION& configuration = machine.configuration;
    configuration.set_register_count(16);
    configuration.set_data_size(10);
    configuration.set_input_count(4);
    configuration.set_output_count(2);
    configuration.set_io_count(2);
    path = directory.write("views.s", program);
    context.source_paths.add_source_file(path);
    context.project_manager.update();
    test.take_output();
  }
  // Steps until the program counter reaches the ROM address of the instruction with this text.
  void run_to(const std::string& instruction) {
    for (int steps = 0; steps < 100; ++steps) {
      std::string text;
      machine.rom.append_instruction_text(text, machine.program_counter.value, machine);
      if (text == instruction || execute_one(machine)) return;
    }
  }

  TEMPORARY_DIRECTORY directory;
  TEST_CONTEXT test;
  CONTEXT& context = test.context;
  MACHINE& machine = context.machine;
  std::string path;
};

QString hex(int32_t value, int digits) {
  return "0x" + QString::number(value & 0x3FF, 16).toUpper().rightJustified(digits, '0');
}

QStringList lines(const QString& text) {
  QStringList all = text.split('\n');
  if (!all.isEmpty() && all.last().isEmpty()) all.removeLast();
  return all;
}

}  // namespace

class VIEWS_TEST : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void machine_code_view_lists_the_rom_and_marks_the_program_counter() {
    BUILT_PROGRAM built;
    ASM_CODE_VIEW view(built.context);
    list_code(built.machine, built.context.user_interface);
    QCOMPARE(view.text().toStdString(), built.test.take_output());
    QCOMPARE(view.windowTitle(), QString("ROM (%1 words)").arg(built.machine.rom.size()));
    QCOMPARE(view.marked_address(), 0);

    auto* pane = view.findChild<QPlainTextEdit*>();
    const int revision = pane->document()->revision();
    built.run_to("RET");
    view.refresh();
    QCOMPARE(view.marked_address(), built.machine.program_counter.value);
    QCOMPARE(pane->textCursor().blockNumber(), view.marked_address());
    QCOMPARE(pane->extraSelections().size(), 1);
    QCOMPARE(pane->document()->revision(), revision);  // moving the mark keeps the text

    const SRC_FILE& file = built.context.source_files.source_file_for(built.path);
    QVERIFY(built.machine.breakpoints.set_breakpoint(file, 3) >= 0);
    view.refresh();
    list_code(built.machine, built.context.user_interface);
    QCOMPARE(view.text().toStdString(), built.test.take_output());
    QVERIFY(view.text().contains("* "));

    built.machine.program_counter.value = built.machine.rom.size();
    view.refresh();
    QCOMPARE(view.marked_address(), -1);
    QVERIFY(pane->extraSelections().isEmpty());
  }

  void register_view_shows_every_register_in_the_chosen_base() {
    BUILT_PROGRAM built;
    built.run_to("RET");
    REGISTER_VIEW view(built.context);
    QCOMPARE(view.windowTitle(), QString("Registers"));
    QCOMPARE(built.machine.registers.at(1).value, -1);
    const struct {
      const char* base;
      QString r1, r3, r12;
    } cases[] = {{"decimal", "-1", "85", "0"},
                 {"hex", "0x3FF", "0x055", "0x000"},
                 {"binary", "0b1111111111", "0b0001010101", "0b0000000000"},
                 {"unsigned", "1023", "85", "0"}};
    for (const auto& c : cases) {
      view.findChild<QRadioButton*>(c.base)->click();
      const QStringList shown = lines(view.text());
      QCOMPARE(shown.size(), 16);
      QCOMPARE(shown[1], "R1  = " + c.r1);
      QCOMPARE(shown[3], "R3  = " + c.r3);
      QCOMPARE(shown[12], "R12 = " + c.r12);
    }
  }

  void status_stack_and_ram_views_show_the_state_after_a_call() {
    BUILT_PROGRAM built;
    built.run_to("RET");
    const MACHINE& machine = built.machine;
    STATUS_REGISTER_VIEW status(built.context);
    QCOMPARE(status.windowTitle(), QString("Status register"));
    const auto bit = [&](char flag) { return QString::number(machine.status.flag(flag)); };
    QCOMPARE(status.text(), "I _ _ S V N Z C\n" + bit('I') + "     " + bit('S') + ' ' + bit('V') +
                                ' ' + bit('N') + ' ' + bit('Z') + ' ' + bit('C') + '\n');

    MACHINE_STACK_VIEW stack(built.context);
    QCOMPARE(stack.windowTitle(), QString("Stack"));
    const QStringList stack_lines = lines(stack.text());
    QCOMPARE(stack_lines.size(), 5);  // Z = 4 entries, then the bottom line
    QCOMPARE(stack_lines[3], ' ' + QString::number(machine.stack.entries[0]).rightJustified(4) +
                                 " <- Stack pointer");
    QCOMPARE(stack_lines[4], QString("-- bottom --"));

    MACHINE_RAM_VIEW ram(built.context);
    QCOMPARE(ram.windowTitle(), QString("RAM (6 words used)"));
    QCOMPARE(lines(ram.text()).size(), 6);
    QCOMPARE(lines(ram.text())[5], QString("0x05 : -1"));
    ram.findChild<QRadioButton*>("hexadecimal")->click();
    QCOMPARE(lines(ram.text())[5], QString("0x05 : 0x3FF"));
    QCOMPARE(lines(ram.text())[0], QString("0x00 : 0x000"));
  }

  void input_view_stores_accepted_entries_and_refuses_bad_ones() {
    BUILT_PROGRAM built;
    INPUT_VIEW view(built.context);
    QSignalSpy edits(&view, &MACHINE_VIEW::edited);
    QCOMPARE(view.windowTitle(), QString("Input"));
    QCOMPARE(view.text(), QString("0 0x000\n1 0x000\n2 0x000\n3 0x000\n"));
    PORT_TABLE& table = view.table();
    QVERIFY(!(table.item(0, 0)->flags() & Qt::ItemIsEditable));

    table.item(2, 1)->setText("3fe");
    QCOMPARE(built.machine.devices.input[2], -2);  // 0x3FE read as a signed 10-bit number
    QCOMPARE(table.item(2, 1)->text(), QString("0x3FE"));
    QCOMPARE(edits.count(), 1);
    for (const char* bad : {"xyz", "400", "", "0x"}) {
      table.item(2, 1)->setText(bad);
      QCOMPARE(table.item(2, 1)->text(), QString("0x3FE"));
    }
    QCOMPARE(built.machine.devices.input[2], -2);
    QCOMPARE(edits.count(), 1);

    // An edit in progress survives a redraw, and Return stores it.
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    table.setCurrentCell(1, 1);
    table.editItem(table.item(1, 1));
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != nullptr && editor != &table);
    QTest::keyClicks(editor, "0x7");
    built.machine.devices.input[1] = 5;
    view.refresh();
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor commits on the next turn
    QCOMPARE(built.machine.devices.input[1], 7);
    QCOMPARE(edits.count(), 2);

    built.machine.configuration.set_input_count(6);
    view.refresh();
    QCOMPARE(table.rowCount(), 6);
    built.machine.configuration.set_input_count(0);
    view.refresh();
    QCOMPARE(view.text(), QString());
  }

  void input_output_view_edits_data_and_direction_words() {
    BUILT_PROGRAM built;
    INPUT_OUTPUT_VIEW view(built.context);
    QSignalSpy edits(&view, &MACHINE_VIEW::edited);
    QCOMPARE(view.windowTitle(), QString("Input/Output"));
    QCOMPARE(view.text(), QString("96 0x000 0x000\n98 0x000 0x000\n"));
    view.table().item(1, 2)->setText("0F");
    view.table().item(0, 1)->setText("0x155");
    const DEVICE_POOL& devices = built.machine.devices;
    QCOMPARE(devices.io[3], 15);  // the direction mask of port 98
    QCOMPARE(devices.io[0], 0x155);
    QCOMPARE(devices.io[1], 0);
    QCOMPARE(edits.count(), 2);
    QCOMPARE(view.text(), QString("96 0x155 0x000\n98 0x000 0x00F\n"));
  }

  void output_and_clock_views_follow_the_run() {
    BUILT_PROGRAM built;
    OUTPUT_VIEW output(built.context);
    MACHINE_CLOCK_VIEW clock(built.context);
    QCOMPARE(output.windowTitle(), QString("Output"));
    QCOMPARE(clock.windowTitle(), QString("Machine clock"));
    QCOMPARE(clock.text(), QString("clock periods: 0"));
    built.run_to("RET");
    output.refresh();
    clock.refresh();
    QCOMPARE(output.text(), QString("0 : 0x000  0\n1 : " + hex(-1, 3) + "  -1\n"));
    QVERIFY(built.machine.clock.periods() > 0);
    QCOMPARE(clock.text(), "clock periods: " + QString::number(built.machine.clock.periods()));
  }

  void echo_window_gathers_pieces_until_the_event_loop_turns() {
    BUILT_PROGRAM built;
    ECHO_WINDOW echo(built.context);
    QCOMPARE(echo.windowTitle(), QString("Messages"));
    auto* pane = echo.findChild<QPlainTextEdit*>();
    for (const char* piece : {"Err", "or: x\n", "  ^", "\n", "caf\xC3", "\xA9"}) echo.append(piece);
    QCOMPARE(pane->toPlainText(), QString());
    QCoreApplication::processEvents();
    QCOMPARE(pane->toPlainText(), QString::fromUtf8("Error: x\n  ^\ncaf\xC3\xA9"));
    echo.append("\nmore");
    QCOMPARE(echo.text(), QString::fromUtf8("Error: x\n  ^\ncaf\xC3\xA9\nmore"));
    echo.clear();
    QCOMPARE(echo.text(), QString());
  }
};

QTEST_MAIN(VIEWS_TEST)
#include "views_test.moc"
