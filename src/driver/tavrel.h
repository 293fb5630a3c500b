// The root: reads the command line, sets the processor options, picks the mode and runs it.
// Answers the process's exit status; nothing below it ends the process.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/user_interface.h"

struct CONTEXT;

// Makes the windowed mode's interface. The window sits above the driver, so the program hands
// its maker in; without one the windowed mode is refused.
using SCREEN_MAKER = std::function<std::unique_ptr<INTERFACE>(CONTEXT&)>;

int run_tavrel(CONTEXT& context, const std::vector<std::string>& arguments,
               const SCREEN_MAKER& make_screen = {});
