// Stage (3): the register roles, the temporaries #1 and #2 and a medium for every parameter,
// global, top-level local and function result, in a fixed order, with the report lines. Locals
// of nested blocks get theirs when code generation first needs them.
#pragma once

class ARGUMENT_DECLARATION;
class CODEGEN;
class DECLARATOR;
class STORAGE_MEDIUM;

void compute_storage_media(CODEGEN& g);

// The medium of a variable, keyed by the declarator holding its storage: an array's RAM
// block, a RAM word when its address is taken, else the next free register or RAM word.
STORAGE_MEDIUM& variable_medium(CODEGEN& g, DECLARATOR* storage);
STORAGE_MEDIUM& parameter_medium(CODEGEN& g, ARGUMENT_DECLARATION* parameter);
