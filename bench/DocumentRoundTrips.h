#pragma once

#include <filesystem>

// The two ways a rule document is converted and saved, each on a file of its own.

// Through the module, as `veritor-rules units FILE --unit in --angle rad --allow-rounding` runs:
// the file is locked and read, the document checked, every rule loaded, checked for values the
// conversion rounds away, converted and written back, the document checked again and
// serialised, and the file replaced and synced. What the command prints is dropped. Returns
// the command's exit status.
int ModuleUnits(const std::filesystem::path& file);

// As `veritor-rules show FILE` runs, what it prints dropped. Returns the command's exit status.
int ModuleShow(const std::filesystem::path& file);

// Bare pugixml on the same bytes, written the same way: the file is locked and read, parsed,
// serialised with the same indentation, and replaced and synced. False when it cannot be
// parsed.
bool PugixmlUnits(const std::filesystem::path& file);
