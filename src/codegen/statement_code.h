// Statement code: each statement family's generator and the helpers they share. The program's
// layout around them is in program_layout.h.
#pragma once

class ASM_MACRO;
class BREAK;
class CODEGEN;
class COMPOUND;
class DECLARATOR;
class DO_WHILE;
class FOR;
class GOTO;
class IF_ELSE;
class LABEL;
class RETURN_EXPRESSION;
class STATEMENT;
class SWITCH;
class WHILE;

void generate(CODEGEN& g, STATEMENT* statement);

// The initialiser of one declaration (a scalar's value, an array's list), or nothing.
void initialise(CODEGEN& g, DECLARATOR* declaration);
// A null statement, an empty expression statement, or a block without declarations holding
// only empty statements.
bool is_empty(const CODEGEN& g, STATEMENT* statement);

// The code of each kind of statement, in the file of its family; generate() chooses among them.
void generate_if(CODEGEN& g, IF_ELSE& node);
void generate_while(CODEGEN& g, WHILE& node);
void generate_do_while(CODEGEN& g, DO_WHILE& node);
void generate_for(CODEGEN& g, FOR& node);
void generate_switch(CODEGEN& g, SWITCH& node);
void generate_goto(CODEGEN& g, GOTO& node);
// A break of the innermost loop or switch, a continue of the innermost loop, aimed when that
// loop or switch is laid out.
void generate_break(CODEGEN& g, BREAK& node);
void generate_continue(CODEGEN& g);
void generate_label(CODEGEN& g, LABEL& node);
// A return: out of main to the program's end, else back to the caller with the value (if any)
// in the function's result medium.
void generate_return(CODEGEN& g);
void generate_return(CODEGEN& g, RETURN_EXPRESSION& node);
void generate_asm_macro(CODEGEN& g, ASM_MACRO& macro);
