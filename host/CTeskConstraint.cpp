#include "host/CTeskConstraint.h"

#include "host/TeskXMLDocument.h"

TeskXMLNode* CTeskConstraint::GetXMLNode() const {
    if (!m_pDocument) {
        return nullptr;
    }
    TeskXMLNode* node = m_pDocument->CreateNode(L"Constraint");
    node->AddAttribute(L"Name", m_strName);
    node->AddAttribute(L"Expression", m_strExpression);
    return node;
}

void CTeskConstraint::PopulateFromXML(TeskXMLNode*& node) {
    if (!node) {
        return;
    }
    node->GetAttributeValue(L"Name", m_strName);
    node->GetAttributeValue(L"Expression", m_strExpression);
}
