// What stands at a line and column of a source file, and what it holds now: a variable's value
// with its storage medium, a constant, the instruction generated for a call or an asm( ), a
// macro's text, or the name itself. Read from the last build and the machine state at the
// moment of the query; nothing changes. The debugger's A command and the window's bubble both
// show this text; an empty text means nothing inspectable is there.
#pragma once

#include <string>

class CODEGEN;
class SRC_FILE;

std::string about_text(const CODEGEN& g, const SRC_FILE& file, int line, int column);
