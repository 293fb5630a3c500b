// Statement, function and program code: stage (4) lays out the global initialisation, the
// body of main, a jump past the other functions and their code, in that order.
#pragma once

class ASM_MACRO;
class C_FUNCTION;
class CODEGEN;
class COMPOUND;
class DECLARATOR;
class STATEMENT;
class SWITCH;

void generate_program(CODEGEN& g);
void generate_function(CODEGEN& g, C_FUNCTION& function);
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

// The end of stage (2): the #asm save area is reserved, then the constant pool laid out.
void place_save_area_and_pool(CODEGEN& g);
