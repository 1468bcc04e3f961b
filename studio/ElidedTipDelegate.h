#pragma once

#include <QStyledItemDelegate>

// Draws cells as usual; a cell too narrow for its text shows the whole text as its tooltip when
// it has none of its own.
class ElidedTipDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The cell's text does not fit the cell as the view draws it.
    bool IsElided(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};
