#include "studio/RulesTableModel.h"

#include "params/SeverityText.h"
#include "studio/StudioDocument.h"

namespace {

QString ToQString(const CString& text) {
    return QString::fromStdWString(text.str());
}

}  // namespace

void RulesTableModel::SetDocument(StudioDocument* document) {
    beginResetModel();
    m_document = document;
    endResetModel();
}

void RulesTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

void RulesTableModel::RuleChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

bool RulesTableModel::IsModuleRule(int row) const {
    return m_document && row >= 0 && row < rowCount() &&
           m_document->Rules()[static_cast<std::size_t>(row)].rule != nullptr;
}

int RulesTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_document ? 0 : static_cast<int>(m_document->Rules().size());
}

int RulesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RulesTableModel::data(const QModelIndex& index, int role) const {
    const bool tip = role == Qt::ToolTipRole && index.column() == Description;
    const bool sort = role == kSortRole;
    if ((role != Qt::DisplayRole && !tip && !sort) || !index.isValid() ||
        index.row() >= rowCount()) {
        return {};
    }
    const LoadedRule& loaded = m_document->Rules()[static_cast<std::size_t>(index.row())];
    if (!loaded.rule) {
        return index.column() == Name ? QVariant(ToQString(loaded.element->GetNodeName()))
                                      : QVariant();
    }
    const CTeskRule& rule = *loaded.rule;
    if (sort && index.column() == Severity) {
        return rule.m_nSeverity;
    }
    switch (index.column()) {
        case Name:
            return ToQString(rule.m_strName);
        case DisplayName:
            return ToQString(rule.m_strDisplayName);
        case Severity:
            return QStringLiteral("%1 (%2)")
                .arg(rule.m_nSeverity)
                .arg(ToQString(SeverityText(rule.m_nSeverity)));
        case Description:
            return ToQString(rule.m_strDescription);
        default:
            return {};
    }
}

QVariant RulesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    switch (section) {
        case Name:
            return tr("Name");
        case DisplayName:
            return tr("Display name");
        case Severity:
            return tr("Severity");
        case Description:
            return tr("Description");
        default:
            return {};
    }
}
