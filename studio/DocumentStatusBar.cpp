#include "studio/DocumentStatusBar.h"

#include <QLabel>

DocumentStatusBar::DocumentStatusBar(QWidget* parent)
    : QStatusBar(parent),
      m_action(new QLabel(this)),
      m_units(new QLabel(this)),
      m_rules(new QLabel(this)) {
    setObjectName(QStringLiteral("documentStatus"));
    addWidget(m_action, 1);
    addPermanentWidget(m_units);
    addPermanentWidget(m_rules);
}

void DocumentStatusBar::ShowDocument(const QString& units, int rules) {
    m_units->setText(units);
    m_rules->setText(rules == 1 ? tr("1 rule") : tr("%1 rules").arg(rules));
}

void DocumentStatusBar::ShowAction(const QString& action) {
    m_action->setText(action);
}

QString DocumentStatusBar::Action() const {
    return m_action->text();
}

QString DocumentStatusBar::Units() const {
    return m_units->text();
}

QString DocumentStatusBar::RuleCount() const {
    return m_rules->text();
}
