#include "params/ParameterXml.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ModuleExports.h"
#include "host/TeskXMLDocument.h"
#include "host/TeskXMLNode.h"
#include "params/ValueConversion.h"

namespace {

using Texts = std::vector<CString>;
using NodePtr = std::unique_ptr<TeskXMLNode>;
using NodeListPtr = std::unique_ptr<TeskXMLNodeList>;

constexpr std::int32_t kId = 2120;
constexpr TeskParamType_e kPlainType = static_cast<TeskParamType_e>(2);

void AddValuesFromTexts(CTeskParamStorage& parameter, const Texts& texts) {
    parameter.Visit([&texts](auto valueType, auto& record) {
        constexpr Type_e E = decltype(valueType)::value;
        for (const CString& text : texts) {
            TeskValueOf<E> value{};
            TextToValue<E>(text, value);
            record.Values.Add(value);
        }
    });
}

Texts ValueTexts(CTeskParamStorage& parameter) {
    Texts texts;
    parameter.Visit([&texts](auto valueType, auto& record) {
        for (int i = 0; i < record.Values.GetCount(); ++i) {
            texts.push_back(ValueToText<decltype(valueType)::value>(record.Values.ElementAt(i)));
        }
    });
    return texts;
}

void AddRow(TeskParamDataOf<TESK_TYPE_TEXT_LIST>& record, const Texts& row) {
    auto list = std::make_unique<CStringList>();
    for (const CString& text : row) {
        list->AddTail(text);
    }
    record.Values.Add(list.release());
}

std::vector<Texts> Rows(const TeskParamDataOf<TESK_TYPE_TEXT_LIST>& record) {
    std::vector<Texts> rows;
    for (int i = 0; i < record.Values.GetCount(); ++i) {
        const CStringList* list = record.Values.ElementAt(i);
        Texts& row = rows.emplace_back();
        for (POSITION pos = list ? list->GetHeadPosition() : nullptr; pos;) {
            row.push_back(list->GetNext(pos));
        }
    }
    return rows;
}

Texts ChildTexts(const TeskXMLNode& element, const wchar_t* name) {
    const NodeListPtr children(element.GetNodeList(name));
    Texts texts;
    for (int i = 0; i < children->GetSize(); ++i) {
        texts.push_back(children->GetItem(i)->GetNodeValue());
    }
    return texts;
}

class ParameterXmlTest : public ::testing::Test {
protected:
    void SetUp() override { SetXMLDoc(&m_doc); }
    void TearDown() override { SetXMLDoc(nullptr); }

    // An empty rule element, the document's root.
    NodePtr NewRule() {
        NodePtr rule(m_doc.CreateNode(L"Rule"));
        m_doc.SetRootNode(rule.get());
        return rule;
    }

    // A rule element with the given parameter elements, as a stored document holds it.
    NodePtr LoadRule(const std::string& parameters) {
        std::string error;
        EXPECT_TRUE(m_doc.LoadText("<Rule>" + parameters + "</Rule>", error)) << error;
        return NodePtr(m_doc.GetRootNode());
    }

    // Writes the parameter into the rule and returns the written element.
    static NodePtr WriteInto(TeskXMLNode& rule, CTeskParamStorage& parameter) {
        const NodePtr written(WriteParameterXML(parameter));
        EXPECT_NE(written, nullptr);
        return written ? NodePtr(rule.AppendNode(written.get())) : nullptr;
    }

    TeskXMLDocument m_doc;
};

TEST_F(ParameterXmlTest, WritesTheRecordInItsFixedOrderAndForm) {
    CTeskParamStorage parameter(TESK_TYPE_DOUBLE, kId, TESK_OP_GREATER, kPlainType, true);
    parameter.GetFields()->Name = L"Draft angle";
    parameter.GetFields()->Remarks = L"in degrees";
    AddValuesFromTexts(parameter, {L"0.1234567", L"3"});
    const NodePtr rule = NewRule();
    WriteInto(*rule, parameter);

    EXPECT_EQ(m_doc.SaveText(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Rule>\n"
              "  <Parameter Name=\"Draft angle\" Type=\"2120\" Status=\"1\">\n"
              "    <Operator>6</Operator>\n"
              "    <ParameterType>2</ParameterType>\n"
              "    <Value>0.123457</Value>\n"
              "    <Value>3.000000</Value>\n"
              "    <Remarks>in degrees</Remarks>\n"
              "  </Parameter>\n"
              "</Rule>\n");
}

TEST_F(ParameterXmlTest, EveryValueTypeRoundTrips) {
    const struct {
        Type_e type;
        Texts values;
        Texts written;
    } cases[] = {
        {TESK_TYPE_INT, {L"-5", L"0", L"2147483647"}, {L"-5", L"0", L"2147483647"}},
        {TESK_TYPE_LONG, {L"-7", L"99999999999"}, {L"-7", L"2147483647"}},
        {TESK_TYPE_BOOL, {L"1", L"0"}, {L"1", L"0"}},
        {TESK_TYPE_DOUBLE, {L"0.1234567", L"-2.5"}, {L"0.123457", L"-2.500000"}},
        {TESK_TYPE_TEXT, {L"a b", L"", L"<&>\"\u00dc"}, {L"a b", L"", L"<&>\"\u00dc"}},
        {TESK_TYPE_OPAQUE, {L"12"}, {L""}},
        {TESK_TYPE_UNSIGNED, {L"4294967295", L"-1", L"7"}, {L"4294967295", L"4294967295", L"7"}},
        {TESK_TYPE_TEXT_LIST, {L"x"}, {L""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "value type " << c.type);
        CTeskParamStorage parameter(c.type, kId, TESK_OP_GREATER, kPlainType, false);
        parameter.GetFields()->Name = L"name";
        AddValuesFromTexts(parameter, c.values);
        const NodePtr rule = NewRule();
        const NodePtr element = WriteInto(*rule, parameter);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(ChildTexts(*element, L"Value"), c.written);

        CTeskParamStorage read(c.type, kId, TESK_OP_NONE, TeskParamType_e{}, true);
        ASSERT_TRUE(ReadParameterXML(read, rule.get()));
        EXPECT_EQ(read.GetFields()->Operator, TESK_OP_GREATER);
        EXPECT_EQ(read.GetFields()->ParameterType, kPlainType);
        EXPECT_FALSE(read.GetFields()->Status);
        EXPECT_EQ(read.GetFields()->Name, L"");
        EXPECT_EQ(ValueTexts(read), c.written);
    }
}

TEST_F(ParameterXmlTest, TableRowsAreWrittenWholeAndReadBackToFourStrings) {
    CTeskParamStorage parameter(TESK_TYPE_TEXT_LIST, kId, TESK_OP_EQUAL, TESK_PARAM_TABLE, true);
    auto& record = *parameter.GetData<TESK_TYPE_TEXT_LIST>();
    AddRow(record, {L"1.5", L"3.0"});
    AddRow(record, {});
    AddRow(record, {L"a", L"b", L"c", L"d", L"e"});
    record.Values.Add(nullptr);
    const NodePtr rule = NewRule();
    const NodePtr element = WriteInto(*rule, parameter);
    ASSERT_NE(element, nullptr);

    const NodeListPtr values(element->GetNodeList(L"Value"));
    ASSERT_EQ(values->GetSize(), 2);
    CString fifth;
    EXPECT_TRUE(values->GetItem(1)->GetAttributeValue(L"Attribute5", fifth));
    EXPECT_EQ(fifth, L"e");

    CTeskParamStorage read(TESK_TYPE_TEXT_LIST, kId, TESK_OP_NONE, TeskParamType_e{}, true);
    ASSERT_TRUE(ReadParameterXML(read, rule.get()));
    EXPECT_EQ(read.GetFields()->ParameterType, TESK_PARAM_TABLE);
    const std::vector<Texts> expected = {{L"1.5", L"3.0"}, {L"a", L"b", L"c", L"d"}};
    EXPECT_EQ(Rows(*read.GetData<TESK_TYPE_TEXT_LIST>()), expected);
}

TEST_F(ParameterXmlTest, TableRowsReadTheirFirstFourAttributesThatExist) {
    const NodePtr rule = LoadRule(
        "<Parameter Type=\"2120\"><ParameterType>24</ParameterType>"
        "<Value Attribute1=\"A\" Attribute3=\"C\" Attribute4=\"D\" Attribute5=\"E\"/>"
        "<Value Other=\"x\"/></Parameter>");
    TeskParamDataOf<TESK_TYPE_TEXT_LIST> list;
    list.Id = kId;
    PopulateParameterFromXML<TESK_TYPE_TEXT_LIST>(list, rule.get());
    const std::vector<Texts> expected = {{L"A", L"C", L"D"}, {}};
    EXPECT_EQ(Rows(list), expected);

    // Other value types have no rows: each element still adds a preset value.
    TeskParamDataOf<TESK_TYPE_DOUBLE> numbers;
    numbers.Id = kId;
    PopulateParameterFromXML<TESK_TYPE_DOUBLE>(numbers, rule.get());
    ASSERT_EQ(numbers.Values.GetCount(), 2);
    EXPECT_EQ(numbers.Values.ElementAt(0), 0.0);
}

TEST_F(ParameterXmlTest, ARangeKeepsOnlyPairsOrTriplesOfValues) {
    const struct {
        TeskOperator_e op;
        int count;
        int kept;
    } cases[] = {
        {TESK_OP_RANGE, 0, 0}, {TESK_OP_RANGE, 1, 0}, {TESK_OP_RANGE, 2, 2},
        {TESK_OP_RANGE, 3, 3}, {TESK_OP_RANGE, 4, 4}, {TESK_OP_RANGE, 5, 0},
        {TESK_OP_RANGE, 6, 6}, {TESK_OP_RANGE, 7, 0}, {TESK_OP_GREATER, 5, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "operator " << c.op << ", " << c.count << " values");
        CTeskParamStorage parameter(TESK_TYPE_DOUBLE, kId, c.op, kPlainType, true);
        AddValuesFromTexts(parameter, Texts(static_cast<std::size_t>(c.count), L"1.5"));
        const NodePtr rule = NewRule();
        const NodePtr element = WriteInto(*rule, parameter);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(ChildTexts(*element, L"Value").size(), static_cast<std::size_t>(c.kept));
        EXPECT_EQ(ValueTexts(parameter).size(), static_cast<std::size_t>(c.kept));
    }
}

TEST_F(ParameterXmlTest, WritingWithoutADocumentGivesNothingAndLeavesTheRecord) {
    SetXMLDoc(nullptr);
    CTeskParamStorage parameter(TESK_TYPE_DOUBLE, kId, TESK_OP_RANGE, kPlainType, true);
    AddValuesFromTexts(parameter, {L"1", L"2", L"3", L"4", L"5"});
    EXPECT_EQ(WriteParameterXML(parameter), nullptr);
    EXPECT_EQ(ValueTexts(parameter).size(), 5u);
}

TEST_F(ParameterXmlTest, UnknownValueTypesAreReportedToTheCaller) {
    const NodePtr rule = LoadRule("<Parameter Type=\"2120\"/>");
    for (const int type : {0, 9, -1}) {
        CTeskParamStorage parameter(static_cast<Type_e>(type), kId, TESK_OP_EQUAL, kPlainType,
                                    true);
        EXPECT_EQ(WriteParameterXML(parameter), nullptr) << type;
        EXPECT_FALSE(ReadParameterXML(parameter, rule.get())) << type;
    }
}

TEST_F(ParameterXmlTest, ReadsTheFirstElementWithAReadableMatchingType) {
    const NodePtr rule = LoadRule(
        "<Parameter><Operator>1</Operator></Parameter>"
        "<Parameter Type=\"\"><Operator>1</Operator></Parameter>"
        "<Parameter Type=\"abc\"><Operator>1</Operator></Parameter>"
        "<Parameter Type=\"4294967296\"><Operator>1</Operator></Parameter>"
        "<Parameter Type=\"0\"><Operator>6</Operator></Parameter>"
        "<Parameter Type=\"0\"><Operator>7</Operator></Parameter>"
        "<Parameter Type=\" -3 \"><Operator>8</Operator></Parameter>"
        "<Parameter Type=\"99999999999\"><Operator>5</Operator></Parameter>");
    const struct {
        std::int32_t id;
        TeskOperator_e op;
    } cases[] = {
        {0, TESK_OP_GREATER},
        {-3, TESK_OP_LESS_EQUAL},
        {2147483647, TESK_OP_EQUAL},  // no element: the record keeps its operator
        {kId, TESK_OP_EQUAL},
    };
    for (const auto& c : cases) {
        TeskParamDataOf<TESK_TYPE_DOUBLE> record;
        record.Id = c.id;
        record.Operator = TESK_OP_EQUAL;
        PopulateParameterFromXML<TESK_TYPE_DOUBLE>(record, rule.get());
        EXPECT_EQ(record.Operator, c.op) << "id " << c.id;
    }
}

TEST_F(ParameterXmlTest, UnreadableNumberChildrenGiveZero) {
    const struct {
        const char* child;  // the text of both number children; null: no children
        std::int32_t number;
    } cases[] = {
        {nullptr, 0}, {"", 0}, {"abc", 0}, {"7x", 0}, {"99999999999", 0}, {"-5", -5}, {" 7 ", 7},
    };
    for (const auto& c : cases) {
        const std::string text = c.child ? c.child : "";
        const NodePtr rule = LoadRule(c.child ? "<Parameter Type=\"2120\"><Operator>" + text +
                                                    "</Operator><ParameterType>" + text +
                                                    "</ParameterType></Parameter>"
                                              : "<Parameter Type=\"2120\"/>");
        TeskParamDataOf<TESK_TYPE_DOUBLE> record;
        record.Id = kId;
        record.Operator = TESK_OP_EQUAL;
        record.ParameterType = TESK_PARAM_TABLE;
        PopulateParameterFromXML<TESK_TYPE_DOUBLE>(record, rule.get());
        EXPECT_EQ(record.Operator, c.number) << text;
        EXPECT_EQ(record.ParameterType, c.number) << text;
    }
}

TEST_F(ParameterXmlTest, OnlyAStatusOfZeroSwitchesTheParameterOff) {
    const struct {
        const char* attribute;
        bool status;
    } cases[] = {
        {"", true},
        {" Status=\"\"", true},
        {" Status=\"0\"", false},
        {" Status=\"1\"", true},
        {" Status=\"00\"", true},
        {" Status=\"false\"", true},
    };
    for (const auto& c : cases) {
        const NodePtr rule = LoadRule(std::string("<Parameter Type=\"2120\"") + c.attribute + "/>");
        TeskParamDataOf<TESK_TYPE_DOUBLE> record;
        record.Id = kId;
        record.Status = !c.status;
        PopulateParameterFromXML<TESK_TYPE_DOUBLE>(record, rule.get());
        EXPECT_EQ(record.Status, c.status) << c.attribute;
    }
}

TEST_F(ParameterXmlTest, EveryValueElementAddsAValueEvenWhenItsTextDoesNotConvert) {
    const struct {
        Type_e type;
        const char* values;
        Texts read;
    } cases[] = {
        {TESK_TYPE_DOUBLE,
         "<Value>mm</Value><Value/><Value>2.5mm</Value><Value>1e999</Value>",
         {L"0.000000", L"0.000000", L"2.500000", L"inf"}},
        {TESK_TYPE_INT,
         "<Value>99999999999</Value><Value>-99999999999</Value><Value>abc</Value>",
         {L"2147483647", L"-2147483648", L"0"}},
        {TESK_TYPE_UNSIGNED, "<Value>-1</Value><Value>x</Value>", {L"4294967295", L"0"}},
        {TESK_TYPE_BOOL, "<Value/><Value>0</Value>", {L"1", L"0"}},
        {TESK_TYPE_TEXT, "<Value/><Value> t </Value>", {L"", L" t "}},
    };
    for (const auto& c : cases) {
        const NodePtr rule =
            LoadRule(std::string("<Parameter Type=\"2120\">") + c.values + "</Parameter>");
        CTeskParamStorage parameter(c.type, kId, TESK_OP_NONE, kPlainType, true);
        ASSERT_TRUE(ReadParameterXML(parameter, rule.get()));
        EXPECT_EQ(ValueTexts(parameter), c.read) << c.values;
    }
}

TEST_F(ParameterXmlTest, ReadingAppendsAfterTheValuesAlreadyThere) {
    const NodePtr rule =
        LoadRule("<Parameter Type=\"2120\"><Value>2.0</Value><Value>3.0</Value></Parameter>");
    CTeskParamStorage parameter(TESK_TYPE_DOUBLE, kId, TESK_OP_GREATER, kPlainType, true);
    AddValuesFromTexts(parameter, {L"1.0"});
    ASSERT_TRUE(ReadParameterXML(parameter, rule.get()));
    EXPECT_EQ(ValueTexts(parameter), (Texts{L"1.000000", L"2.000000", L"3.000000"}));
}

TEST_F(ParameterXmlTest, ThousandsOfValuesAreAllRead) {
    constexpr int kCount = 5000;
    std::string values;
    for (int i = 0; i < kCount; ++i) {
        values += "<Value>" + std::to_string(i) + "</Value>";
    }
    const NodePtr rule = LoadRule("<Parameter Type=\"2120\">" + values + "</Parameter>");
    TeskParamDataOf<TESK_TYPE_TEXT> record;
    record.Id = kId;
    PopulateParameterFromXML<TESK_TYPE_TEXT>(record, rule.get());
    ASSERT_EQ(record.Values.GetCount(), kCount);
    EXPECT_EQ(*record.Values.ElementAt(kCount - 1), L"4999");
}

TEST_F(ParameterXmlTest, ReadingWithoutARuleElementChangesNothing) {
    CTeskParamStorage parameter(TESK_TYPE_DOUBLE, kId, TESK_OP_GREATER, kPlainType, true);
    EXPECT_TRUE(ReadParameterXML(parameter, nullptr));
    EXPECT_EQ(parameter.GetFields()->Operator, TESK_OP_GREATER);
    EXPECT_TRUE(ValueTexts(parameter).empty());
}

}  // namespace
