// The main window's command set: every user action is one of these numbers, with its menu, label,
// speed-bar bitmap and status-line help. The numbers are fixed; the dispatcher ignores others.
#pragma once

#include <string>
#include <vector>

enum COMMAND : int {
  NEW_PROJECT = 6,
  OPEN_PROJECT = 7,
  SAVE_PROJECT = 8,
  EDIT_PROJECT = 9,
  CLOSE_PROJECT = 10,
  QUIT = 11,
  MACHINE_CODE_VIEW = 12,
  INPUT_VIEW_COMMAND = 13,
  OUTPUT_VIEW_COMMAND = 14,
  INPUT_OUTPUT_VIEW_COMMAND = 15,
  REGISTERS_VIEW = 16,
  STATUS_REGISTER_VIEW_COMMAND = 17,
  STACK_VIEW = 18,
  MEMORY_VIEW = 19,
  SOURCE_VIEW = 20,
  UPDATE = 21,
  RUN = 22,
  STOP = 23,
  STEP = 24,
  CLEAR_BREAKPOINTS = 25,
  BINARY_FILE = 26,
  CPU_OPTIONS = 27,
  CLOCK_VIEW = 28,
  CASCADE = 29,
  TILE = 30,
  ARRANGE_ICONS = 31,
  ABOUT = 33,
  VERBOSE = 34,
  MESSAGES_VIEW = 35,
  HAZARD_CHECK_COMMAND = 36,
};

struct COMMAND_ENTRY {
  int command;
  std::string menu;    // empty: on the speed bar only
  std::string label;   // with its "&" mnemonic
  std::string bitmap;  // file name in the icon directory; empty: no speed-bar button
  std::string help;    // status-line text; empty: none
  std::string keys;    // keyboard accelerator, in Qt's portable notation; empty: none
};

// In menu order: the order of the items within each menu.
const std::vector<COMMAND_ENTRY>& command_table();
// The entry of a command, or nullptr for a number that is not a command.
const COMMAND_ENTRY* command_entry(int command);
// The status-line help; "??" for a number that is not a command.
std::string help_text(int command);

// The menus in menu-bar order, and the speed bar left to right (0 is a separator).
const std::vector<std::string>& menu_titles();
const std::vector<int>& speed_bar_layout();

// Commands that act only while a project is open.
bool needs_project(int command);
// A view of the machine or of the build: opened on first use, brought to the front after.
bool is_view_command(int command);
