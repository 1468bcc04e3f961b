#pragma once

#include "host/CTeskParamStorage.h"
#include "host/TeskValueArray.h"

class CTeskRule;
class TeskXMLNode;

// The rule element shared by every rule: its name and attribute names come from the language
// library, its children are the parameter records and then the constraints.

// A new rule element for the rule, owned by the caller; null without a rule, a document or a
// started module.
TeskXMLNode* WriteRuleXML(CTeskRule* rule);
// Reads the rule's attributes, parameters and constraints back from its element.
void ReadRuleXML(CTeskRule* rule, TeskXMLNode* element);
// Appends a new parameter to a rule's parameter array, which owns it from then on.
void AppendParam(TeskValueArray<CTeskParamStorage*>& params, CTeskParamStorage* param);
