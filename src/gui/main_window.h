// The main window: a multiple-document frame over the open project, with the menus, the speed
// bar, the status line and the child views. Every user action is a numbered command that goes
// through execute_command, which calls the same core operations as the console (the build, the
// execution, the breakpoints, the writers) and then refreshes the views.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "driver/hazard_check.h"

struct CONTEXT;
class ECHO_WINDOW;
class MACHINE_VIEW;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class SRC_FILE_WINDOW;
class CPU_OPTIONS_DIALOG;
struct PROJECT_SETTINGS;

enum class CLOSE_ANSWER { cancelled, closed };

class MAIN_WINDOW : public QMainWindow {
  Q_OBJECT

 public:
  MAIN_WINDOW(CONTEXT& context, std::string icon_directory, QWidget* parent = nullptr);
  ~MAIN_WINDOW() override;

  // Runs a command of the table; any other number is ignored.
  void execute_command(int command);
  // Redraws every open view from the machine state.
  void refresh_views();
  // Shows and marks the source line of the instruction at the program counter.
  void show_current_line();
  // The save question when the project has unsaved changes; closes the project unless cancelled.
  CLOSE_ANSWER confirm_close_project();
  // At start: loads the project named by the last-project file, if there is one.
  void reopen_last_project();

  // The views, by their command; nullptr until first opened.
  MACHINE_VIEW* view(int command) const;
  ECHO_WINDOW& messages() const { return *messages_; }
  SRC_FILE_WINDOW& source_view() const { return *source_; }
  QMdiSubWindow* frame_of(int command) const;
  QAction* action(int command) const;
  CPU_OPTIONS_DIALOG* cpu_options_window() const { return cpu_options_; }
  bool is_running() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The window's parts (main_window.cpp).
  void create_actions();
  void create_menus();
  void create_speed_bar();
  void enable_commands();

  // Project commands (project_commands.cpp).
  void create_project();
  void open_project();
  bool save_project();
  void edit_project();
  void close_project_now();
  // The save question alone: Yes saves (cancelling when that fails), No goes on.
  CLOSE_ANSWER ask_to_save();
  bool ask_project_settings();
  void apply_project_settings(const PROJECT_SETTINGS& settings);
  void project_opened();
  // The project's sources and names as the project dialog edits them.
  PROJECT_SETTINGS project_settings() const;

  // Builds and runs (run_commands.cpp).
  void build();
  void after_build();
  void show_build_result();
  void run();
  void stop();
  void step();
  void run_slices();
  void announce_end();
  void stop_running();
  void follow_running_machine(int64_t last_address);
  void mark_source_of(int64_t address);

  // Views and the remaining commands (view_commands.cpp).
  void open_view(int command);
  MACHINE_VIEW* create_view(int command);
  void add_view(int command, MACHINE_VIEW* view);
  void clear_views();
  void clear_breakpoints();
  void write_binary_files();
  void show_cpu_options();
  void apply_cpu_options();
  void arrange_minimised_views();
  void show_about();
  void toggle_verbose();
  // With the check on, runs and steps count the pipeline hazards since the last build, and
  // every stop of a run writes the count to the messages.
  void toggle_hazard_check();
  void report_hazards();

  CONTEXT& context_;
  const std::string icon_directory_;
  QMdiArea* area_;
  std::map<int, QAction*> actions_;
  std::map<int, QMdiSubWindow*> frames_;
  ECHO_WINDOW* messages_;
  SRC_FILE_WINDOW* source_;
  CPU_OPTIONS_DIALOG* cpu_options_ = nullptr;

  // The idle loop of a free run: a zero-time timer fires whenever the event queue is empty.
  QTimer idle_;
  QElapsedTimer since_frame_;
  bool build_failed_ = false;
  std::optional<HAZARD_CHECK> hazard_check_;
};
