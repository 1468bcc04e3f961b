#include "tests/check/CheckFixture.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>

#include <fmt/format.h>

#include "tests/cli/CommandRunner.h"

void CheckFixture::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Named after the test for a reader (a parameterised test's slashes made dashes), made
    // unique so that two checkouts never share it.
    std::string name = fmt::format("veritor-check-{}-{}", info->test_suite_name(), info->name());
    std::replace(name.begin(), name.end(), '/', '-');
    m_folder.emplace(name);
}

std::filesystem::path CheckFixture::Rules(const std::string& unit,
                                          const std::vector<Value>& values) {
    const std::string name = fmt::format("rules{}.xml", ++m_documents);
    const CommandResult made = RunVeritorRules(Folder(), "new " + name + " --unit " + unit);
    EXPECT_EQ(made.status, 0) << made.err;
    const std::filesystem::path path = Folder() / name;
    pugi::xml_document document;
    EXPECT_TRUE(document.load_file(path.c_str()));
    for (const Value& value : values) {
        const pugi::xpath_node_set found = document.select_nodes(
            fmt::format("/RuleSet/Rule[@Name='{}']/Parameter[@Type='{}']/Value", value.rule,
                        value.parameter)
                .c_str());
        EXPECT_GT(found.size(), static_cast<std::size_t>(value.index)) << value.rule;
        found[static_cast<std::size_t>(value.index)].node().text().set(
            fmt::format("{:.6f}", value.value).c_str());
    }
    EXPECT_TRUE(document.save_file(path.c_str()));
    return path;
}

check::CheckReport CheckFixture::Check(const std::filesystem::path& part,
                                       const std::filesystem::path& rules,
                                       check::CheckOptions options) {
    return check::PartChecker(std::move(options)).Check(part, rules);
}

const check::RuleResult& CheckFixture::Rule(const check::CheckReport& report,
                                            const std::string& name) {
    for (const check::RuleResult& rule : report.rules) {
        if (rule.rule == name) {
            return rule;
        }
    }
    throw std::runtime_error("no rule " + name);
}

std::vector<check::Finding> CheckFixture::FindingsOf(const check::CheckReport& report,
                                                     const std::string& rule, std::uint32_t solid) {
    std::vector<check::Finding> found;
    for (const check::RuleResult& result : report.rules) {
        if (result.rule == rule && result.solid == solid) {
            found.insert(found.end(), result.findings.begin(), result.findings.end());
        }
    }
    return found;
}
