#pragma once

#include <QAbstractTableModel>

class StudioDocument;

// The rules of the open document, one row each: name, display name, severity and description.
// Cells are read from the rules as the view asks for them, so a document of thousands of rules
// costs nothing until it is scrolled to. Rules of other modules show their element's name.
class RulesTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, DisplayName, Severity, Description, ColumnCount };
    // What sorting compares: the severity as its number, every other column as its text.
    static constexpr int kSortRole = Qt::UserRole;

    explicit RulesTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The document shown; null shows none. The model does not own it.
    void SetDocument(StudioDocument* document);
    // The document's rules were loaded anew (after an edit, an undo or a unit change).
    void Reload();
    // Only this row's rule changed.
    void RuleChanged(int row);
    // The row's rule has an editing dialog.
    bool IsModuleRule(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    StudioDocument* m_document = nullptr;
};
