// Declarators and declarations: a name with its type, an array, a function prototype with its
// parameters, and the two initialiser forms. A declarator answers the type questions by
// forwarding to its type; `check` runs the array and initialiser checks when live code reaches it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "cfront/c_name.h"
#include "cfront/c_types.h"

class DECIMAL_CONSTANT;
class EXPRESSION;
class INIT_BRACES;

// The storage class a declaration writes: `auto` and `register` change nothing. A static local
// lives as a global does; an extern declaration stands for a file-level definition found in
// the program (an extern with an initialiser at file level is that definition itself).
enum class STORAGE_CLASS { plain, static_storage, external, type_definition };

// One kind per concrete declarator class.
enum class DECLARATOR_KIND {
  type_and_name,
  array_type,
  function_prototype,
  initializer,
  initializer_list,
};

class DECLARATOR : public C_NODE {
 public:
  DECLARATOR_KIND kind() const { return kind_; }

  // The type of the declared value; an array answers its pointer-to-element type.
  virtual C_TYPE* type() const = 0;
  // The declared name, or nullptr.
  virtual NAME* name() const = 0;
  virtual POSITION position() const = 0;
  // The declarator that declares text (interned), or nullptr. Initialisers forward to theirs.
  virtual DECLARATOR* lookup(INTERNED text);
  // Array size and initialiser checks; safe to call again.
  virtual void check(C_PROGRAM&) {}
  // The declarator that holds the storage: itself, an initialiser's declarator, or an extern
  // declaration's definition once it is bound.
  virtual DECLARATOR* declared() { return definition != nullptr ? definition->declared() : this; }
  // The declarator it wraps (an initialiser's, an array's element), or nullptr.
  virtual DECLARATOR* inner() const { return nullptr; }
  virtual bool is_array() const { return false; }

  bool needs_ram_cell = false;  // its address is taken
  bool used = false;            // in the program's used declarations
  // Declared inside a block: an initialiser may then be any expression, computed where the
  // declaration stands each time it is reached (unless the local is static).
  bool in_block = false;
  STORAGE_CLASS storage_class = STORAGE_CLASS::plain;
  // An extern declaration's definition, set when a use binds it (bind_extern).
  DECLARATOR* definition = nullptr;
  bool definition_searched = false;

  // Lives in a block's frame and is initialised where it stands.
  bool is_automatic() const { return in_block && storage_class == STORAGE_CLASS::plain; }
  bool is_extern() const { return storage_class == STORAGE_CLASS::external; }

 protected:
  explicit DECLARATOR(DECLARATOR_KIND kind) : kind_(kind) {}

 private:
  const DECLARATOR_KIND kind_;
};

// A declared name with its type (none for a declarator written without one).
class TYPE_AND_NAME final : public OF_KIND<DECLARATOR, DECLARATOR_KIND::type_and_name> {
 public:
  TYPE_AND_NAME(C_TYPE* type, NAME* name) : type_(type), name_(name) {}
  C_TYPE* type() const override { return type_; }
  NAME* name() const override { return name_; }
  POSITION position() const override { return name_->position; }
  // A structure object gets its block of RAM words here (struct_objects.cpp).
  void check(C_PROGRAM& program) override;

  // Written `name[]`: a pointer, unless an initialiser gives the array its size.
  bool unsized_array = false;
  int32_t ram_start = -1;  // a structure's RAM block, like an array's

 private:
  C_TYPE* type_;
  NAME* name_;
};

// `element[size]`. The element type is a pointer to the element declarator's type, so
// `int a[2][3]` is an array whose element declarator is an array around `int a`.
class ARRAY_TYPE final : public OF_KIND<DECLARATOR, DECLARATOR_KIND::array_type> {
 public:
  ARRAY_TYPE(DECLARATOR* element, EXPRESSION* size_expression, POINTER_TYPE* element_type,
             POSITION closing_bracket)
      : element(element),
        size_expression(size_expression),
        element_type(element_type),
        closing_bracket(closing_bracket) {}
  C_TYPE* type() const override { return element_type; }
  NAME* name() const override { return element->name(); }
  POSITION position() const override;
  void check(C_PROGRAM& program) override;
  DECLARATOR* inner() const override { return element; }
  bool is_array() const override { return true; }

  DECLARATOR* element;
  EXPRESSION* size_expression;
  POINTER_TYPE* element_type;
  POSITION closing_bracket;
  DECIMAL_CONSTANT* size = nullptr;  // set by the check
  bool checked = false;
  int32_t ram_start = -1;  // the RAM block's first address, set by the code generator
};

// One parameter, or a bare type (name none) for an unnamed parameter such as `void`.
class ARGUMENT_DECLARATION final : public C_NODE {
 public:
  ARGUMENT_DECLARATION(C_TYPE* type, NAME* name) : type(type), name(name) {}
  C_TYPE* type;
  NAME* name;  // none for a bare type
};

class PARAMETER_LIST final : public C_NODE {
 public:
  explicit PARAMETER_LIST(POSITION open_parenthesis) : open_parenthesis(open_parenthesis) {}
  // The single entry `void`, or nothing: a function without parameters.
  bool is_void() const;
  // The named parameter whose text is text, from the last to the first; nullptr when none.
  ARGUMENT_DECLARATION* find(INTERNED text) const;

  POSITION open_parenthesis;
  std::vector<ARGUMENT_DECLARATION*> parameters;  // in source order
};

class FUNCTION_PROTOTYPE final : public OF_KIND<DECLARATOR, DECLARATOR_KIND::function_prototype> {
 public:
  FUNCTION_PROTOTYPE(C_TYPE* return_type, NAME* name, PARAMETER_LIST* parameters)
      : return_type(return_type), function_name(name), parameters(parameters) {}
  C_TYPE* type() const override { return return_type; }
  NAME* name() const override { return function_name; }
  POSITION position() const override { return function_name->position; }

  C_TYPE* return_type;
  NAME* function_name;
  PARAMETER_LIST* parameters;
};

// An initialiser answers every question about the declared value from its declarator.
class INITIALIZING : public DECLARATOR {
 public:
  C_TYPE* type() const override { return declarator->type(); }
  NAME* name() const override { return declarator->name(); }
  POSITION position() const override { return declarator->position(); }
  DECLARATOR* lookup(INTERNED text) override { return declarator->lookup(text); }
  DECLARATOR* declared() override { return declarator->declared(); }
  DECLARATOR* inner() const override { return declarator; }
  bool is_array() const override { return declarator->is_array(); }

  DECLARATOR* declarator;

 protected:
  INITIALIZING(DECLARATOR_KIND kind, DECLARATOR* declarator)
      : DECLARATOR(kind), declarator(declarator) {}
};

// `declarator = expression`; the check folds the expression to a constant, which a local may
// do without: its value is then stored as `=` would store it.
class INITIALIZER final : public OF_KIND<INITIALIZING, DECLARATOR_KIND::initializer> {
 public:
  INITIALIZER(DECLARATOR* declarator, EXPRESSION* expression)
      : OF_KIND(declarator), expression(expression) {}
  void check(C_PROGRAM& program) override;

  EXPRESSION* expression;

 private:
  bool check_local_value(C_PROGRAM& program);
};

// `declarator = { items }` for an array or a structure. A list that nests or designates, or
// initialises a structure, is kept as written (braces) and laid out by the check into items,
// one per word.
class INITIALIZER_LIST final : public OF_KIND<INITIALIZING, DECLARATOR_KIND::initializer_list> {
 public:
  INITIALIZER_LIST(POSITION open_brace, DECLARATOR* declarator)
      : OF_KIND(declarator), open_brace(open_brace) {}
  void check(C_PROGRAM& program) override;

  POSITION open_brace;
  std::vector<EXPRESSION*> items;
  POSITION close_brace;
  bool from_string = false;  // a string's characters and its ending 0
  INIT_BRACES* braces = nullptr;
  bool laid_out = false;

 private:
  void check_laid_out(C_PROGRAM& program);
};

// Every declaration of a block, in source order (a bare type is kept as a nullptr declarator
// and checks nothing). Names bind to those read so far. The first head_count stand before the
// block's first statement and are the block's own to check and initialise; the others belong
// to the DECLARATION_STATEMENT where they stand.
class DECLARATION_LIST final : public C_NODE {
 public:
  std::span<DECLARATOR* const> head() const { return {declarations.data(), head_count}; }

  std::vector<DECLARATOR*> declarations;
  std::size_t head_count = 0;
};

// Checks each declarator of a block, from the last to the first (a bare type checks nothing):
// a static local also joins the program's used declarations, as a global does, and an extern
// one is bound to its definition.
void check_declarators(std::span<DECLARATOR* const> declarators, C_PROGRAM& program);

// The definition an extern declaration stands for, bound on the first call; any other
// declarator answers itself, and so does an extern without definition, reported once.
DECLARATOR& bind_extern(DECLARATOR& declaration, C_PROGRAM& program);
