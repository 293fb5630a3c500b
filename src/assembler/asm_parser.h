// The assembler: turns assembly text into instruction objects. Files are parsed whole, their
// instructions appended to the ROM; assembly inside C is parsed one instruction at a time from
// a cursor the C parser provides. Labels belong to one file, CST constants to the whole build.
#pragma once

#include <memory>
#include <string>

#include "assembler/asm_constant_table.h"
#include "assembler/asm_label_table.h"
#include "assembler/asm_operands.h"
#include "machine/asm.h"

class ASM_CURSOR;
class ERROR_HANDLER;
class FILE_TOOLS;
class MACHINE;
class SRC_FILE_REGISTRY;
struct ASM_MNEMONIC;
struct ASM_OPERANDS;

class ASM_PARSER {
 public:
  ASM_PARSER(MACHINE& machine, FILE_TOOLS& files, SRC_FILE_REGISTRY& source_files,
             ERROR_HANDLER& error_handler)
      : machine_(machine),
        files_(files),
        source_files_(source_files),
        error_handler_(error_handler) {}
  ASM_PARSER(const ASM_PARSER&) = delete;
  ASM_PARSER& operator=(const ASM_PARSER&) = delete;

  // Parses an assembly file into the ROM, then reports "Label not defined." at the first use of
  // every label the file used but did not define. True when the error count is still 0.
  bool parse_file(const std::string& path);

  // For assembly inside C: parses until one instruction is built, an error is counted or the
  // input ends; answers the instruction or nothing. Labels cannot be defined there, and a label
  // reference is reported "Label not defined." at once. macro_lookup may be empty.
  std::unique_ptr<ASM> parse_one(ASM_CURSOR& cursor, const ASM_MACRO_LOOKUP& macro_lookup = {});

  // The start of a build: the constants of the previous build are forgotten.
  void clear_constants();

  const ASM_CONSTANT_TABLE& constants() const { return constants_; }
  const ASM_LABEL_TABLE& labels() const { return labels_; }

 private:
  // One step: an instruction, or nothing after a label alone, a CST line, an error or the end.
  std::unique_ptr<ASM> parse_instruction(ASM_OPERAND_READER& reader, bool in_file);
  std::unique_ptr<ASM> parse_mnemonic(ASM_OPERAND_READER& reader);
  void define_label(ASM_CURSOR& cursor);
  bool accept_what_follows(const ASM_MNEMONIC& mnemonic, ASM_OPERAND_READER& reader);
  bool read_operands(const ASM_MNEMONIC& mnemonic, ASM_OPERAND_READER& reader, ASM_OPERANDS& o);
  bool read_last_operand(const ASM_MNEMONIC& mnemonic, ASM_OPERAND_READER& reader, ASM_OPERANDS& o);
  std::unique_ptr<ASM> read_stepped(const ASM_MNEMONIC& mnemonic, ASM_OPERAND_READER& reader,
                                    ASM_OPERANDS& o);
  void define_constant(ASM_OPERAND_READER& reader);
  // Label objects are kept while the ROM may still hold branches that point to them.
  void release_labels_when_unused();

  MACHINE& machine_;
  FILE_TOOLS& files_;
  SRC_FILE_REGISTRY& source_files_;
  ERROR_HANDLER& error_handler_;
  ASM_CONSTANT_TABLE constants_;
  ASM_LABEL_TABLE labels_;
};
