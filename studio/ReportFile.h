#pragma once

#include <QImage>
#include <filesystem>

#include "check/CheckReport.h"

// Saves a check's report where a person chose: as the JSON the check command writes (the same
// bytes) for a name ending ".json", as a self-contained HTML page in the module's language
// otherwise, with the picture when there is one. The file is replaced whole or not at all; throws
// std::runtime_error naming the file when it cannot be written.
void SaveReportFile(const check::CheckReport& report, const std::filesystem::path& path,
                    const QImage& picture = {});
