#include "gui/main_window.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "gui/commands.h"
#include "gui/dialogs/cpu_options_dialog.h"
#include "gui/qt_text.h"
#include "gui/views/echo_window.h"
#include "gui/views/src_file_window.h"
#include "pipeline/context.h"
#include "pipeline/project_files.h"

MAIN_WINDOW::MAIN_WINDOW(CONTEXT& context, std::string icon_directory, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      icon_directory_(std::move(icon_directory)),
      area_(new QMdiArea(this)),
      messages_(new ECHO_WINDOW(context)),
      source_(new SRC_FILE_WINDOW(context, icon_directory_)) {
  setWindowTitle("Tavrel");
  setCentralWidget(area_);
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  create_actions();
  create_menus();
  create_speed_bar();
  statusBar()->showMessage("Ready");
  resize(1200, 800);

  add_view(SOURCE_VIEW, source_);
  add_view(MESSAGES_VIEW, messages_);
  frames_[SOURCE_VIEW]->setGeometry(0, 0, 700, 480);
  frames_[MESSAGES_VIEW]->setGeometry(0, 480, 1180, 220);
  connect(source_, &SRC_FILE_WINDOW::breakpoints_changed, [this] {
    if (MACHINE_VIEW* code = view(MACHINE_CODE_VIEW)) code->refresh();
  });

  idle_.setInterval(0);
  connect(&idle_, &QTimer::timeout, this, &MAIN_WINDOW::run_slices);
  enable_commands();
}

MAIN_WINDOW::~MAIN_WINDOW() {
  idle_.stop();
}

void MAIN_WINDOW::create_actions() {
  for (const COMMAND_ENTRY& entry : command_table()) {
    auto* action = new QAction(qt(entry.label.empty() ? entry.help : entry.label), this);
    if (!entry.bitmap.empty()) action->setIcon(QIcon(qt(icon_directory_ + "/" + entry.bitmap)));
    if (!entry.keys.empty()) action->setShortcut(QKeySequence(qt(entry.keys)));
    const QString help = qt(help_text(entry.command));
    action->setStatusTip(help);
    QString tip = qt(entry.label.empty() ? entry.help : entry.label).remove('&').trimmed();
    if (!entry.keys.empty()) tip += " (" + action->shortcut().toString() + ")";
    action->setToolTip(tip);
    const int command = entry.command;
    connect(action, &QAction::triggered, [this, command] { execute_command(command); });
    addAction(action);  // shortcuts of the speed-bar-only commands act too
    actions_[command] = action;
  }
  actions_[VERBOSE]->setCheckable(true);
  actions_[HAZARD_CHECK_COMMAND]->setCheckable(true);

  // F9 acts on the source view's current line: not a command of its own.
  auto* toggle = new QAction("Set or remove the breakpoint of the current line", this);
  toggle->setShortcut(Qt::Key_F9);
  toggle->setShortcutContext(Qt::WindowShortcut);
  connect(toggle, &QAction::triggered, [this] {
    if (context_.project_manager.is_open()) source_->toggle_breakpoint_at_cursor();
  });
  addAction(toggle);
}

void MAIN_WINDOW::create_menus() {
  for (const std::string& title : menu_titles()) {
    QMenu* menu = menuBar()->addMenu(qt(title));
    for (const COMMAND_ENTRY& entry : command_table()) {
      if (entry.menu != title) continue;
      if (entry.command == QUIT) menu->addSeparator();
      menu->addAction(actions_[entry.command]);
      if (entry.command == UPDATE) menu->addSeparator();
    }
  }
}

void MAIN_WINDOW::create_speed_bar() {
  QToolBar* bar = addToolBar("Speed bar");
  bar->setObjectName("speed_bar");
  bar->setMovable(false);
  for (int command : speed_bar_layout()) {
    if (command == 0)
      bar->addSeparator();
    else
      bar->addAction(actions_[command]);
  }
}

// Without a project only the commands that need none act.
void MAIN_WINDOW::enable_commands() {
  const bool open = context_.project_manager.is_open();
  for (auto& [command, action] : actions_) action->setEnabled(open || !needs_project(command));
}

bool MAIN_WINDOW::is_running() const {
  return context_.machine.execution.running();
}

void MAIN_WINDOW::execute_command(int command) {
  if (needs_project(command) && !context_.project_manager.is_open()) return;
  if (is_view_command(command)) {
    open_view(command);
    return;
  }
  switch (command) {
    case NEW_PROJECT:
      create_project();
      break;
    case OPEN_PROJECT:
      open_project();
      break;
    case SAVE_PROJECT:
      save_project();
      break;
    case EDIT_PROJECT:
      edit_project();
      break;
    case CLOSE_PROJECT:
      stop_running();
      confirm_close_project();
      break;
    case QUIT:
      close();
      break;
    case UPDATE:
      stop_running();
      build();
      refresh_views();
      show_build_result();
      break;
    case RUN:
      run();
      break;
    case STOP:
      stop();
      break;
    case STEP:
      step();
      break;
    case CLEAR_BREAKPOINTS:
      clear_breakpoints();
      break;
    case BINARY_FILE:
      write_binary_files();
      break;
    case CPU_OPTIONS:
      show_cpu_options();
      break;
    case CASCADE:
      area_->cascadeSubWindows();
      break;
    case TILE:
      area_->tileSubWindows();
      break;
    case ARRANGE_ICONS:
      arrange_minimised_views();
      break;
    case ABOUT:
      show_about();
      break;
    case VERBOSE:
      toggle_verbose();
      break;
    case HAZARD_CHECK_COMMAND:
      toggle_hazard_check();
      break;
    default:
      break;
  }
  enable_commands();
}

void MAIN_WINDOW::closeEvent(QCloseEvent* event) {
  stop_running();
  // The project stays the last one, so that the next start reopens it.
  if (ask_to_save() == CLOSE_ANSWER::cancelled) {
    event->ignore();
    return;
  }
  if (cpu_options_ != nullptr) cpu_options_->close();
  event->accept();
}
