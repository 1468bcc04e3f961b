#include "cli/CheckCommand.h"

#include <fmt/format.h>

#include <array>
#include <iostream>
#include <optional>

#include "check/CheckError.h"
#include "check/PartChecker.h"
#include "check/PullDirection.h"
#include "check/ReportFormat.h"
#include "cli/CheckBatch.h"
#include "cli/ProgressBar.h"
#include "document/UnitCodes.h"

namespace {

constexpr int kExitFindings = 1;
constexpr int kExitUnusable = 2;

check::CheckOptions OptionsFor(const CheckCommandOptions& options) {
    check::CheckOptions checking;
    checking.findPull = options.pull == "auto";
    // The command writes findings only: no view draws the part.
    checking.keepMeshes = false;
    const std::optional<std::array<double, 3>> pull = check::ParsePullDirection(options.pull);
    if (!pull && !checking.findPull) {
        throw check::CheckError(fmt::format(
            "--pull \"{}\": give the direction as X,Y,Z, not all zero, or auto", options.pull));
    }
    checking.pull = pull.value_or(checking.pull);
    if (options.partUnits) {
        checking.partUnit = ParseLinearUnit(*options.partUnits);
        if (!checking.partUnit) {
            throw check::CheckError(fmt::format(
                "--part-units \"{}\": use 0 to 10 or mm, cm, m, in, ft, ft-in, angstrom, nm, um, "
                "mil, uin",
                *options.partUnits));
        }
    }
    checking.solid = options.solid;
    return checking;
}

bool Json(const CheckCommandOptions& options) {
    return options.format == "json" || options.batch;
}

int CheckOne(const CheckCommandOptions& options, check::CheckOptions checking) {
    ProgressBar bar(stderr);
    checking.progress = [&bar](double done) { bar.Update(done); };
    const check::CheckReport report =
        check::PartChecker(std::move(checking)).Check(options.part, options.rules);
    for (const std::string& warning : report.warnings) {
        std::cerr << "veritor-rules: warning: " << warning << "\n";
    }
    std::cout << (Json(options) ? check::ReportJson(report)
                                : check::ReportText(report, check::ReportLanguage::Chosen()));
    return report.Fails({options.failOn, options.maxFindings}) ? kExitFindings : 0;
}

}  // namespace

extern "C" int VeritorRunCheck(const CheckCommandOptions* options) {
    try {
        if (options->format != "text" && options->format != "json") {
            throw check::CheckError(
                fmt::format("--format \"{}\": use text or json", options->format));
        }
        check::CheckOptions checking = OptionsFor(*options);
        return options->batch ? RunCheckBatch(*options, std::move(checking), std::cout)
                              : CheckOne(*options, std::move(checking));
    } catch (const std::exception& error) {
        std::cerr << "veritor-rules: " << error.what() << "\n";
        if (Json(*options)) {
            std::cout << check::RefusalJson(
                options->batch ? std::nullopt : std::optional(options->part.string()), error.what(),
                options->batch ? check::JsonLayout::OneLine : check::JsonLayout::Indented);
        }
        return kExitUnusable;
    }
}
