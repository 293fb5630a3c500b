// Intel HEX images of the ROM, converted from the binary text file: a pair of 8-bit files (low
// and high bytes, one byte per word) or a pair of 16-bit files (high byte first, addressed by
// words and by bytes). Records hold 8 words; the last one is padded with zeros.
#pragma once

#include <string>
#include <utility>

class ERROR_HANDLER;
class FILE_TOOLS;

enum class INTEL_HEX_LAYOUT { eight_bits = 1, sixteen_bits = 2 };

enum class INTEL_HEX_OUTCOME {
  written,           // both files written without error
  not_started,       // errors were already counted
  unreadable_input,  // the binary text file could not be opened; no file written
  failed,            // an error was reported while converting
};

// The two output names: the binary text file path without its last two characters (".b")
// followed by "Row_low.hex" and "Row_high.hex", or "Row_data.hex" and "Row_byte.hex".
std::pair<std::string, std::string> intel_hex_names(const std::string& binary_text_file_path,
                                                    INTEL_HEX_LAYOUT layout);

// Reads the binary text file and writes the layout's pair of files. Does nothing while errors
// are counted. A file shorter than its word count ends after its last whole word; a malformed
// code ends the conversion there with an error.
INTEL_HEX_OUTCOME write_intel_hex(const std::string& binary_text_file_path, INTEL_HEX_LAYOUT layout,
                                  FILE_TOOLS& files, ERROR_HANDLER& error_handler);
