// The state of one build's code generation: the machine it writes into, the register roles,
// the temporaries and jump slots, the constant pool, every storage medium made (owned here,
// freed at the next build) and the media given to declarations and functions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "codegen/arithmetic_routines.h"
#include "codegen/constant_pool.h"
#include "codegen/emitter.h"
#include "codegen/function_code.h"
#include "codegen/media/sm_manager.h"
#include "codegen/recursion_stack.h"
#include "codegen/register_roles.h"

class C_FUNCTION;
class LABEL;
class RCALL;
class RJMP;
class C_PROGRAM;
class ECHO;
class ERROR_HANDLER;
class MACHINE;
class RAM_SM;
class REGISTER_SM;
class STORAGE_MEDIUM;

class CODEGEN {
 public:
  CODEGEN(MACHINE& machine, ERROR_HANDLER& error_handler, ECHO& echo, C_PROGRAM& program);
  ~CODEGEN();
  CODEGEN(const CODEGEN&) = delete;
  CODEGEN& operator=(const CODEGEN&) = delete;

  // The start of a build: every medium and table of the previous one is dropped.
  void reset();

  template <class MEDIUM, class... ARGUMENTS>
  MEDIUM& make(ARGUMENTS&&... arguments) {
    auto medium = std::make_unique<MEDIUM>(std::forward<ARGUMENTS>(arguments)...);
    MEDIUM& made = *medium;
    media_.push_back(std::move(medium));
    return made;
  }
  REGISTER_SM& register_medium(int n);
  // Words handed out from the RAM allocation counter, never given back.
  RAM_SM& new_ram_medium(int words = 1);

  int width() const;  // the register width w
  bool wide_ram() const;
  bool wide_rom() const;

  // A combination that checked programs never request: the build ends with this error.
  [[noreturn]] void internal_error(const std::string& what) const;

  MACHINE& machine;
  ERROR_HANDLER& error_handler;
  ECHO& echo;
  C_PROGRAM& program;
  EMITTER code;
  REGISTER_ROLES roles;
  SM_MANAGER sm{*this};
  CONSTANT_POOL pool;
  ARITHMETIC_ROUTINES routines;

  // Media of variables (keyed by their storage declarator) and of parameters (keyed by their
  // argument declaration); the code of each function.
  std::unordered_map<const void*, STORAGE_MEDIUM*> declared_media;
  std::unordered_map<const C_FUNCTION*, FUNCTION_CODE> functions;
  const C_FUNCTION* current_function = nullptr;
  // True once the whole program is generated; a build with errors leaves no media to show.
  bool media_valid = false;
  RECURSION_STACK recursion;
  // The jumps that leave the program (exit, a return in main), aimed past the last word.
  std::vector<RJMP*> exit_jumps;
  // For each loop being generated, innermost last: its breaks and continues, aimed at its end.
  struct LOOP_JUMPS {
    std::vector<RJMP*> breaks;
    std::vector<RJMP*> continues;
  };
  std::vector<LOOP_JUMPS> loops;
  // For each switch being generated, innermost last: the breaks that leave it.
  std::vector<std::vector<RJMP*>> switch_breaks;
  // The gotos that reached no label yet.
  std::unordered_map<const LABEL*, std::vector<RJMP*>> pending_gotos;
  const C_FUNCTION* program_main() const;
  // The first RAM word where #asm macros save the registers they use; -1 when none does.
  int32_t asm_save_area = -1;

 private:
  std::vector<std::unique_ptr<STORAGE_MEDIUM>> media_;
  std::vector<REGISTER_SM*> register_media_;
};
