#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/ModuleExports.h"
#include "host/TeskXMLDocument.h"
#include "platform/MessageSink.h"

// A rule document for the rules under test: a "RuleSet" root that carries the unit codes, and
// the module's document pointed at it.
class RuleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<TeskXMLNode> root(m_doc.CreateNode(L"RuleSet"));
        m_doc.SetRootNode(root.get());
        m_root.reset(m_doc.GetRootNode());
        SetUnits(0, 0);
        SetXMLDoc(&m_doc);
        DefaultMessageSink().Clear();
    }
    void TearDown() override { SetXMLDoc(nullptr); }

    void SetUnits(int linear, int angular) {
        m_root->AddAttribute(L"Unit", CString(std::to_wstring(linear)));
        m_root->AddAttribute(L"AngularUnit", CString(std::to_wstring(angular)));
    }

    // Writes the rule's element under the root; the returned wrapper is the caller's.
    std::unique_ptr<TeskXMLNode> Save(CTeskRule& rule) {
        std::unique_ptr<TeskXMLNode> element(rule.GetXML());
        return std::unique_ptr<TeskXMLNode>(m_root->AppendNode(element.get()));
    }

    // Parses an XML text into the document; returns the root's first child element.
    std::unique_ptr<TeskXMLNode> LoadElement(const std::string& xml) {
        std::string error;
        EXPECT_TRUE(m_doc.LoadText(xml, error)) << error;
        m_root.reset(m_doc.GetRootNode());
        std::unique_ptr<TeskXMLNodeList> children(m_root->GetChildNodes());
        return std::unique_ptr<TeskXMLNode>(
            children->GetSize() ? new TeskXMLNode(children->GetItem(0)->Handle()) : nullptr);
    }

    TeskXMLDocument m_doc;
    std::unique_ptr<TeskXMLNode> m_root;
};

template <typename T>
std::vector<T> ValuesOf(CTeskRule& rule, std::int32_t id);

template <>
inline std::vector<double> ValuesOf<double>(CTeskRule& rule, std::int32_t id) {
    std::vector<double> values;
    CTeskParamStorage* param = rule.FindParameterInArray(id);
    if (auto* data = param ? param->GetData<TESK_TYPE_DOUBLE>() : nullptr) {
        for (int i = 0; i < data->Values.GetCount(); ++i) {
            values.push_back(data->Values.ElementAt(i));
        }
    }
    return values;
}

inline std::vector<double> Doubles(CTeskRule& rule, std::int32_t id) {
    return ValuesOf<double>(rule, id);
}

inline TeskParamFields& Fields(CTeskRule& rule, std::int32_t id) {
    CTeskParamStorage* param = rule.FindParameterInArray(id);
    if (!param || !param->GetFields()) {
        throw std::runtime_error("parameter " + std::to_string(id) + " is missing");
    }
    return *param->GetFields();
}
