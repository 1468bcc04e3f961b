#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The commands of veritor-rules. Each returns the process exit status; problems with a file
// are thrown as DocumentError (document/DocumentError.h).
//
// The commands that change a document wait while another command holds it, say so on standard
// error after a second, and give up after waitSeconds when it is given.
int RunInfo();
int RunList();

struct NewOptions {
    std::filesystem::path file;
    std::string unit = "mm";
    std::string angle = "deg";
    bool casting = false;
    bool force = false;
    std::optional<double> waitSeconds = std::nullopt;
};
int RunNew(const NewOptions& options);
int RunShow(const std::filesystem::path& file);

struct UnitsOptions {
    std::filesystem::path file;
    std::optional<std::string> unit;
    std::optional<std::string> angle;
    // Converts even when values would be rounded away in the new units.
    bool allowRounding = false;
    std::optional<double> waitSeconds = std::nullopt;
};
int RunUnits(const UnitsOptions& options);

struct EditOptions {
    std::filesystem::path file;
    std::string rule;
    std::optional<std::filesystem::path> script;
    std::optional<double> waitSeconds = std::nullopt;
};
// The document is saved only when the person confirms the dialog with OK.
int RunEdit(const EditOptions& options);
