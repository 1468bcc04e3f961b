#include "studio/RulesFilterModel.h"

#include "studio/RulesTableModel.h"

RulesFilterModel::RulesFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(RulesTableModel::kSortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void RulesFilterModel::SetFilterText(const QString& text) {
    m_filter = text.trimmed();
    invalidateFilter();
}

bool RulesFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (m_filter.isEmpty()) {
        return true;
    }
    for (const int column :
         {RulesTableModel::Name, RulesTableModel::DisplayName, RulesTableModel::Description}) {
        const QString text =
            sourceModel()->index(sourceRow, column, sourceParent).data().toString();
        if (text.contains(m_filter, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}
