// The program's layout in the ROM: the end of stage (2) places the #asm save area and the
// constant pool; stage (4) lays out the global initialisation, the body of main, a jump past the
// other functions and their code, in that order.
#pragma once

class C_FUNCTION;
class CODEGEN;

// The end of stage (2): the #asm save area is reserved, then the constant pool laid out.
void place_save_area_and_pool(CODEGEN& g);

void generate_program(CODEGEN& g);
void generate_function(CODEGEN& g, C_FUNCTION& function);
