// The windowed mode's interface: user text goes to the main window's messages view (to the
// standard output until the window exists), and `run` opens the window, reopens the last
// project and returns when the window closes.
#pragma once

#include <string>
#include <string_view>

#include "base/user_interface.h"

struct CONTEXT;
class MAIN_WINDOW;

class SCREEN_INTERFACE : public INTERFACE {
 public:
  // icon_directory: where the speed-bar and breakpoint bitmaps are.
  SCREEN_INTERFACE(CONTEXT& context, std::string icon_directory);

  void put_string(std::string_view text) override;
  void flush() override;
  // Answers 0 once the window has closed.
  int run() override;

  // Text goes to this window's messages from now on (nullptr: to the standard output again).
  void attach(MAIN_WINDOW* window) { window_ = window; }
  MAIN_WINDOW* window() const { return window_; }

 private:
  CONTEXT& context_;
  std::string icon_directory_;
  MAIN_WINDOW* window_ = nullptr;
};
