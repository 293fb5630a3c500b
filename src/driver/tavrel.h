// The root: reads the command line, sets the processor options, picks the mode and runs it.
// Answers the process's exit status; nothing below it ends the process.
#pragma once

#include <string>
#include <vector>

struct CONTEXT;

int run_tavrel(CONTEXT& context, const std::vector<std::string>& arguments);
