#pragma once

#include "platform/CString.h"

class TeskXMLDocument;
class TeskXMLNode;

// A constraint the host attaches to a rule: a named expression, stored as a "Constraint"
// element with the attributes "Name" and "Expression".
class CTeskConstraint {
public:
    CTeskConstraint(TeskXMLDocument* document, const CString& name, const CString& expression)
        : m_pDocument(document), m_strName(name), m_strExpression(expression) {}
    virtual ~CTeskConstraint() = default;

    // A new element describing the constraint; null without a document.
    virtual TeskXMLNode* GetXMLNode() const;
    virtual void PopulateFromXML(TeskXMLNode*& node);

    const CString& GetName() const { return m_strName; }
    const CString& GetExpression() const { return m_strExpression; }

private:
    TeskXMLDocument* m_pDocument;
    CString m_strName;
    CString m_strExpression;
};
