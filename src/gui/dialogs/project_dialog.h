// "Edit project": the project's path, its source list (Add, Supp), the binary text file path and
// the project name. The dialog edits a copy; the window applies it when the dialog is confirmed.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

struct PROJECT_SETTINGS {
  std::vector<std::string> source_paths;
  std::string binary_text_file_path;
  std::string project_name;

  bool operator==(const PROJECT_SETTINGS&) const = default;
};

// Why a binary text file path cannot be accepted, or an empty text when it can: it must have
// at least two characters and name neither a source file nor the project file.
std::string binary_path_problem(const PROJECT_SETTINGS& settings, const std::string& project_path);

class PROJECT_DIALOG : public QDialog {
  Q_OBJECT

 public:
  PROJECT_DIALOG(const std::string& project_path, const PROJECT_SETTINGS& settings,
                 QWidget* parent = nullptr);

  // What the fields hold now.
  PROJECT_SETTINGS settings() const;

  // Confirming refuses a binary text file path that binary_path_problem rejects, with an error
  // box, and keeps the dialog open.
  void accept() override;

 private:
  void add_sources();
  void remove_selected_source();

  std::string project_path_;
  QListWidget* sources_;
  QLineEdit* binary_path_;
  QLineEdit* project_name_;
};
