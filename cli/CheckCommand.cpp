#include "cli/CheckCommand.h"

#include <fmt/format.h>

#include <array>
#include <cmath>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "check/CheckError.h"
#include "check/PartChecker.h"
#include "check/ReportFormat.h"
#include "cli/ProgressBar.h"
#include "cli/UnitCodes.h"

namespace {

constexpr int kSevereFinding = 3;
constexpr int kExitFindings = 1;
constexpr int kExitUnusable = 2;

// "X,Y,Z" as three finite numbers that are not all zero.
void ParsePull(const std::string& text, std::array<double, 3>& pull) {
    std::istringstream in(text);
    char comma1 = 0, comma2 = 0;
    std::string rest;
    if (!(in >> pull[0] >> comma1 >> pull[1] >> comma2 >> pull[2]) || comma1 != ',' ||
        comma2 != ',' || (in >> rest) || !std::isfinite(pull[0] + pull[1] + pull[2]) ||
        (pull[0] == 0 && pull[1] == 0 && pull[2] == 0)) {
        throw check::CheckError(
            fmt::format("--pull \"{}\": give the direction as X,Y,Z, not all zero", text));
    }
}

check::CheckOptions OptionsFor(const CheckCommandOptions& options) {
    check::CheckOptions checking;
    ParsePull(options.pull, checking.pull);
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

int RunCheck(const CheckCommandOptions& options) {
    try {
        check::CheckOptions checking = OptionsFor(options);
        ProgressBar bar(stderr);
        checking.progress = [&bar](double done) { bar.Update(done); };
        const check::CheckReport report =
            check::PartChecker(std::move(checking)).Check(options.part, options.rules);
        for (const std::string& warning : report.warnings) {
            std::cerr << "veritor-rules: warning: " << warning << "\n";
        }
        std::cout << (options.format == "json" ? check::ReportJson(report)
                                               : check::ReportText(report));
        return report.HasFinding(kSevereFinding) ? kExitFindings : 0;
    } catch (const std::exception& error) {
        std::cerr << "veritor-rules: " << error.what() << "\n";
        return kExitUnusable;
    }
}
