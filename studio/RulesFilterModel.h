#pragma once

#include <QSortFilterProxyModel>

// The rules table as the person sorts and filters it: any column sorts (severities by their
// number), and the filter text keeps the rules whose name, display name or description holds it,
// case aside. Rows of the view map back to the document's rules through mapToSource.
class RulesFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit RulesFilterModel(QObject* parent = nullptr);

    void SetFilterText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_filter;
};
