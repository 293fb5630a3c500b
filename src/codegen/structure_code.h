// Whole structures: an assignment, an initialisation from another structure and an
// initialiser list are word-by-word copies into the object's RAM block.
#pragma once

#include <cstdint>

class ASSIGNMENT;
class CODEGEN;
class COMPOUND_LITERAL;
class EXPRESSION;
class INITIALIZER_LIST;
class STORAGE_MEDIUM;

// Whether the expression's value is a whole structure.
bool is_structure(CODEGEN& g, EXPRESSION* e);
// `a = b` for structures: b's words into a's; answers a's location, the caller's to release.
STORAGE_MEDIUM& structure_assignment(CODEGEN& g, ASSIGNMENT& node);
// The structure source's words into target, a RAM block.
void copy_structure_into(CODEGEN& g, STORAGE_MEDIUM& target, EXPRESSION* source);
// A compound literal's RAM block, its words stored first.
STORAGE_MEDIUM& literal_medium(CODEGEN& g, COMPOUND_LITERAL& literal);
// A list laid out word by word (list.words): each word stored at its address, 0 where no
// item gives one.
void initialise_words(CODEGEN& g, INITIALIZER_LIST& list);
