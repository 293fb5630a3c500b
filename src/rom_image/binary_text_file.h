// The binary text file: the ROM's machine code as text, one word per line. A header of 18 tokens
// (a title and the processor parameters) and the word count as the 19th token; then for every
// word its address in hexadecimal and its 16-character code, bit 15 first.
#pragma once

#include <string>

class MACHINE;
class FILE_TOOLS;
class ERROR_HANDLER;

// Answers false after reporting "Unable to create file" when the file cannot be created, or
// "Cannot write file" with the reason when writing it failed; the old file is then untouched.
// The message reported is also put in failure when one is given.
bool write_binary_text_file(const std::string& path, const MACHINE& machine, FILE_TOOLS& files,
                            ERROR_HANDLER& error_handler, std::string* failure = nullptr);
