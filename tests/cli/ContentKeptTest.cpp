#include <gmock/gmock.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

// What a person or another program put inside a rule comes back from a rewrite of the rule, by
// units (every rule written anew) and by edit (one rule written into the text as it was).
namespace {

using ::testing::HasSubstr;

std::string DraftAngle(const std::string& records) {
    return "<?xml version=\"1.0\"?>\n<RuleSet Unit=\"0\" AngularUnit=\"0\">\n"
           "  <Rule Name=\"Draft Angle\">\n" +
           records + "  </Rule>\n</RuleSet>\n";
}

std::string Record(const std::string& type, const std::string& inside) {
    return "    <Parameter Type=\"" + type + "\">" + inside + "</Parameter>\n";
}

const std::string kSecondRecord = Record("2121", "<Operator>7</Operator><Value>5.0</Value>");

struct KeptCase {
    const char* what;
    std::string document;
    std::vector<std::string> keptText;
};

const KeptCase kCases[] = {
    {"a second record of one parameter, which the rule never reads",
     DraftAngle(Record("2120", "<Operator>7</Operator><Value>0.5</Value>") + kSecondRecord +
                Record("2120", "<Operator>8</Operator><Value>9.25</Value>")),
     {"<Parameter Type=\"2120\">\n      <Operator>8</Operator>\n      <Value>9.25</Value>"}},
    {"attributes, comments and elements inside Value and Operator",
     DraftAngle(Record("2120",
                       "<Operator checked=\"yes\"><!-- at least -->7</Operator>"
                       "<Value unit=\"deg\"><!-- measured -->0.5<source>CAD</source></Value>") +
                kSecondRecord),
     {"<Operator checked=\"yes\">", "<!-- at least -->", "<Value unit=\"deg\">",
      "<!-- measured -->", "<source>CAD</source>"}},
    {"references to entities, which are never expanded, and to characters, beside escaped text",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE RuleSet [<!ENTITY shop \"Line B\">]>\n"
     "<RuleSet Unit=\"0\" AngularUnit=\"0\" Site=\"&shop;\">\n"
     "  <Plant>&shop; &amp; more</Plant>\n"
     "  <Rule Name=\"Draft Angle\" Owner=\"&shop; &#x41;\">\n" +
         Record("2120", "<Operator>7</Operator><Value>0.5</Value><Note>by &shop;</Note>") +
         kSecondRecord + "    <Note>&shop; &lt;QA&gt; &amp;shop;</Note>\n  </Rule>\n</RuleSet>\n",
     {"Site=\"&shop;\"", "<Plant>&shop; &amp; more</Plant>", "Owner=\"&shop; &#x41;\"",
      "<Note>by &shop;</Note>", "<Note>&shop; &lt;QA&gt; &amp;shop;</Note>"}},
};

class ContentKept : public ::testing::TestWithParam<const char*> {
protected:
    CommandResult Run(const std::string& document) {
        std::ofstream(m_folder.Path() / "doc.xml", std::ios::binary) << document;
        std::ofstream(m_folder.Path() / "script") << "type 1113 1.25\nok\n";
        const std::string command = GetParam();
        return RunVeritorRules(m_folder.Path(), command == "units"
                                                    ? "units doc.xml --unit in"
                                                    : "edit doc.xml 'Draft Angle' --script script");
    }
    std::string Saved() const { return ReadWholeFile(m_folder.Path() / "doc.xml"); }

    TemporaryFolder m_folder;
};

TEST_P(ContentKept, WhatTheRuleDoesNotWriteComesBack) {
    for (const KeptCase& kept : kCases) {
        const CommandResult result = Run(kept.document);
        ASSERT_EQ(result.status, 0) << kept.what << "\n" << result.err;
        const std::string saved = Saved();
        for (const std::string& text : kept.keptText) {
            EXPECT_THAT(saved, HasSubstr(text)) << kept.what;
        }
    }
}

// A document whose lines end in CR LF keeps them, in the rewritten rule too.
TEST_P(ContentKept, LineEndingsStayAsTheDocumentHasThem) {
    std::string crlf;
    for (const char c :
         DraftAngle(Record("2120", "<Operator>7</Operator><Value>0.5</Value>") + kSecondRecord)) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    ASSERT_EQ(Run(crlf).status, 0);
    const std::string saved = Saved();
    const auto lineFeeds = std::count(saved.begin(), saved.end(), '\n');
    EXPECT_GT(lineFeeds, 5);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\r'), lineFeeds) << saved;
    EXPECT_EQ(saved.find("\r\r"), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(Commands, ContentKept, ::testing::Values("units", "edit"));

}  // namespace
