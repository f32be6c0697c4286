// In-place editors of the grid, the drop-down mark of list cells and tool-tips of cut texts.
#include "ui/grid/CGridCellDelegate.h"

#include "model/CNdChnData.h"
#include "ui/grid/CNumberValidator.h"
#include "ui/grid/CSheetModel.h"
#include "ui/grid/CZTGridCtrl.h"
#include "ui/grid/FindingMarks.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr int ARROW_WIDTH = 14;
constexpr char CHOSEN_IN_LIST[] = "q4ChosenInList";

bool IsListCell(const QModelIndex& index)
{
    return index.data(CSheetModel::KindRole).toInt() == static_cast<int>(CSheetModel::CellKind::List);
}

// A refusal is told where menu prompts are told: in the status bar.
void TellStatusBar(QWidget* widget, const QString& text)
{
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(widget, &tip);
}

}  // namespace

CGridCellDelegate::CGridCellDelegate(CZTGridCtrl* grid)
    : QStyledItemDelegate(grid), m_grid(grid)
{
}

QWidget* CGridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    int len = index.data(CSheetModel::TextLenRole).toInt();
    if (IsListCell(index)) {
        // Editable: typing completes to the first choice that begins with the text, and a text
        // that is no choice still goes to the setup type (a new unit, "11" for "IN 11").
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(index.data(CSheetModel::ChoicesRole).toStringList());
        combo->completer()->setCompletionMode(QCompleter::InlineCompletion);
        combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        if (len >= 0)
            combo->lineEdit()->setMaxLength(len);
        // A choice taken in the open list (a click, Enter) ends the edit with it; Up and Down
        // on the closed list only move through the choices.
        combo->view()->installEventFilter(const_cast<CGridCellDelegate*>(this));
        combo->view()->viewport()->installEventFilter(const_cast<CGridCellDelegate*>(this));
        auto* self = const_cast<CGridCellDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, combo] {
            if (!combo->property(CHOSEN_IN_LIST).toBool())
                return;
            combo->setProperty(CHOSEN_IN_LIST, false);
            QTimer::singleShot(0, combo, [self, combo] {
                emit self->commitData(combo);
                emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
            });
        });
        if (m_grid->IsDropDownEdit())
            QTimer::singleShot(0, combo, &QComboBox::showPopup);
        return combo;
    }
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    if (len >= 0)
        line->setMaxLength(len);
    int dataType = index.data(CSheetModel::DataTypeRole).toInt();
    CNumberValidator* validator = nullptr;
    if (dataType == DT_REAL || dataType == DT_INT) {
        validator = new CNumberValidator(dataType == DT_REAL, line);
        line->setValidator(validator);
    }
    // The editor does not take what the cell cannot hold, and says so.
    connect(line, &QLineEdit::inputRejected, line, [line, validator, len] {
        bool full = len >= 0 && line->text().size() >= len;
        TellStatusBar(line, full ? tr("Refused: this cell holds at most %1 characters").arg(len)
                                 : validator ? validator->Explanation() : QString());
    });
    return line;
}

void CGridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        int found = combo->findText(text);
        if (found >= 0)
            combo->setCurrentIndex(found);
        combo->setEditText(text);
        combo->lineEdit()->selectAll();
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
        line->selectAll();
    }
}

void CGridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        m_grid->CommitEditText(index, combo->currentText());
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        m_grid->CommitEditText(index, line->text());
}

// Marks a choice taken in a drop-down's open list; the list itself goes on as usual.
bool CGridCellDelegate::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    QComboBox* combo = nullptr;
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w && !combo; w = w->parentWidget())
        combo = qobject_cast<QComboBox*>(w);
    // The editors themselves are the base class's: Tab, Enter, Escape and leaving the cell.
    if (!combo || (widget != combo->view() && widget != combo->view()->viewport()))
        return QStyledItemDelegate::eventFilter(watched, event);
    auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    bool enter = key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
    if (enter || event->type() == QEvent::MouseButtonRelease)
        combo->setProperty(CHOSEN_IN_LIST, true);
    return false;
}

void CGridCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    auto look = static_cast<CellLook>(index.data(CSheetModel::LookRole).toInt());
    if (look == CellLook::Plain)
        return;
    option->backgroundBrush = q4ui::CellBackground(look, option->palette);
    const QColor text = q4ui::CellForeground(look, option->palette);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        option->palette.setColor(group, QPalette::Text, text);
}

void CGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QVariant finding = index.data(CSheetModel::FindingRole);
    if (finding.isValid()) {
        QStyleOptionViewItem look(option);
        initStyleOption(&look, index);
        const QColor background = look.backgroundBrush.style() != Qt::NoBrush ? look.backgroundBrush.color()
                                                                             : option.palette.color(QPalette::Base);
        q4ui::PaintFindingMark(*painter, option.rect, static_cast<Severity>(finding.toInt()), background);
    }
    if (!IsListCell(index))
        return;
    // A small drop-down mark at the right edge tells list cells apart, in the colour of the
    // cell's text, which stands out from the cell as the text does, on any palette.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const bool selected = cell.state & QStyle::State_Selected;
    QRect mark(option.rect.right() - ARROW_WIDTH + 2, option.rect.center().y() - 2, ARROW_WIDTH - 6, 5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QPointF points[3] = {QPointF(mark.left(), mark.top()), QPointF(mark.right(), mark.top()),
                               QPointF(mark.center().x() + 0.5, mark.bottom())};
    painter->drawPolygon(points, 3);
    painter->restore();
}

QSize CGridCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (IsListCell(index))
        size.rwidth() += ARROW_WIDTH;
    return size;
}

// A text the cell shows whole needs no tool-tip; a cut one is shown whole, and an inactive cell
// says how to make it active.
bool CGridCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    bool inactive = index.data(CSheetModel::LookRole).toInt() == static_cast<int>(CellLook::Inactive);
    bool found = index.data(CSheetModel::FindingRole).isValid();
    if (!inactive && !found && sizeHint(option, index).width() <= option.rect.width()) {
        QToolTip::hideText();
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
