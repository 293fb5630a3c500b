// The project dialog edits a copy of the settings. Source paths below the project file's folder
// are kept relative to it, so that a project folder still builds after it moves; the binary
// text file path is checked against every path the project names, as given and as resolved.
#include "gui/dialogs/project_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "gui/dialogs/message_boxes.h"

namespace fs = std::filesystem;

namespace {

fs::path project_directory(const std::string& project_path) {
  std::error_code ignored;
  return fs::absolute(fs::path(project_path), ignored).parent_path();
}

// Where a path of the project leads: relative paths start at the project file's folder.
fs::path resolved(const std::string& path, const fs::path& directory) {
  fs::path full = fs::path(path).is_absolute() ? fs::path(path) : directory / path;
  std::error_code error;
  fs::path canonical = fs::weakly_canonical(full, error);
  return error ? full.lexically_normal() : canonical;
}

// The path to store for a chosen file: relative when the file lies in or below the folder.
std::string stored_path(const std::string& chosen, const fs::path& directory) {
  const fs::path file = resolved(chosen, directory);
  const fs::path relative = file.lexically_relative(resolved(directory.string(), directory));
  if (relative.empty() || *relative.begin() == "..") return file.string();
  return relative.string();
}

// A file is listed once, whichever way its path is written.
bool lists_file(const QListWidget& list, const std::string& path, const fs::path& directory) {
  const fs::path file = resolved(path, directory);
  for (int row = 0; row < list.count(); ++row) {
    if (resolved(list.item(row)->text().toStdString(), directory) == file) return true;
  }
  return false;
}

QPushButton* named_button(const QString& text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

std::string binary_path_problem(const PROJECT_SETTINGS& settings, const std::string& project_path) {
  const std::string& binary = settings.binary_text_file_path;
  if (binary.empty()) return {};  // the build derives a name of its own
  if (binary.size() < 2) return "Invalid binary text file path (ie: program.b).";
  std::vector<std::string> taken = settings.source_paths;
  taken.push_back(project_path);
  const fs::path directory = project_directory(project_path);
  const fs::path binary_file = resolved(binary, directory);
  for (const std::string& path : taken) {
    if (path == binary || resolved(path, directory) == binary_file)
      return "Binary text file \"" + binary + "\" would overwrite a source or project file.";
  }
  return {};
}

PROJECT_DIALOG::PROJECT_DIALOG(const std::string& project_path, const PROJECT_SETTINGS& settings,
                               QWidget* parent)
    : QDialog(parent),
      project_path_(project_path),
      sources_(new QListWidget),
      binary_path_(new QLineEdit(QString::fromStdString(settings.binary_text_file_path))),
      project_name_(new QLineEdit(QString::fromStdString(settings.project_name))) {
  setWindowTitle("Edit project");
  sources_->setObjectName("sources");
  binary_path_->setObjectName("binary_path");
  project_name_->setObjectName("project_name");
  for (const std::string& path : settings.source_paths)
    sources_->addItem(QString::fromStdString(path));

  auto* path_label = new QLabel(QString::fromStdString(project_path));
  path_label->setTextInteractionFlags(Qt::TextSelectableByMouse);

  QPushButton* add = named_button("Add", "add");
  QPushButton* supp = named_button("Supp", "supp");
  connect(add, &QPushButton::clicked, this, &PROJECT_DIALOG::add_sources);
  connect(supp, &QPushButton::clicked, this, &PROJECT_DIALOG::remove_selected_source);
  auto* source_buttons = new QVBoxLayout;
  source_buttons->addWidget(add);
  source_buttons->addWidget(supp);
  source_buttons->addStretch();
  auto* source_row = new QHBoxLayout;
  source_row->addWidget(sources_);
  source_row->addLayout(source_buttons);

  auto* form = new QFormLayout;
  form->addRow("Project file path:", path_label);
  form->addRow("Source file(s) path:", source_row);
  form->addRow("Binary text file path:", binary_path_);
  form->addRow("Project name :", project_name_);

  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = named_button("&Ok", "ok");
  ok->setDefault(true);
  buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  buttons->addButton(named_button("&Cancel", "cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &PROJECT_DIALOG::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PROJECT_DIALOG::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

PROJECT_SETTINGS PROJECT_DIALOG::settings() const {
  PROJECT_SETTINGS settings;
  for (int row = 0; row < sources_->count(); ++row)
    settings.source_paths.push_back(sources_->item(row)->text().toStdString());
  settings.binary_text_file_path = binary_path_->text().toStdString();
  settings.project_name = project_name_->text().toStdString();
  return settings;
}

void PROJECT_DIALOG::accept() {
  const std::string problem = binary_path_problem(settings(), project_path_);
  if (!problem.empty()) {
    error_box(this, "Error", problem);
    return;
  }
  QDialog::accept();
}

void PROJECT_DIALOG::add_sources() {
  // Qt's own dialog, shown with exec, so that a test can answer it as the active modal widget.
  const fs::path directory = project_directory(project_path_);
  QFileDialog dialog(this, "Select source", QString::fromStdString(directory.string()));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters({"C files(*.c)", "assembly file(*.s)"});
  if (dialog.exec() != QDialog::Accepted) return;
  for (const QString& chosen : dialog.selectedFiles()) {
    if (!lists_file(*sources_, chosen.toStdString(), directory))
      sources_->addItem(QString::fromStdString(stored_path(chosen.toStdString(), directory)));
  }
}

void PROJECT_DIALOG::remove_selected_source() {
  qDeleteAll(sources_->selectedItems());
}
