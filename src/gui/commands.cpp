#include "gui/commands.h"

#include <algorithm>

const std::vector<COMMAND_ENTRY>& command_table() {
  static const std::vector<COMMAND_ENTRY> table = {
      {NEW_PROJECT, "&Project", "&New", "pnew.bmp", "Create a new project file. ", "Ctrl+N"},
      {OPEN_PROJECT, "&Project", "&Open", "popen.bmp", "Open a project file. ", "Ctrl+O"},
      {SAVE_PROJECT, "&Project", "&Save", "psave.bmp", "Save the project file. ", "Ctrl+S"},
      {EDIT_PROJECT, "&Project", "&Edit", "", "", ""},
      {CLOSE_PROJECT, "&Project", "&Close", "", "", ""},
      {QUIT, "&Project", "&Quit", "", "Exit Tavrel. ", "Ctrl+Q"},
      {CLOCK_VIEW, "&View", "Machine &Clock", "clock.bmp", "Machine clock view. ", ""},
      {MACHINE_CODE_VIEW, "&View", "M&Achine code (ROM)", "asm.bmp", "Machine code view (ROM). ",
       ""},
      {REGISTERS_VIEW, "&View", "&Registers", "registers.bmp", "Registers window. ", ""},
      {STATUS_REGISTER_VIEW_COMMAND, "&View", "&Status Register", "sr.bmp",
       "Status register window. ", ""},
      {STACK_VIEW, "&View", "stac&K", "stack.bmp", "Machine stack view. ", ""},
      {MEMORY_VIEW, "&View", "&Memory", "memory.bmp", "Machine RAM view. ", ""},
      {INPUT_VIEW_COMMAND, "&View", "&Input Window", "devicein.bmp", "Input window. ", ""},
      {OUTPUT_VIEW_COMMAND, "&View", "&Output Window", "deviceout.bmp", "Output window. ", ""},
      {INPUT_OUTPUT_VIEW_COMMAND, "&View", "I/O &Window", "deviceio.bmp", "Input/Output window. ",
       ""},
      {SOURCE_VIEW, "&View", "s&Ource", "source.bmp", "Source code view. ", ""},
      {MESSAGES_VIEW, "&View", "&Error messages", "", "", ""},
      {UPDATE, "&Debug", "&Update", "update.bmp", "Recompile everything from disk. ", ""},
      {RUN, "&Debug", "&Run", "run.bmp", "Run the current program. ", "F5"},
      {STOP, "", "", "stop.bmp", "Stop the running program. ", "Shift+F5"},
      {STEP, "&Debug", "&Step over", "step.bmp", "Step-by-step execution. ", "F10"},
      {CLEAR_BREAKPOINTS, "", "", "breakv.bmp", "Clear all breakpoints in the project", ""},
      {BINARY_FILE, "&Debug", "&Binary file", "bin.bmp", "Generate binary file. ", ""},
      {HAZARD_CHECK_COMMAND, "&Debug", "&Check pipeline hazards", "",
       "Count the pipeline hazards while running. ", ""},
      {CPU_OPTIONS, "&CPU", "&CPU options", "", "", ""},
      {CASCADE, "&Window", "&Cascade", "", "", ""},
      {TILE, "&Window", "&Tile", "", "", ""},
      {ARRANGE_ICONS, "&Window", "Arrange &Icons", "", "", ""},
      {ABOUT, "&About", "a&Bout", "", "", ""},
      {VERBOSE, "", "", "verbose.bmp", "Set or unset Verbose mode. ", ""},
  };
  return table;
}

const COMMAND_ENTRY* command_entry(int command) {
  const std::vector<COMMAND_ENTRY>& table = command_table();
  auto found = std::find_if(table.begin(), table.end(), [command](const COMMAND_ENTRY& entry) {
    return entry.command == command;
  });
  return found == table.end() ? nullptr : &*found;
}

std::string help_text(int command) {
  const COMMAND_ENTRY* entry = command_entry(command);
  return entry == nullptr ? "??" : entry->help;
}

const std::vector<std::string>& menu_titles() {
  static const std::vector<std::string> titles = {"&Project", "&View",   "&Debug",
                                                  "&CPU",     "&Window", "&About"};
  return titles;
}

const std::vector<int>& speed_bar_layout() {
  static const std::vector<int> layout = {OPEN_PROJECT,
                                          NEW_PROJECT,
                                          SAVE_PROJECT,
                                          0,
                                          UPDATE,
                                          RUN,
                                          STEP,
                                          CLEAR_BREAKPOINTS,
                                          STOP,
                                          0,
                                          MACHINE_CODE_VIEW,
                                          SOURCE_VIEW,
                                          REGISTERS_VIEW,
                                          MEMORY_VIEW,
                                          STATUS_REGISTER_VIEW_COMMAND,
                                          STACK_VIEW,
                                          CLOCK_VIEW,
                                          INPUT_VIEW_COMMAND,
                                          OUTPUT_VIEW_COMMAND,
                                          INPUT_OUTPUT_VIEW_COMMAND,
                                          0,
                                          BINARY_FILE,
                                          0,
                                          VERBOSE};
  return layout;
}

bool needs_project(int command) {
  switch (command) {
    case SAVE_PROJECT:
    case EDIT_PROJECT:
    case CLOSE_PROJECT:
    case UPDATE:
    case RUN:
    case STOP:
    case STEP:
    case CLEAR_BREAKPOINTS:
    case BINARY_FILE:
    case CPU_OPTIONS:
      return true;
    default:
      return false;
  }
}

bool is_view_command(int command) {
  return (command >= MACHINE_CODE_VIEW && command <= SOURCE_VIEW) || command == CLOCK_VIEW ||
         command == MESSAGES_VIEW;
}
