#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "check/PartChecker.h"
#include "testing/TemporaryFolder.h"

// A folder of the test's own, rule documents written by the staged veritor-rules with chosen
// values, and the part checker.
class CheckFixture : public ::testing::Test {
public:
    struct Value {
        std::string rule;
        int parameter;
        int index;  // which value of the parameter
        double value;
    };

protected:
    void SetUp() override;

    // A document with every rule at its defaults in this length unit, these values changed.
    std::filesystem::path Rules(const std::string& unit, const std::vector<Value>& values = {});
    std::filesystem::path Path(const std::string& name) const { return Folder() / name; }
    const std::filesystem::path& Folder() const { return m_folder->Path(); }

    static check::CheckReport Check(const std::filesystem::path& part,
                                    const std::filesystem::path& rules,
                                    check::CheckOptions options = {});
    static const check::RuleResult& Rule(const check::CheckReport& report, const std::string& name);
    // The findings of the rule on the solid.
    static std::vector<check::Finding> FindingsOf(const check::CheckReport& report,
                                                  const std::string& rule, std::uint32_t solid);

private:
    std::optional<TemporaryFolder> m_folder;
    int m_documents = 0;
};
