#include "gui/screen_interface.h"

#include <QApplication>
#include <memory>

#include "gui/main_window.h"
#include "gui/views/echo_window.h"
#include "pipeline/context.h"

SCREEN_INTERFACE::SCREEN_INTERFACE(CONTEXT& context, std::string icon_directory)
    : context_(context), icon_directory_(std::move(icon_directory)) {}

void SCREEN_INTERFACE::put_string(std::string_view text) {
  if (window_ != nullptr)
    window_->messages().append(text);
  else
    context_.output.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void SCREEN_INTERFACE::flush() {
  if (window_ == nullptr) context_.output.flush();
}

int SCREEN_INTERFACE::run() {
  // The program's own entry has no application object; a test brings its own.
  std::unique_ptr<QApplication> application;
  if (QApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "tavrel";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
  }
  MAIN_WINDOW window(context_, icon_directory_);
  attach(&window);
  window.show();
  window.reopen_last_project();
  const int status = QApplication::exec();
  attach(nullptr);
  return status;
}
