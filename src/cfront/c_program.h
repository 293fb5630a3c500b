// The C program of one build: every syntax object (owned here, freed by the next reset), the
// interned names, what each source file holds, the functions, `main`, the live list, the used
// file-level declarations and the constant pool, plus the services the front end works with.
// The build pipeline makes one, resets it at the start of every build and calls its stages.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "cfront/c_name.h"
#include "cfront/struct_type.h"

class ASM_PARSER;
class C_FUNCTION;
class C_PARSER;
class DECIMAL_CONSTANT;
class DECLARATOR;
class DEFINE_MACRO;
class ECHO;
class ERROR_HANDLER;
class FILE_TOOLS;
class FUNCTION_CALL;
class FUNCTION_PROTOTYPE;
class MACHINE;
class SRC_FILE;
class SRC_FILE_REGISTRY;
struct PROCESSOR_PARAMETERS;

// What one source file holds after its parse.
struct C_FILE {
  // The #define macros and the enumerators, in order of definition.
  std::vector<DEFINE_MACRO*> macros;
  std::vector<DECLARATOR*> declarations;  // file level, in source order
  std::vector<C_FUNCTION*> functions;     // defined in the file
  // The names typedef gave to types, in order of definition.
  std::vector<std::pair<INTERNED, C_TYPE*>> type_names;
  // The most recent enumerator of that name, or nullptr.
  DEFINE_MACRO* find_enumerator(INTERNED text) const;
  // The structure and union tags, each in its block.
  TAG_TABLE tags;
  // The type the most recent typedef of that name stands for, or nullptr.
  C_TYPE* find_type_name(INTERNED text) const;
};

struct C_SERVICES {
  MACHINE& machine;  // the configuration (N, X), the registers, the error handler
  ERROR_HANDLER& error_handler;
  ECHO& echo;
  FILE_TOOLS& files;
  SRC_FILE_REGISTRY& source_files;
  ASM_PARSER& asm_parser;
  // The include search, bound by the pipeline to the project's search places: the found path,
  // or nothing after "Searching of file" was reported.
  std::function<std::optional<std::string>(const std::string& name)> find_include;
};

class C_PROGRAM {
 public:
  explicit C_PROGRAM(C_SERVICES services);
  ~C_PROGRAM();
  C_PROGRAM(const C_PROGRAM&) = delete;
  C_PROGRAM& operator=(const C_PROGRAM&) = delete;

  // The start of a build: every syntax object, name and list is freed; the pool's parsers are
  // all free again; the four well-known names are interned first.
  void reset();

  // Stage 1 for a C file: parses it (and its includes). True when no error is counted.
  bool parse_c_file(const std::string& path);
  // Stage 2: from `main`, every reachable function is found and checked.
  void compute_live_code();
  void check_function(C_FUNCTION& function);
  // Each declaration without body against the definition of its name, when there is one.
  void check_prototypes();
  // Finds the callee of call among every function (the last defined first) and makes it live.
  C_FUNCTION* resolve_call(FUNCTION_CALL& call);
  // The definition of that name completed last, or nullptr; once the walk has started.
  C_FUNCTION* find_function(INTERNED text) const;
  // Appends the function to the live list and checks it, unless it is live already.
  void make_live(C_FUNCTION& function);

  // Creates a syntax object owned by the program.
  template <class T, class... ARGUMENTS>
  T* make(ARGUMENTS&&... arguments) {
    auto object = std::make_unique<T>(std::forward<ARGUMENTS>(arguments)...);
    T* raw = object.get();
    nodes_.push_back(std::move(object));
    return raw;
  }

  INTERNED intern(std::string_view text);
  INTERNED main_name() const { return main_name_; }
  // A library name (built_in_functions.h): calls to it need no definition.
  bool is_built_in(INTERNED text) const;

  C_FILE& file(const SRC_FILE* source_file);
  const PROCESSOR_PARAMETERS& parameters() const;
  // The configuration's N and X.
  int data_size() const;
  int register_count() const;

  // Enters a typed constant in the pool when its value needs more than one load.
  void enter_in_pool(DECIMAL_CONSTANT& constant);
  void leave_pool(DECIMAL_CONSTANT& constant);
  // Enters a file-level declarator in the used declarations, once.
  void use_declaration(DECLARATOR& declaration);
  // A `#asm` macro saves this many registers: the save area is as large as the largest.
  void note_asm_register_count(int count);

  C_SERVICES services;

  std::vector<C_FUNCTION*> functions;  // every definition, in order of completion
  C_FUNCTION* main = nullptr;
  std::vector<C_FUNCTION*> live;  // main first, in the order they became live
  std::vector<DECLARATOR*> used_declarations;
  // Every file's file-level declarations, in the order they were read: where an extern
  // declaration finds its definition.
  std::vector<DECLARATOR*> file_level_declarations;
  // The declarations of functions without body, in every file and block, in source order.
  std::vector<FUNCTION_PROTOTYPE*> prototypes;
  std::vector<DECIMAL_CONSTANT*> constant_pool;
  // The functions whose address is taken, in order: the n-th one's pointer number is n.
  std::vector<C_FUNCTION*> address_taken;
  std::vector<FUNCTION_CALL*> calls_through_pointers;
  int largest_asm_register_list = 0;
  // Live functions whose check is under way, each inside its caller's (see check_function).
  int checks_under_way = 0;

  // The parser pool: nested includes each take a free parser.
  C_PARSER& free_parser();
  // Files whose parse is under way (an include of one of them is skipped), innermost last.
  std::vector<const SRC_FILE*> files_being_parsed;

 private:
  std::vector<std::unique_ptr<C_NODE>> nodes_;
  // Each name's definition completed last, made when the walk starts (parsing is over then).
  std::unordered_map<INTERNED, C_FUNCTION*> latest_definitions_;
  std::unordered_set<std::string> names_;
  INTERNED main_name_ = nullptr;
  std::vector<INTERNED> built_in_names_;
  std::map<const SRC_FILE*, C_FILE> files_;
  std::vector<std::unique_ptr<C_PARSER>> parsers_;
};
