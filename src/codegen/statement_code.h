// Statement code: each statement family's generator and the helpers they share. The program's
// layout around them is in program_layout.h.
#pragma once

class ASM_MACRO;
class CODEGEN;
class COMPOUND;
class DECLARATOR;
class STATEMENT;
class SWITCH;

void generate(CODEGEN& g, STATEMENT* statement);

// The initialiser of one declaration (a scalar's value, an array's list), or nothing.
void initialise(CODEGEN& g, DECLARATOR* declaration);
// A null statement, an empty expression statement, or a block without declarations holding
// only empty statements.
bool is_empty(STATEMENT* statement);

// The families of statements, each answering false for a statement not of theirs.
bool generate_control_flow(CODEGEN& g, STATEMENT* statement);
void generate_switch(CODEGEN& g, SWITCH& node);
void generate_asm_macro(CODEGEN& g, ASM_MACRO& macro);
