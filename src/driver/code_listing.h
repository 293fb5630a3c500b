// The assembly listing of -asm_list and of the debugger's L command: each ROM address padded to
// 8 characters, then the instruction's text ("??" for an empty slot).
#pragma once

class MACHINE;
class USER_INTERFACE;

void list_code(const MACHINE& machine, USER_INTERFACE& user_interface);
