#include "studio/FocusCue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>

#include "platform/window/WindowStyles.h"

using platform::WindowKind;

namespace {

// Inside a push button's edge, as the platform draws its focus rectangle.
constexpr int kButtonFocusInset = 4;

// The platform's focus rectangle: every other pixel set.
QPen DottedPen(const QColor& color) {
    QPen pen(color, 1);
    pen.setCosmetic(true);
    pen.setDashPattern({1, 1});
    return pen;
}

QRect CheckBoxFocusRect(const QCheckBox& check) {
    QStyleOptionButton option;
    option.initFrom(&check);
    option.text = check.text();
    return check.style()->subElementRect(QStyle::SE_CheckBoxFocusRect, &option, &check);
}

QRect ComboFieldRect(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = false;
    return combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                         &combo);
}

// The part of a widget its containers let show, in the dialog's coordinates: a cell editor
// scrolled out of its list shows nothing, and neither does its caret.
QRect ShownArea(const QWidget& widget, const QWidget& dialog) {
    QRect shown(widget.mapTo(&dialog, QPoint(0, 0)), widget.size());
    for (const QWidget* container = widget.parentWidget(); container && container != &dialog;
         container = container->parentWidget()) {
        shown &= QRect(container->mapTo(&dialog, QPoint(0, 0)), container->size());
    }
    return shown;
}

}  // namespace

FocusCue::FocusCue(QWidget* dialog) : QWidget(dialog) {
    setObjectName(QStringLiteral("focusCue"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FocusCue::Follow(const platform::WindowSnapshot* focused, QWidget* widget) {
    m_kind = focused && focused->visible && widget ? focused->kind : WindowKind::Other;
    m_currentLine = m_kind == WindowKind::ListView && focused->focusedRow >= 0
                        ? focused->focusedRow - focused->topRow
                        : -1;
    m_widget = widget;
    setGeometry(parentWidget()->rect());
    raise();
    update();
}

void FocusCue::paintEvent(QPaintEvent*) {
    if (!m_widget) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(ShownArea(*m_widget, *parentWidget()));
    switch (m_kind) {
        case WindowKind::Button:
        case WindowKind::CheckBox:
            PaintDottedRectangle(painter);
            break;
        case WindowKind::ComboBox:
            PaintHighlightedChoice(painter);
            break;
        case WindowKind::ListView:
            PaintCurrentRow(painter);
            break;
        case WindowKind::Edit:
            PaintCaret(painter);
            break;
        default:
            break;
    }
}

void FocusCue::PaintDottedRectangle(QPainter& painter) const {
    QRect area;
    if (const auto* check = qobject_cast<const QCheckBox*>(m_widget.data())) {
        area = CheckBoxFocusRect(*check);
    } else {
        area = m_widget->rect().adjusted(kButtonFocusInset, kButtonFocusInset,
                                         -kButtonFocusInset - 1, -kButtonFocusInset - 1);
    }
    painter.setPen(DottedPen(palette().color(QPalette::WindowText)));
    painter.drawRect(area.translated(m_widget->mapTo(parentWidget(), QPoint(0, 0))));
}

void FocusCue::PaintHighlightedChoice(QPainter& painter) const {
    const auto* combo = qobject_cast<const QComboBox*>(m_widget.data());
    if (!combo) {
        return;
    }
    const QRect field =
        ComboFieldRect(*combo).translated(combo->mapTo(parentWidget(), QPoint(0, 0)));
    painter.fillRect(field, palette().color(QPalette::Active, QPalette::Highlight));
    painter.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
    painter.setFont(combo->font());
    painter.drawText(field.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     combo->currentText());
}

// Around the row's cells, within the rows area: a row scrolled out of sight shows no rectangle.
void FocusCue::PaintCurrentRow(QPainter& painter) const {
    const auto* table = qobject_cast<const QTableWidget*>(m_widget.data());
    if (!table || m_currentLine < 0 || m_currentLine >= table->rowCount() ||
        table->columnCount() == 0) {
        return;
    }
    const QRect row =
        table->visualItemRect(table->item(m_currentLine, 0))
            .united(table->visualItemRect(table->item(m_currentLine, table->columnCount() - 1)));
    const QPoint corner = table->viewport()->mapTo(parentWidget(), QPoint(0, 0));
    painter.setClipRect(table->viewport()->rect().translated(corner), Qt::IntersectClip);
    painter.setPen(DottedPen(palette().color(QPalette::WindowText)));
    painter.drawRect(row.adjusted(0, 0, -1, -1).translated(corner));
}

// The caret stands where the next character goes in: the end of the selection the window system
// keeps, which the edit widget's cursor was set to.
void FocusCue::PaintCaret(QPainter& painter) const {
    QRect caret;
    if (const auto* line = qobject_cast<const QLineEdit*>(m_widget.data())) {
        caret = line->inputMethodQuery(Qt::ImCursorRectangle)
                    .toRect()
                    .translated(line->mapTo(parentWidget(), QPoint(0, 0)));
    } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(m_widget.data())) {
        caret = box->cursorRect().translated(box->viewport()->mapTo(parentWidget(), QPoint(0, 0)));
    }
    // Qt's cursor rectangle of a line edit is wider than the caret and centred on it.
    if (caret.isValid()) {
        painter.fillRect(QRect(caret.left() + caret.width() / 2, caret.top(), 1, caret.height()),
                         palette().color(QPalette::Text));
    }
}

bool ShowsSelection(const platform::WindowSnapshot& edit) {
    return edit.focused || (edit.style & ES_NOHIDESEL) != 0;
}
