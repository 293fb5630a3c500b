// The source view: one source file of the project, with a margin that shows the breakpoints and
// the current line. A click in the margin (or F9 on the cursor's line) sets or removes the
// line's breakpoint, exactly as the debugger's B command does; the text under the mouse pointer
// is explained in a bubble by the source inspection of the last build.
#pragma once

#include <QPixmap>
#include <QPlainTextEdit>
#include <string>

#include "gui/views/machine_view.h"
#include "machine/breakpoint_table.h"

class QComboBox;
class SRC_FILE;
class SOURCE_TEXT;

class SRC_FILE_WINDOW : public MACHINE_VIEW {
  Q_OBJECT

 public:
  SRC_FILE_WINDOW(CONTEXT& context, const std::string& icon_directory, QWidget* parent = nullptr);

  // Shows the file under this path as the build names it (the text is read from the disk).
  void show_file(const std::string& path);
  // Reads the file shown again from the disk.
  void reload();
  // Shows the first source file of the project, or nothing.
  void show_first_file();
  // Blanks the view: no file, title "Source Code".
  void blank();
  // Marks a line of the file shown (after switching to its file), or removes the mark (line 0).
  void mark_line(const std::string& path, int line);
  void clear_mark() { mark_line(shown_path_, 0); }

  void refresh() override;  // redraws the margin and the list of the project's files

  // Sets or removes the breakpoint of a line of the file shown; answers the line's new state.
  BREAKPOINT_STATE toggle_breakpoint(int line);
  void toggle_breakpoint_at_cursor();
  // The inspection text for a line and column of the file shown; empty when nothing is there.
  std::string bubble_text(int line, int column) const;

  const std::string& shown_path() const { return shown_path_; }
  int marked_line() const { return marked_line_; }
  QString text() const;
  SOURCE_TEXT& editor() const { return *editor_; }

 Q_SIGNALS:
  void breakpoints_changed();

 private:
  SRC_FILE* shown_file() const;
  void fill_file_list();

  friend class SOURCE_TEXT;
  friend class SOURCE_MARGIN;

  QComboBox* files_;
  SOURCE_TEXT* editor_;
  std::string shown_path_;
  int marked_line_ = 0;
  QPixmap breakpoint_mark_;
  QPixmap current_line_mark_;
};

// The text itself, with its margin and the bubble under the pointer.
class SOURCE_TEXT : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit SOURCE_TEXT(SRC_FILE_WINDOW& owner);

  int margin_width() const;
  void paint_margin(QPaintEvent* event);
  // The line (from 1) whose text is at a height of the viewport; 0 below the last line.
  int line_at(int y) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  SRC_FILE_WINDOW& owner_;
  QWidget* margin_;
};
