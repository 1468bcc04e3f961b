#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status bar: the last thing done to the document on the left, the
// document's units and its number of rules on the right.
class DocumentStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit DocumentStatusBar(QWidget* parent = nullptr);

    void ShowDocument(const QString& units, int rules);
    void ShowAction(const QString& action);

    QString Action() const;
    QString Units() const;
    QString RuleCount() const;

private:
    QLabel* m_action;
    QLabel* m_units;
    QLabel* m_rules;
};
