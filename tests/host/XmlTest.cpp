#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "host/TeskXMLDocument.h"
#include "host/TeskXMLNode.h"

namespace {

// Every wrapper the XML operations return is the caller's to delete.
using Node = std::unique_ptr<TeskXMLNode>;
using NodeList = std::unique_ptr<TeskXMLNodeList>;

class Xml : public ::testing::Test {
protected:
    // Loads text that must be well formed; the root's wrapper.
    Node Load(std::string_view text) {
        std::string error;
        EXPECT_TRUE(m_doc.LoadText(text, error)) << error;
        return Node(m_doc.GetRootNode());
    }

    // A document with an empty root element "Rules".
    Node MakeRoot() {
        Node root(m_doc.CreateNode(L"Rules"));
        m_doc.SetRootNode(root.get());
        return Node(m_doc.GetRootNode());
    }

    TeskXMLDocument m_doc;
};

TEST_F(Xml, CreatedNodesWaitUnattachedAndAreNeverSaved) {
    const Node root = MakeRoot();
    const Node orphan(m_doc.CreateNode(L"Orphan"));
    orphan->AddAttribute(L"Name", L"kept out");
    const Node child(m_doc.CreateNode(L"Rule"));
    EXPECT_EQ(Node(orphan->GetParentNode()), nullptr);
    EXPECT_EQ(Node(child->GetParentNode()), nullptr);

    const Node appended(root->AppendNode(child.get()));
    ASSERT_NE(appended, nullptr);
    const Node parent(appended->GetParentNode());
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->GetNodeName(), L"Rules");
    EXPECT_EQ(Node(root->GetParentNode()), nullptr);  // the root has no parent element

    const std::string saved = m_doc.SaveText();
    EXPECT_NE(saved.find("<Rule"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Orphan"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("detached"), std::string::npos) << saved;

    // Saved text loads back as the same document, with nothing from the holder.
    TeskXMLDocument reloaded;
    std::string error;
    ASSERT_TRUE(reloaded.LoadText(saved, error)) << error;
    EXPECT_EQ(reloaded.SaveText(), saved);
}

TEST_F(Xml, EmptyDocumentSavesOnlyTheDeclaration) {
    const Node orphan(m_doc.CreateNode(L"Orphan"));
    EXPECT_EQ(m_doc.GetRootNode(), nullptr);
    EXPECT_EQ(m_doc.SaveText(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
}

TEST_F(Xml, AttributesAndTextsKeepTheirCharacters) {
    const Node root = MakeRoot();
    const Node rule(root->AppendNode(L"Rule"));
    rule->AddAttribute(L"Name", L"first");
    rule->AddAttribute("Name", L"Å <&> \"µm\"");  // replaces, named in UTF-8
    rule->AddAttribute("Cut", CString(std::wstring(L"ends\0here", 9)));  // at its null
    rule->SetNodeValue(L"中文 °");

    const Node reloaded = Load(m_doc.SaveText());
    const Node again(reloaded->SelectSingleNode(L"Rule"));
    ASSERT_NE(again, nullptr);
    CString value(L"untouched");
    EXPECT_TRUE(again->GetAttributeValue(L"Name", value));
    EXPECT_EQ(value, L"Å <&> \"µm\"");
    EXPECT_EQ(again->GetNodeValue(), L"中文 °");
    EXPECT_TRUE(again->GetAttributeValue(L"Cut", value));
    EXPECT_EQ(value, L"ends");
    EXPECT_FALSE(again->GetAttributeValue(L"Missing", value));
    EXPECT_EQ(value, L"ends");
}

// Names and values of any length and alphabet pass through the literal and the CString
// overloads alike, and reading into a text that already holds the value, a part of it or more
// gives the value.
TEST_F(Xml, LongAndNonAsciiNamesAndValuesRoundTrip) {
    const Node root = MakeRoot();
    const Node rule(root->AppendNode(L"Rule"));
    const CString longValue(L'x', 300);
    const CString longName(L'n', 300);
    const CString wideName(L"Größe");
    rule->AddAttribute(L"Long", longValue);
    rule->AddAttribute(wideName, L"ü");
    rule->AddAttribute(longName, L"long name");

    const Node again(Load(m_doc.SaveText())->SelectSingleNode(CString(L"Rule")));
    ASSERT_NE(again, nullptr);
    for (const CString& before :
         {CString(), CString(L'x', 299), longValue, CString(L'x', 301), CString(L"ü")}) {
        CString value = before;
        EXPECT_TRUE(again->GetAttributeValue(L"Long", value));
        EXPECT_EQ(value, longValue);
    }
    CString value;
    EXPECT_TRUE(again->GetAttributeValue(wideName.GetString(), value));
    EXPECT_EQ(value, L"ü");
    EXPECT_TRUE(again->GetAttributeValue(longName, value));
    EXPECT_EQ(value, L"long name");
}

// An attribute given twice is found in the short lists elements have and in long ones alike.
TEST_F(Xml, RepeatedAttributesAreRefusedWhateverTheListsLength) {
    const auto element = [](int count, const char* last) {
        std::string text = "<Rule";
        for (int i = 0; i < count; ++i) {
            text += " a" + std::to_string(i) + "=\"\"";
        }
        return text + " " + last + "=\"\"/>";
    };
    struct Case {
        std::string text;
        bool refused;
    };
    for (const Case& c : {Case{element(1, "a0"), true}, Case{element(15, "a14"), true},
                          Case{element(40, "a3"), true}, Case{element(40, "b"), false}}) {
        TeskXMLDocument document;
        std::string error;
        EXPECT_EQ(document.LoadText(c.text, error), !c.refused) << c.text;
        EXPECT_EQ(error.find("is given twice on <Rule>") != std::string::npos, c.refused) << error;
    }
}

TEST_F(Xml, GetNodeValueInIntAcceptsWholeIntegersOnly) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"42", true, 42},
        {"-7", true, -7},
        {" 12 ", true, 12},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {"12abc", false, 0},
        {"1.5", false, 0},
        {"0x10", false, 0},
        {"-", false, 0},
    };
    const Node root = MakeRoot();
    for (const Case& c : cases) {
        const Node value(root->AppendNode(L"Value"));
        value->SetNodeValue(CString(std::wstring(c.text, c.text + std::strlen(c.text))));
        int out = 99;
        EXPECT_EQ(value->GetNodeValueInInt(out), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(out, c.ok ? c.value : 99) << '"' << c.text << '"';
    }
    int out = 99;
    EXPECT_FALSE(Node(root->AppendNode(L"Empty"))->GetNodeValueInInt(out));
}

TEST_F(Xml, NodeListsHoldDirectChildrenOnly) {
    const Node root = Load(
        "<Rule><Parameter Type='1'><Parameter Type='nested'/></Parameter><Other/>"
        "<Parameter Type='2'/>text<!-- Parameter --></Rule>");
    const NodeList list(root->GetNodeList(L"Parameter"));
    ASSERT_EQ(list->GetSize(), 2);
    CString type;
    EXPECT_TRUE(list->GetItem(0)->GetAttributeValue(L"Type", type));
    EXPECT_EQ(type, L"1");
    EXPECT_TRUE((*list)[1]->GetAttributeValue(L"Type", type));
    EXPECT_EQ(type, L"2");
    EXPECT_EQ(list->GetItem(-1), nullptr);
    EXPECT_EQ(list->GetItem(2), nullptr);

    EXPECT_EQ(NodeList(root->GetNodeList(L"Missing"))->GetSize(), 0);
    EXPECT_EQ(NodeList(root->GetChildNodes())->GetSize(), 3);

    const Node first(root->SelectSingleNode(L"Parameter"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->GetAttributeValue(L"Type", type));
    EXPECT_EQ(type, L"1");
    EXPECT_EQ(Node(root->SelectSingleNode(L"Missing")), nullptr);
}

TEST_F(Xml, AppendNodeMovesWithinAndCopiesAcrossDocuments) {
    const Node root = MakeRoot();
    const Node a(root->AppendNode(L"A"));
    const Node b(root->AppendNode(L"B"));

    // Moving B under A: one B, now A's child.
    const Node moved(a->AppendNode(b.get()));
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(NodeList(root->GetNodeList(L"B"))->GetSize(), 0);
    EXPECT_EQ(NodeList(a->GetNodeList(L"B"))->GetSize(), 1);

    // An element cannot go under itself or its own descendant.
    EXPECT_EQ(Node(moved->AppendNode(a.get())), nullptr);
    EXPECT_EQ(Node(a->AppendNode(a.get())), nullptr);
    EXPECT_EQ(Node(a->AppendNode(static_cast<TeskXMLNode*>(nullptr))), nullptr);

    TeskXMLDocument other;
    const Node foreign(other.CreateNode(L"Foreign"));
    other.SetRootNode(foreign.get());
    const Node foreignRoot(other.GetRootNode());
    const Node copied(root->AppendNode(foreignRoot.get()));
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(other.SaveText().find("<Foreign"), std::string::npos);  // still there
    EXPECT_NE(m_doc.SaveText().find("<Foreign"), std::string::npos);
}

TEST_F(Xml, ReplaceChildPutsTheReplacementInPlace) {
    const Node root = Load("<Rules><A/><B/><C/></Rules>");
    const Node b(root->SelectSingleNode(L"B"));
    const Node replacement(m_doc.CreateNode(L"X"));
    EXPECT_TRUE(root->ReplaceChild(b.get(), replacement.get()));
    EXPECT_NE(m_doc.SaveText().find("<A />\n  <X />\n  <C />"), std::string::npos)
        << m_doc.SaveText();

    const Node a(root->SelectSingleNode(L"A"));
    const Node stranger(m_doc.CreateNode(L"Y"));
    EXPECT_FALSE(a->ReplaceChild(stranger.get(), replacement.get()));  // not a child of A
    EXPECT_FALSE(root->ReplaceChild(a.get(), nullptr));
    EXPECT_FALSE(root->ReplaceChild(nullptr, replacement.get()));
    EXPECT_FALSE(a->ReplaceChild(a.get(), root.get()));  // a node is not its own child
    EXPECT_NE(m_doc.SaveText().find("<A />\n  <X />\n  <C />"), std::string::npos)
        << m_doc.SaveText();
}

TEST_F(Xml, LoadTextErrorsNameLineAndColumnAndEmptyTheDocument) {
    const Node root = MakeRoot();
    struct Case {
        const char* text;
        const char* where;
    };
    const Case cases[] = {
        {"<Rules>\n  <Rule>\n</Rules>", "line 3, column"},
        {"<Rules attr=x/>", "line 1, column"},
        {"", "line 1, column 1"},
        {"<!-- only a comment -->", "line 1, column"},
        {"<tesk:detached/>", "no root"},  // the holder's own name is not a document
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(m_doc.LoadText(c.text, error)) << c.text;
        EXPECT_NE(error.find(c.where), std::string::npos) << "error: " << error;
        EXPECT_EQ(m_doc.GetRootNode(), nullptr);
    }
}

}  // namespace
