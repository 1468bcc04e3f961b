#include "check/PartChecker.h"

#include <cmath>

#include "check/CheckError.h"
#include "check/DocumentUnits.h"
#include "check/checks/RuleChecks.h"
#include "check/geometry/IsolatedPartReader.h"
#include "document/RuleDocument.h"

namespace check {

PartChecker::PartChecker(CheckOptions options) : m_options(std::move(options)) {}

namespace {

template <typename Read>
std::unique_ptr<RuleDocument> ReadDocument(Read read) {
    try {
        return read();
    } catch (const DocumentError& error) {
        throw CheckError(error.what());
    }
}

}  // namespace

CheckReport PartChecker::Check(const std::filesystem::path& partPath,
                               const std::filesystem::path& ruleDocument) const {
    return CheckDocument(partPath, *ReadDocument([&] { return RuleDocument::Load(ruleDocument); }));
}

CheckReport PartChecker::Check(const std::filesystem::path& partPath, std::string_view documentText,
                               const std::filesystem::path& documentName) const {
    return CheckDocument(
        partPath, *ReadDocument([&] { return RuleDocument::Parse(documentText, documentName); }));
}

CheckReport PartChecker::CheckDocument(const std::filesystem::path& partPath,
                                       RuleDocument& document) const {
    const Vec3 pull{m_options.pull[0], m_options.pull[1], m_options.pull[2]};
    if (!(pull.Length() > 0) || !std::isfinite(pull.Length())) {
        throw CheckError("the pull direction has no length");
    }
    std::vector<LoadedRule> rules = document.LoadRules();
    const DocumentUnits units(document.Units().linearUnit, document.Units().angularUnit);

    IsolatedPartReader::Limits limits;
    limits.reading.maxTriangles = m_options.maxTriangles;
    const double stlUnit =
        DocumentUnits::MillimetresPer(m_options.partUnit.value_or(units.Linear()));
    const Part part = IsolatedPartReader(stlUnit, limits).Read(partPath);
    const RayScene scene(part);
    CheckContext context(part, scene, SurfaceSampler(m_options.samples).Sample(part), pull, units,
                         m_options.progress);

    CheckReport report;
    report.part = partPath.string();
    report.units = units.LengthName() + ", " + units.AngleName();
    report.warnings = document.Warnings();
    for (LoadedRule& loaded : rules) {
        if (loaded.rule) {
            report.rules.push_back(MakeRuleCheck(*loaded.rule)->Run(context));
        }
    }
    if (m_options.progress) {
        m_options.progress(1.0);
    }
    return report;
}

}  // namespace check
