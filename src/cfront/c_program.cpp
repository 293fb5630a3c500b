// The C program of one build: the owner of every syntax object, the table of interned names,
// what each file holds, the parser pool and the constant pool. A reset frees it all, so each
// build starts from nothing but the names the front end compares by identity (the library
// names and main).
#include "cfront/c_program.h"

#include <algorithm>

#include "cfront/built_in_functions.h"
#include "cfront/c_parser.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"
#include "cfront/macro.h"
#include "isa/immediate_range.h"
#include "machine/machine.h"

C_PROGRAM::C_PROGRAM(C_SERVICES services) : services(std::move(services)) {
  reset();
}

C_PROGRAM::~C_PROGRAM() = default;

void C_PROGRAM::reset() {
  functions.clear();
  main = nullptr;
  live.clear();
  latest_definitions_.clear();
  checks_under_way = 0;
  used_declarations.clear();
  file_level_declarations.clear();
  prototypes.clear();
  constant_pool.clear();
  address_taken.clear();
  calls_through_pointers.clear();
  largest_asm_register_list = 0;
  files_being_parsed.clear();
  files_.clear();
  // Parsers unwound by an abandoned parse are free again; they keep no object of the last build.
  for (const std::unique_ptr<C_PARSER>& parser : parsers_) {
    parser->busy = false;
    parser->file = nullptr;
    parser->current_function = nullptr;
    parser->scopes.clear();
    parser->switches.clear();
  }
  nodes_.clear();
  names_.clear();
  built_in_names_.clear();
  for (const BUILT_IN_FUNCTION& function : built_in_functions)
    built_in_names_.push_back(intern(function.name));
  main_name_ = intern("main");
}

bool C_PROGRAM::parse_c_file(const std::string& path) {
  return free_parser().parse_c_file(path);
}

INTERNED C_PROGRAM::intern(std::string_view text) {
  return &*names_.emplace(text).first;
}

bool C_PROGRAM::is_built_in(INTERNED text) const {
  return std::find(built_in_names_.begin(), built_in_names_.end(), text) !=
         built_in_names_.end();
}

C_FILE& C_PROGRAM::file(const SRC_FILE* source_file) {
  return files_[source_file];
}

const PROCESSOR_PARAMETERS& C_PROGRAM::parameters() const {
  return services.machine.parameters;
}

int C_PROGRAM::data_size() const {
  return parameters().data_size;
}

int C_PROGRAM::register_count() const {
  return parameters().register_count;
}

// Only a value the code generator cannot load directly, once reduced to the register width.
void C_PROGRAM::enter_in_pool(DECIMAL_CONSTANT& constant) {
  if (constant.pooled) return;
  if (!needs_pool(sign_extend(constant.value, data_size()), data_size())) return;
  constant.pooled = true;
  constant_pool.push_back(&constant);
}

void C_PROGRAM::leave_pool(DECIMAL_CONSTANT& constant) {
  if (!constant.pooled) return;
  constant.pooled = false;
  std::erase(constant_pool, &constant);
}

void C_PROGRAM::use_declaration(DECLARATOR& declaration) {
  if (declaration.used) return;
  declaration.used = true;
  used_declarations.push_back(&declaration);
}

void C_PROGRAM::note_asm_register_count(int count) {
  largest_asm_register_list = std::max(largest_asm_register_list, count);
}

// The most recently created free parser, else a new one.
C_PARSER& C_PROGRAM::free_parser() {
  for (auto parser = parsers_.rbegin(); parser != parsers_.rend(); ++parser)
    if (!(*parser)->busy) return **parser;
  parsers_.push_back(std::make_unique<C_PARSER>(*this));
  return *parsers_.back();
}

C_TYPE* C_FILE::find_type_name(INTERNED text) const {
  for (auto named = type_names.rbegin(); named != type_names.rend(); ++named)
    if (named->first == text) return named->second;
  return nullptr;
}

DEFINE_MACRO* C_FILE::find_enumerator(INTERNED text) const {
  for (auto macro = macros.rbegin(); macro != macros.rend(); ++macro)
    if ((*macro)->is_enumerator() && (*macro)->name->text == text) return *macro;
  return nullptr;
}
