#pragma once

#include <string>

#include "resources/tools/DialogFile.h"
#include "resources/tools/StringTableFile.h"

// The C++ source of a language's resource library: its string table and dialog templates as
// the data platform/ResourceTable.h describes, each exported under its symbol.
namespace resgen {

std::string GenerateSource(const StringTable& strings, const DialogTable& dialogs);

}  // namespace resgen
