#include "cli/CheckCommand.h"

#include <fmt/format.h>

#include <array>
#include <iostream>
#include <optional>

#include "check/CheckError.h"
#include "check/PartChecker.h"
#include "check/PullDirection.h"
#include "check/ReportFormat.h"
#include "cli/ProgressBar.h"
#include "document/UnitCodes.h"

namespace {

constexpr int kSevereFinding = 3;
constexpr int kExitFindings = 1;
constexpr int kExitUnusable = 2;

check::CheckOptions OptionsFor(const CheckCommandOptions& options) {
    check::CheckOptions checking;
    const std::optional<std::array<double, 3>> pull = check::ParsePullDirection(options.pull);
    if (!pull) {
        throw check::CheckError(
            fmt::format("--pull \"{}\": give the direction as X,Y,Z, not all zero", options.pull));
    }
    checking.pull = *pull;
    if (options.partUnits) {
        checking.partUnit = ParseLinearUnit(*options.partUnits);
        if (!checking.partUnit) {
            throw check::CheckError(fmt::format(
                "--part-units \"{}\": use 0 to 10 or mm, cm, m, in, ft, ft-in, angstrom, nm, um, "
                "mil, uin",
                *options.partUnits));
        }
    }
    if (options.format != "text" && options.format != "json") {
        throw check::CheckError(fmt::format("--format \"{}\": use text or json", options.format));
    }
    return checking;
}

}  // namespace

extern "C" int VeritorRunCheck(const CheckCommandOptions* options) {
    try {
        check::CheckOptions checking = OptionsFor(*options);
        ProgressBar bar(stderr);
        checking.progress = [&bar](double done) { bar.Update(done); };
        const check::CheckReport report =
            check::PartChecker(std::move(checking)).Check(options->part, options->rules);
        for (const std::string& warning : report.warnings) {
            std::cerr << "veritor-rules: warning: " << warning << "\n";
        }
        std::cout << (options->format == "json" ? check::ReportJson(report)
                                                : check::ReportText(report));
        return report.HasFinding(kSevereFinding) ? kExitFindings : 0;
    } catch (const std::exception& error) {
        std::cerr << "veritor-rules: " << error.what() << "\n";
        return kExitUnusable;
    }
}
