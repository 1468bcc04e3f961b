#pragma once

#include <pugixml.hpp>

#include <cstring>

// How the document's code tells nodes apart, in the XML library's own terms.

// Nodes are found by name, and a processing instruction has one too.
inline bool IsElement(pugi::xml_node node) {
    return node.type() == pugi::node_element;
}

// The names a record's parts are told apart by differ in their first letters, which are
// compared before a call compares the rest.
inline bool NameIs(const char* name, const char* expected) {
    return name[0] == expected[0] && std::strcmp(name, expected) == 0;
}
