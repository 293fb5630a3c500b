// The picture of the window that the README shows: a C project stopped at a breakpoint, with the
// source, machine code, registers, RAM and messages views. It is written to ide.png, or to the
// path in TAVREL_SCREENSHOT (docs/ide.png is made so).
#include <QImage>
#include <QMdiSubWindow>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <set>

#include "gui/commands.h"
#include "gui/views/src_file_window.h"
#include "pipeline/context.h"
#include "window_fixture.h"

namespace {

std::string example(const std::string& name) {
  std::ifstream file(std::string(EXAMPLES_DIRECTORY) + "/" + name);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int line_containing(const std::string& text, const std::string& wanted) {
  int line = 1;
  for (size_t start = 0; start < text.size(); ++line) {
    const size_t end = text.find('\n', start);
    if (text.substr(start, end - start).find(wanted) != std::string::npos) return line;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return 0;
}

}  // namespace

class SCREENSHOT_TEST : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void the_window_stopped_at_a_breakpoint() {
    WINDOW_FIXTURE f;
    const std::string text = example("bubble_sort.c");
    const std::string source = f.write("bubble_sort.c", text);
    f.window->execute_command(VERBOSE);  // the messages then show the build's stages
    f.answer("New project", choose_file(f.path("sort.tvr")));
    f.answer("Edit project", [](QWidget* dialog) { click_named(dialog, "add"); });
    f.answer("Select source", choose_file(source));
    f.answer("Edit project", [](QWidget* dialog) { click_named(dialog, "ok"); });
    f.window->execute_command(NEW_PROJECT);
    QVERIFY2(f.all_answered(), qPrintable(f.pending()));
    f.window->resize(1400, 900);

    const int swap_line = line_containing(text, "swaps++");
    QCOMPARE(f.window->source_view().toggle_breakpoint(swap_line), 1);
    f.window->execute_command(RUN);
    QTRY_VERIFY(!f.window->is_running());
    QCOMPARE(f.window->source_view().marked_line(), swap_line);

    const std::pair<int, QRect> layout[] = {{SOURCE_VIEW, {0, 0, 560, 540}},
                                            {MACHINE_CODE_VIEW, {560, 0, 400, 540}},
                                            {REGISTERS_VIEW, {960, 0, 420, 300}},
                                            {MEMORY_VIEW, {960, 300, 420, 240}},
                                            {MESSAGES_VIEW, {0, 540, 1380, 250}}};
    for (const auto& [command, place] : layout) {
      f.window->execute_command(command);
      f.window->frame_of(command)->setGeometry(place);
    }
    QTest::qWait(200);
    const QImage picture = f.window->grab().toImage();
    QVERIFY(!picture.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7)
      for (int x = 0; x < picture.width(); x += 7) colours.insert(picture.pixel(x, y));
    QVERIFY(colours.size() > 20);  // something was drawn
    const QByteArray wanted = qgetenv("TAVREL_SCREENSHOT");
    QVERIFY(picture.save(wanted.isEmpty() ? QString("ide.png") : QString(wanted)));
  }
};

QTEST_MAIN(SCREENSHOT_TEST)
#include "screenshot_test.moc"
