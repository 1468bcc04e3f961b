#include <fmt/format.h>
#include <gmock/gmock.h>

#include <map>
#include <numbers>
#include <regex>
#include <tuple>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// "parameter ID: ..., values A, B" lines of show, by rule and parameter id.
using ShownValues = std::map<std::string, std::vector<double>>;

ShownValues ParseValues(const std::string& shown) {
    ShownValues values;
    std::istringstream lines(shown);
    std::string rule;
    const std::regex parameter(R"(  parameter (\d+): .*, values (.*))");
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!line.empty() && line[0] != ' ') {
            rule = line;
        } else if (std::regex_match(line, match, parameter)) {
            std::vector<double>& list = values[rule + "/" + match[1].str()];
            std::string text = std::regex_replace(match[2].str(), std::regex(R"([(),])"), " ");
            std::istringstream numbers(text);
            for (double number; numbers >> number;) {
                list.push_back(number);
            }
        }
    }
    return values;
}

class RuleDocumentCommands : public ::testing::Test {
protected:
    CommandResult Run(const std::string& arguments) {
        return RunVeritorRules(m_folder.Path(), arguments);
    }
    std::filesystem::path File(const std::string& name) const { return m_folder.Path() / name; }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(File(name)) << text;
    }

    TemporaryFolder m_folder;
};

TEST_F(RuleDocumentCommands, ListShowsThirteenRulesWithDescriptions) {
    const CommandResult list = Run("list");
    ASSERT_EQ(list.status, 0) << list.err;
    const std::regex block(
        R"((^|\n)\S[^\n]*\n  display name: [^\n]+\n  severity: [1-5] \([^\n]+\)\n  description: \S)");
    const auto blocks = std::distance(std::sregex_iterator(list.out.begin(), list.out.end(), block),
                                      std::sregex_iterator());
    EXPECT_EQ(blocks, 13) << list.out;
}

TEST_F(RuleDocumentCommands, NewInInchesKeepsAnglesAndShowReadsItBack) {
    ASSERT_EQ(Run("new doc.xml --unit in").status, 0);
    EXPECT_THAT(ReadWholeFile(File("doc.xml")),
                HasSubstr("<RuleSet Unit=\"3\" AngularUnit=\"0\">"));
    const CommandResult shown = Run("show doc.xml");
    ASSERT_EQ(shown.status, 0) << shown.err;
    const ShownValues values = ParseValues(shown.out);
    EXPECT_EQ(values.at("Draft Angle/2120"), std::vector<double>{0.5});
    EXPECT_EQ(values.at("Draft Angle/2121"), std::vector<double>{5.0});
    EXPECT_NEAR(values.at("Fillet Radius/2142").at(0), 0.1 / 25.4, 1e-6);

    const CommandResult again = Run("show doc.xml");
    EXPECT_EQ(again.out, shown.out);
}

// The ASCII names stay what a command line takes; a person reads the symbols engineers write.
TEST_F(RuleDocumentCommands, UnitsAreTakenByNameOrSymbolAndShownAsSymbols) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"angstrom", "Å", "Unit=\"6\""},
        {"um", "µm", "Unit=\"8\""},
        {"uin", "µin", "Unit=\"10\""},
        {"mm", "mm", "Unit=\"0\""},
    };
    for (const auto& [name, symbol, attribute] : cases) {
        for (const char* given : {name, symbol}) {
            SCOPED_TRACE(given);
            ASSERT_EQ(Run(std::string("new doc.xml --force --unit '") + given + "'").status, 0);
            EXPECT_THAT(ReadWholeFile(File("doc.xml")), HasSubstr(attribute));
            EXPECT_THAT(Run("show doc.xml").out,
                        HasSubstr(std::string("units: ") + symbol + ", deg\n"));
        }
    }
    ASSERT_EQ(Run("units doc.xml --unit µin").status, 0);
    EXPECT_THAT(ReadWholeFile(File("doc.xml")), HasSubstr("Unit=\"10\""));
}

TEST_F(RuleDocumentCommands, UnitsRoundTripGivesTheOriginalValues) {
    ASSERT_EQ(Run("new mm.xml").status, 0);
    ASSERT_EQ(Run("new doc.xml --unit in").status, 0);
    const CommandResult converted = Run("units doc.xml --unit mm");
    ASSERT_EQ(converted.status, 0) << converted.err;
    EXPECT_THAT(ReadWholeFile(File("doc.xml")), HasSubstr("Unit=\"0\""));
    const ShownValues original = ParseValues(Run("show mm.xml").out);
    const ShownValues back = ParseValues(Run("show doc.xml").out);
    ASSERT_EQ(back.size(), original.size());
    for (const auto& [key, values] : original) {
        ASSERT_EQ(back.at(key).size(), values.size()) << key;
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_NEAR(back.at(key)[i], values[i], 1e-5 * std::max(1.0, values[i])) << key;
        }
    }
}

TEST_F(RuleDocumentCommands, AngleUnitChangeConvertsBothDraftAngles) {
    ASSERT_EQ(Run("new doc.xml --unit in").status, 0);
    ASSERT_EQ(Run("units doc.xml --angle rad").status, 0);
    const ShownValues values = ParseValues(Run("show doc.xml").out);
    EXPECT_NEAR(values.at("Draft Angle/2120").at(0), 0.5 * M_PI / 180, 1e-6);
    EXPECT_NEAR(values.at("Draft Angle/2121").at(0), 5.0 * M_PI / 180, 1e-6);
    EXPECT_THAT(ReadWholeFile(File("doc.xml")),
                HasSubstr("<RuleSet Unit=\"3\" AngularUnit=\"1\">"));
}

TEST_F(RuleDocumentCommands, CastingRulesHaveTheCastingDefaults) {
    ASSERT_EQ(Run("new doc.xml --casting").status, 0);
    const ShownValues values = ParseValues(Run("show doc.xml").out);
    EXPECT_EQ(values.at("Draft Angle/2121"), std::vector<double>{3.0});
    EXPECT_EQ(values.at("Mould Wall Thickness/2094"), std::vector<double>{3.0});
    EXPECT_EQ(values.at("Uniform Thickness/2045"), (std::vector<double>{1.0, 3.0}));
    EXPECT_EQ(values.at("Uniform Thickness/2046"), (std::vector<double>{1.0, 5.0}));
    EXPECT_THAT(ReadWholeFile(File("doc.xml")),
                HasSubstr("Validator=\"TeskCastingRulesValidator\""));
}

TEST_F(RuleDocumentCommands, NewRefusesToOverwriteUnlessForced) {
    Write("doc.xml", "keep me");
    const CommandResult refused = Run("new doc.xml");
    EXPECT_NE(refused.status, 0);
    EXPECT_THAT(refused.err, HasSubstr("doc.xml"));
    EXPECT_EQ(ReadWholeFile(File("doc.xml")), "keep me");
    EXPECT_EQ(Run("new doc.xml --force").status, 0);
    EXPECT_THAT(ReadWholeFile(File("doc.xml")), StartsWith("<?xml"));
}

TEST_F(RuleDocumentCommands, OtherModulesRulesAreKeptUnchanged) {
    ASSERT_EQ(Run("new doc.xml").status, 0);
    std::string text = ReadWholeFile(File("doc.xml"));
    const std::string foreign =
        "<Rule Name=\"Someone Else's Rule\" Severity=\"9\"><Parameter "
        "Type=\"1\"><Value>x</Value></Parameter></Rule>";
    text.insert(text.find("</RuleSet>"), foreign + "<Note>kept</Note>");
    Write("doc.xml", text);
    ASSERT_EQ(Run("units doc.xml --unit cm").status, 0);
    const std::string converted = ReadWholeFile(File("doc.xml"));
    EXPECT_THAT(converted, HasSubstr("<Rule Name=\"Someone Else's Rule\" Severity=\"9\">"));
    EXPECT_THAT(converted, HasSubstr("<Value>x</Value>"));
    EXPECT_THAT(converted, HasSubstr("<Note>kept</Note>"));
}

TEST_F(RuleDocumentCommands, OldShapeRecordsLoadAsSwitchedParts) {
    Write("old.xml",
          "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Mould Wall Thickness\">"
          "<Parameter Type=\"2095\" "
          "Status=\"0\"><Operator>7</Operator><ParameterType>1</ParameterType>"
          "<Value>1.0</Value><Value>4.0</Value></Parameter></Rule>"
          "<Rule Name=\"Uniform Thickness\"><Parameter Type=\"2045\"><Operator>7</Operator>"
          "<ParameterType>1</ParameterType><Value>2.5</Value></Parameter></Rule></RuleSet>");
    const CommandResult shown = Run("show old.xml");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_THAT(shown.out, HasSubstr("parameter 2095: on, operator >=, values 4.0"));
    EXPECT_THAT(shown.out, HasSubstr("parameter 2045: on, operator >=, values 1.0, 2.5"));
}

// Every refused document: one line naming the file and the problem, and the file as it was.
TEST_F(RuleDocumentCommands, BadDocumentsAreRefusedAndLeftAsTheyWere) {
    ASSERT_EQ(Run("new good.xml").status, 0);
    const std::string good = ReadWholeFile(File("good.xml"));
    struct Case {
        std::string text;
        std::string problem;
    };
    const std::vector<Case> cases{
        {good.substr(0, good.size() / 2), "not a readable XML document"},
        {"just text", "not a readable XML document"},
        {"<Rules Unit=\"0\" AngularUnit=\"0\"/>", "not <RuleSet>"},
        {"<RuleSet Unit=\"mm\" AngularUnit=\"0\"/>", "Unit=\"mm\""},
        {"<RuleSet Unit=\"0\" AngularUnit=\"7\"/>", "AngularUnit=\"7\""},
        {"<RuleSet AngularUnit=\"0\"/>", "no Unit attribute"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\"><Parameter "
         "Type=\"2120\">"
         "<Value>abc</Value></Parameter></Rule></RuleSet>",
         "value \"abc\" is not a number"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\"><Parameter>"
         "<Value>1</Value></Parameter></Rule></RuleSet>",
         "no numeric Type"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\"><Parameter "
         "Type=\"2120\"><Operator>7</Operator><Value>nan</Value></Parameter></Rule></RuleSet>",
         "value \"nan\" is not a number"},
        // Saving would leave out a parameter without an operator, and its values with it.
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\"><Parameter "
         "Type=\"2120\"><Value>1.5</Value></Parameter></Rule></RuleSet>",
         "parameter 2120: no comparison operator"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\"><Parameter "
         "Type=\"2121\"><Operator>12</Operator><Value>1.5</Value></Parameter></Rule></RuleSet>",
         "parameter 2121: no comparison operator"},
        // Bytes that are not UTF-8 in a UTF-8 document, named with their offset.
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><!-- \xC0\xAF --></RuleSet>",
         "not UTF-8 text: byte 0xC0 at offset 39"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><!-- \xED\xA0\x80 --></RuleSet>",
         "byte 0xED at offset 39"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><!-- \xF5\x80\x80\x80 --></RuleSet>",
         "byte 0xF5 at offset 39"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\"><!-- \xE2\x82 --></RuleSet>", "byte 0xE2"},
        // References to characters XML does not allow would cut a text or write bad bytes.
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\" Note=\"a&#0;b\"/>",
         "\"&#0;\" refers to a character XML does not allow, at line 1, column 42"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\">&#xD800;</RuleSet>", "\"&#xD800;\" refers"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\">&#x110000;</RuleSet>", "\"&#x110000;\" refers"},
        {"<RuleSet Unit=\"0\" AngularUnit=\"0\">&#99999999999999999999;</RuleSet>",
         "\"&#99999999999999999999;\" refers"},
    };
    for (const Case& c : cases) {
        Write("bad.xml", c.text);
        for (const std::string command : {"show bad.xml", "units bad.xml --unit in"}) {
            const CommandResult result = Run(command);
            EXPECT_NE(result.status, 0) << command << ": " << c.text;
            EXPECT_THAT(result.err, StartsWith("veritor-rules: bad.xml: ")) << c.text;
            EXPECT_THAT(result.err, HasSubstr(c.problem));
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
            EXPECT_EQ(ReadWholeFile(File("bad.xml")), c.text);
        }
    }
    // In a comment, a CDATA section or a processing instruction "&#0;" is only text.
    const std::string literal =
        "<RuleSet Unit=\"0\" AngularUnit=\"0\"><!-- &#0; --><![CDATA[&#xD800;]]><?note &#0;?>"
        "<Other>&#x1F600;&#9;</Other></RuleSet>";
    Write("literal.xml", literal);
    EXPECT_EQ(Run("show literal.xml").status, 0);
    ASSERT_EQ(Run("units literal.xml --unit in").status, 0);
    for (const char* kept : {"<!-- &#0; -->", "<![CDATA[&#xD800;]]>", "<?note &#0;?>"}) {
        EXPECT_THAT(ReadWholeFile(File("literal.xml")), HasSubstr(kept));
    }

    // A value written with character references is read as the characters they name.
    Write("references.xml",
          "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\"><Parameter "
          "Type=\"&#50;120\"><Operator>&#x37;</Operator><Value>&#49;.5</Value></Parameter>"
          "</Rule></RuleSet>");
    const CommandResult references = Run("show references.xml");
    EXPECT_EQ(references.status, 0) << references.err;
    EXPECT_THAT(references.out, HasSubstr("parameter 2120: on, operator >=, values 1.5"));

    const CommandResult missing = Run("show absent.xml");
    EXPECT_NE(missing.status, 0);
    EXPECT_THAT(missing.err, HasSubstr("absent.xml: no such file"));
}

// Only a value that overflows in the conversion is refused, since the saved document could not
// be read; a huge value that still fits is converted and kept.
TEST_F(RuleDocumentCommands, ConversionsRefuseOnlyValuesThatOverflow) {
    const auto document = [](const char* units, const char* value) {
        return fmt::format(
            "<RuleSet {}><Rule Name=\"Draft Angle\"><Parameter Type=\"2120\"><Operator>7"
            "</Operator><Value>{}</Value></Parameter></Rule></RuleSet>",
            units, value);
    };
    const std::string overflowing = document("Unit=\"0\" AngularUnit=\"1\"", "1e307");
    Write("huge.xml", overflowing);
    const CommandResult refused = Run("units huge.xml --angle deg");
    EXPECT_NE(refused.status, 0);
    EXPECT_THAT(refused.err, HasSubstr("huge.xml: not saved: rule \"Draft Angle\": parameter "
                                       "2120: value \"inf\" is not a number"));
    EXPECT_EQ(ReadWholeFile(File("huge.xml")), overflowing);

    Write("large.xml", document("Unit=\"0\" AngularUnit=\"0\"", "1e307"));
    const CommandResult converted = Run("units large.xml --angle rad");
    EXPECT_EQ(converted.status, 0) << converted.err;
    const ShownValues values = ParseValues(Run("show large.xml").out);
    ASSERT_EQ(values.count("Draft Angle/2120"), 1u);
    EXPECT_NEAR(values.at("Draft Angle/2120")[0], 1e307 * std::numbers::pi / 180, 1e295);
}

// The document keeps six decimals: a unit change that would round a value away lists it and saves
// nothing, unless the person allows the rounding.
TEST_F(RuleDocumentCommands, AUnitChangeThatWouldRoundValuesAwayIsRefusedUnlessAllowed) {
    const std::string text =
        "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Fillet Radius\"><Parameter "
        "Type=\"2142\"><Operator>5</Operator><Value>0.0004</Value></Parameter><Parameter "
        "Type=\"2144\"><Operator>6</Operator><Value>0.2</Value></Parameter></Rule><Rule "
        "Name=\"Rib Height for Thickness\"><Parameter Type=\"2227\"><Operator>8</Operator>"
        "<ParameterType>24</ParameterType><Value "
        "Attribute1=\"0.0003\" Attribute2=\"4.0\"/></Parameter></Rule></RuleSet>";
    Write("small.xml", text);
    const CommandResult refused = Run("units small.xml --unit m");
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.err, HasSubstr("small.xml: Fillet Radius, parameter 2142, value 1: 4e-07 "
                                       "would be kept as 0.000000\n"));
    EXPECT_THAT(refused.err, HasSubstr("small.xml: Rib Height for Thickness, parameter 2227, row "
                                       "1: 3e-07 would be kept as 0.0\n"));
    EXPECT_THAT(refused.err, HasSubstr("small.xml: not converted: 2 value(s) would be rounded"));
    EXPECT_EQ(ReadWholeFile(File("small.xml")), text);

    EXPECT_EQ(Run("units small.xml --unit cm").status, 0) << "nothing lost in centimetres";
    EXPECT_EQ(Run("units small.xml --unit m --allow-rounding").status, 0);
    EXPECT_THAT(ReadWholeFile(File("small.xml")), HasSubstr("Unit=\"2\""));
}

// A rule element that lacks a parameter record, or holds more or fewer values than the rule
// reads, is pointed out by every command that loads it, naming the rule and the parameter.
TEST_F(RuleDocumentCommands, RecordsTheRuleCannotReadAreWarnedAbout) {
    Write("script", "cancel\n");
    for (const char* command : {"show odd.xml", "units odd.xml --unit in",
                                "edit odd.xml 'Draft Angle' --script script"}) {
        Write("odd.xml",
              "<RuleSet Unit=\"0\" AngularUnit=\"0\"><Rule Name=\"Draft Angle\" "
              "Severity=\"2\"><Parameter Type=\"2120\"><Operator>7</Operator><Value>1</Value>"
              "<Value>2</Value></Parameter></Rule></RuleSet>");
        const CommandResult result = Run(command);
        EXPECT_THAT(result.err, HasSubstr("warning: odd.xml: rule \"Draft Angle\": parameter 2120 "
                                          "holds 2 value(s) where the rule reads 1\n"))
            << command;
        EXPECT_THAT(result.err, HasSubstr("warning: odd.xml: rule \"Draft Angle\": parameter 2121 "
                                          "has no record; it will be saved without a value\n"))
            << command;
    }
    ASSERT_EQ(Run("new fine.xml").status, 0);
    EXPECT_EQ(Run("show fine.xml").err, "") << "a document as the module writes it draws none";
}

}  // namespace
