#pragma once

#include <pugixml.hpp>

// What the module does not write survives a rewrite of a rule: given the element as it was read
// (old) and as the rule writes it now (fresh), everything of the old one the rule does not write
// goes into the fresh one. That is attributes it does not write; child nodes it does not make
// (comments, processing instructions, elements of other programs, records of parameters the rule
// does not know, and a second record of a parameter, which the rule never reads); and inside
// each record it writes, the same again, down to the attributes, comments and elements inside
// its Value, Operator, ParameterType and Remarks. The cost grows with the size of the old
// element, never with its square.
void KeepForeignContent(pugi::xml_node old, pugi::xml_node fresh);
