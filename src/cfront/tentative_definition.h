// Tentative definitions: at file level `int x;` followed by `int x = 3;` (or `int x;` twice)
// declares one object. Of the declarations of one name, one stays its definition: the one with
// an initialiser, else the first; the others become extern declarations bound to it.
#pragma once

#include <vector>

class C_PARSER;
class DECLARATOR;

// Merges each new file-level declarator with an earlier one of the same name (static ones only
// within their file); two with initialisers are reported as a definition made twice. The
// declaration was read whole, so the parse goes on after such a report.
void merge_tentative_definitions(C_PARSER& parser, const std::vector<DECLARATOR*>& declarators);
