// The views, the machine's configuration, the ROM images and the small commands.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>

#include "gui/commands.h"
#include "gui/dialogs/cpu_options_dialog.h"
#include "gui/dialogs/format_dialog.h"
#include "gui/dialogs/message_boxes.h"
#include "gui/dialogs/project_dialog.h"
#include "gui/main_window.h"
#include "gui/views/asm_code_view.h"
#include "gui/views/echo_window.h"
#include "gui/views/input_output_view.h"
#include "gui/views/input_view.h"
#include "gui/views/machine_clock_view.h"
#include "gui/views/machine_ram_view.h"
#include "gui/views/machine_stack_view.h"
#include "gui/views/output_view.h"
#include "gui/views/register_view.h"
#include "gui/views/src_file_window.h"
#include "gui/views/status_register_view.h"
#include "pipeline/context.h"
#include "rom_image/binary_text_file.h"
#include "rom_image/intel_hex_writer.h"

namespace {

// The order in which the views are redrawn.
constexpr int refresh_order[] = {
    MACHINE_CODE_VIEW,  REGISTERS_VIEW,      STATUS_REGISTER_VIEW_COMMAND, STACK_VIEW, MEMORY_VIEW,
    INPUT_VIEW_COMMAND, OUTPUT_VIEW_COMMAND, INPUT_OUTPUT_VIEW_COMMAND,    CLOCK_VIEW, SOURCE_VIEW};

constexpr const char* about_text =
    "Tavrel\n\n"
    "A development environment for a small processor whose size you choose: a C compiler, an "
    "assembler, a simulator that counts clock periods, and ROM image writers.\n\n"
    "Written by the Tavrel developers.";

}  // namespace

MACHINE_VIEW* MAIN_WINDOW::create_view(int command) {
  switch (command) {
    case MACHINE_CODE_VIEW:
      return new ASM_CODE_VIEW(context_);
    case REGISTERS_VIEW:
      return new REGISTER_VIEW(context_);
    case STATUS_REGISTER_VIEW_COMMAND:
      return new STATUS_REGISTER_VIEW(context_);
    case STACK_VIEW:
      return new MACHINE_STACK_VIEW(context_);
    case MEMORY_VIEW:
      return new MACHINE_RAM_VIEW(context_);
    case INPUT_VIEW_COMMAND:
      return new INPUT_VIEW(context_);
    case OUTPUT_VIEW_COMMAND:
      return new OUTPUT_VIEW(context_);
    case INPUT_OUTPUT_VIEW_COMMAND:
      return new INPUT_OUTPUT_VIEW(context_);
    case CLOCK_VIEW:
      return new MACHINE_CLOCK_VIEW(context_);
    default:
      return nullptr;
  }
}

// A closed view is only hidden: its slot keeps it for the next request.
void MAIN_WINDOW::add_view(int command, MACHINE_VIEW* view) {
  QMdiSubWindow* frame = area_->addSubWindow(view);
  frame->setAttribute(Qt::WA_DeleteOnClose, false);
  frames_[command] = frame;
  // Port values belong to the project: editing them is a change to save.
  connect(view, &MACHINE_VIEW::edited, [this] { context_.project_manager.modified = true; });
}

void MAIN_WINDOW::open_view(int command) {
  if (frames_.count(command) == 0) {
    MACHINE_VIEW* created = create_view(command);
    if (created == nullptr) return;
    add_view(command, created);
  }
  QMdiSubWindow* frame = frames_[command];
  frame->show();
  frame->widget()->show();
  area_->setActiveSubWindow(frame);
  frame->raise();
  view(command)->refresh();
}

MACHINE_VIEW* MAIN_WINDOW::view(int command) const {
  auto found = frames_.find(command);
  return found == frames_.end() ? nullptr : static_cast<MACHINE_VIEW*>(found->second->widget());
}

QMdiSubWindow* MAIN_WINDOW::frame_of(int command) const {
  auto found = frames_.find(command);
  return found == frames_.end() ? nullptr : found->second;
}

QAction* MAIN_WINDOW::action(int command) const {
  auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

// Hidden views are redrawn when they are shown again.
void MAIN_WINDOW::refresh_views() {
  for (int command : refresh_order) {
    QMdiSubWindow* frame = frame_of(command);
    if (frame != nullptr && frame->isVisible()) view(command)->refresh();
  }
}

void MAIN_WINDOW::clear_views() {
  for (auto& [command, frame] : frames_) static_cast<MACHINE_VIEW*>(frame->widget())->refresh();
}

void MAIN_WINDOW::clear_breakpoints() {
  for (SRC_FILE* file : context_.source_files.all())
    context_.machine.breakpoints.remove_all_breakpoints(*file);
  source_->refresh();
  if (MACHINE_VIEW* code = view(MACHINE_CODE_VIEW)) code->refresh();
}

// The binary text file first; then, for each format ticked, its Intel HEX pair.
void MAIN_WINDOW::write_binary_files() {
  stop_running();
  PROJECT_MANAGER& project = context_.project_manager;
  if (project.needs_update) build();
  if (build_failed_) {
    error_box(this, "Error", "The build has errors: no binary file was written.");
    return;
  }
  const std::string problem =
      binary_path_problem(project_settings(), project.project_path.value_or(""));
  if (!problem.empty()) {
    error_box(this, "Error", problem);
    return;
  }
  const std::string& path = project.binary_text_file_path;
  std::string failure;
  if (!write_binary_text_file(path, context_.machine, context_.files, context_.error_handler,
                              &failure)) {
    error_box(this, "Error", failure);
    return;
  }
  FORMAT_DIALOG formats(this);
  if (formats.exec() != QDialog::Accepted) return;
  if (formats.eight_bits())
    write_intel_hex(path, INTEL_HEX_LAYOUT::eight_bits, context_.files, context_.error_handler);
  if (formats.sixteen_bits())
    write_intel_hex(path, INTEL_HEX_LAYOUT::sixteen_bits, context_.files, context_.error_handler);
}

void MAIN_WINDOW::show_cpu_options() {
  if (cpu_options_ == nullptr) {
    cpu_options_ = new CPU_OPTIONS_DIALOG(this);
    connect(cpu_options_, &QDialog::accepted, this, &MAIN_WINDOW::apply_cpu_options);
  }
  cpu_options_->show_parameters(context_.machine.parameters);
  cpu_options_->show();
  cpu_options_->raise();
  cpu_options_->activateWindow();
}

// Only the parameters that changed go through their setters, whose side effects (ports zeroed)
// should not strike an unchanged count. Any change is saved with the project and rebuilt.
void MAIN_WINDOW::apply_cpu_options() {
  stop_running();
  const PROCESSOR_PARAMETERS chosen = cpu_options_->chosen_parameters();
  PROCESSOR_PARAMETERS& now = context_.machine.parameters;
  PROCESSOR_CONFIGURATION& configuration = context_.machine.configuration;
  bool changed = false;
  auto apply = [&changed](int wanted, int current, auto setter) {
    if (wanted == current) return;
    setter(wanted);
    changed = true;
  };
  apply(chosen.register_count, now.register_count,
        [&](int v) { configuration.set_register_count(v); });
  apply(chosen.data_size, now.data_size, [&](int v) { configuration.set_data_size(v); });
  apply(chosen.pc_width, now.pc_width, [&](int v) { configuration.set_pc_width(v); });
  apply(chosen.ram_address_width, now.ram_address_width,
        [&](int v) { configuration.set_ram_address_width(v); });
  apply(chosen.stack_size, now.stack_size, [&](int v) { configuration.set_stack_size(v); });
  apply(chosen.input_count, now.input_count, [&](int v) { configuration.set_input_count(v); });
  apply(chosen.output_count, now.output_count, [&](int v) { configuration.set_output_count(v); });
  apply(chosen.io_count, now.io_count, [&](int v) { configuration.set_io_count(v); });
  if (!changed) return;
  context_.project_manager.modified = true;
  context_.project_manager.needs_update = true;
  refresh_views();
}

void MAIN_WINDOW::arrange_minimised_views() {
  int left = 0;
  for (QMdiSubWindow* frame : area_->subWindowList()) {
    if (!frame->isMinimized()) continue;
    const QSize size = frame->size();
    frame->move(left, area_->viewport()->height() - size.height());
    left += size.width();
  }
}

void MAIN_WINDOW::show_about() {
  QMessageBox box(QMessageBox::Information, "About Tavrel", about_text, QMessageBox::NoButton,
                  this);
  box.addButton("&Ok", QMessageBox::AcceptRole);
  box.exec();
}

void MAIN_WINDOW::toggle_hazard_check() {
  if (hazard_check_)
    hazard_check_.reset();
  else
    hazard_check_.emplace();
  action(HAZARD_CHECK_COMMAND)->setChecked(hazard_check_.has_value());
}

void MAIN_WINDOW::toggle_verbose() {
  ECHO& echo = context_.echo;
  echo.verbose = !echo.verbose;
  action(VERBOSE)->setChecked(echo.verbose);
  if (echo.verbose) context_.user_interface.put_string("Verbose is on.\n");
}
