// New, Open, Save, Edit and Close: the project's life in the window. Each command that replaces
// or changes the project stops a running program first and asks the save question where
// unsaved changes would be lost.
#include <QFileDialog>
#include <filesystem>

#include "base/file_kind.h"
#include "gui/dialogs/message_boxes.h"
#include "gui/dialogs/project_dialog.h"
#include "gui/main_window.h"
#include "gui/views/src_file_window.h"
#include "pipeline/context.h"
#include "pipeline/project_files.h"
#include "project/project_file_writer.h"

namespace {

// A file dialog the tests can answer: Qt's own widgets, not the platform's.
std::string ask_project_path(QWidget* parent, const char* title, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the window asks its own question
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilter("project files(*.tvr)");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

// The box's own sentence, then which file could not be written and why.
std::string with_reason(const std::string& message, const std::string& failure) {
  return failure.empty() ? message : message + "\n" + failure;
}

}  // namespace

void MAIN_WINDOW::create_project() {
  stop_running();
  if (confirm_close_project() == CLOSE_ANSWER::cancelled) return;
  const std::string path = ask_project_path(this, "New project", QFileDialog::AcceptSave);
  if (path.empty()) return;
  if (!is_project_file(path)) {
    error_box(this, "Name error", "Invalid project name (ie: project.tvr).");
    return;
  }
  if (std::filesystem::exists(path) &&
      !overwrite_question(this, "The file name already exists.", "overwrite file ?"))
    return;
  new_project(context_, path);
  if (ask_project_settings() && !context_.source_paths.empty()) {
    build();
    project_opened();
  } else {
    close_project(context_);  // the new project is discarded
  }
}

void MAIN_WINDOW::open_project() {
  stop_running();
  if (confirm_close_project() == CLOSE_ANSWER::cancelled) return;
  const std::string path = ask_project_path(this, "Open project", QFileDialog::AcceptOpen);
  if (path.empty()) return;
  if (!is_project_file(path)) {
    error_box(this, "Error", "name of tvr file is invalid (ie: project.tvr).");
    return;
  }
  if (!load_project_file(context_, path)) {
    error_box(this, "Error", "The project file \"" + path + "\" could not be read.");
    return;
  }
  after_build();
  project_opened();
}

void MAIN_WINDOW::reopen_last_project() {
  const std::optional<std::string> path = read_last_project_file(context_);
  if (!path || !load_project_file(context_, *path)) return;
  after_build();
  project_opened();
}

bool MAIN_WINDOW::save_project() {
  std::string failure;
  if (write_project_file(context_.project_description(), context_.files, &failure)) return true;
  error_box(this, "Error", with_reason("Cannot write project file.", failure));
  return false;
}

void MAIN_WINDOW::edit_project() {
  stop_running();
  if (!ask_project_settings()) return;
  if (context_.source_paths.empty()) {
    confirm_close_project();
    return;
  }
  if (!context_.project_manager.modified) return;
  build();
  refresh_views();
  source_->show_first_file();
  show_build_result();
}

CLOSE_ANSWER MAIN_WINDOW::ask_to_save() {
  PROJECT_MANAGER& project = context_.project_manager;
  if (!project.is_open() || !project.modified) return CLOSE_ANSWER::closed;
  switch (question_box(this, "Warning", "Do you want save this project ?")) {
    case ANSWER::yes: {
      std::string failure;
      if (write_project_file(context_.project_description(), context_.files, &failure))
        return CLOSE_ANSWER::closed;
      error_box(this, "Error", with_reason("Impossible writing project file.", failure));
      return CLOSE_ANSWER::cancelled;
    }
    case ANSWER::no:
      return CLOSE_ANSWER::closed;
    default:
      return CLOSE_ANSWER::cancelled;
  }
}

CLOSE_ANSWER MAIN_WINDOW::confirm_close_project() {
  if (ask_to_save() == CLOSE_ANSWER::cancelled) return CLOSE_ANSWER::cancelled;
  close_project_now();
  return CLOSE_ANSWER::closed;
}

void MAIN_WINDOW::close_project_now() {
  if (!context_.project_manager.is_open()) return;
  context_.user_interface.put_string("\nClose the current project.");
  close_project(context_);
  context_.machine.reset();
  build_failed_ = false;
  source_->blank();
  clear_views();
  enable_commands();
}

bool MAIN_WINDOW::ask_project_settings() {
  const PROJECT_SETTINGS before = project_settings();
  PROJECT_DIALOG dialog(context_.project_manager.project_path.value_or(""), before, this);
  if (dialog.exec() != QDialog::Accepted) return false;
  const PROJECT_SETTINGS after = dialog.settings();
  if (after != before) apply_project_settings(after);
  return true;
}

void MAIN_WINDOW::apply_project_settings(const PROJECT_SETTINGS& settings) {
  PROJECT_MANAGER& project = context_.project_manager;
  context_.source_paths.clear();
  for (const std::string& path : settings.source_paths) context_.source_paths.add_source_file(path);
  project.binary_text_file_path = settings.binary_text_file_path;
  project.project_name = settings.project_name;
  project.modified = true;
  project.needs_update = true;
}

PROJECT_SETTINGS MAIN_WINDOW::project_settings() const {
  const PROJECT_MANAGER& project = context_.project_manager;
  return {context_.source_paths.paths(), project.binary_text_file_path, project.project_name};
}

void MAIN_WINDOW::project_opened() {
  enable_commands();
  source_->show_first_file();
  refresh_views();
  show_build_result();
}
