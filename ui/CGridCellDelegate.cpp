// In-place editors of the grid and the drop-down mark of list cells.
#include "ui/CGridCellDelegate.h"

#include "ui/CZTGridCtrl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

constexpr int DT_REAL = 4;
constexpr int DT_INT = 3;
constexpr int ARROW_WIDTH = 14;

bool IsListCell(const QModelIndex& index)
{
    return index.data(CZTGridCtrl::ROLE_CELLTYPE).toInt() == CZTGridCtrl::GRID_CELL_LIST;
}

}  // namespace

CGridCellDelegate::CGridCellDelegate(CZTGridCtrl* grid)
    : QStyledItemDelegate(grid), m_pGrid(grid)
{
}

QString CGridCellDelegate::TypedTextPattern(int dataType)
{
    // Partial numbers ("", "-", "1.") stay possible while typing; letters never get in.
    if (dataType == DT_INT)
        return QStringLiteral("[+-]?[0-9]*");
    if (dataType == DT_REAL)
        return QStringLiteral("[+-]?[0-9]*\\.?[0-9]*([eE][+-]?[0-9]*)?");
    return QString();
}

QWidget* CGridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const
{
    if (IsListCell(index)) {
        auto* combo = new QComboBox(parent);
        combo->addItems(index.data(CZTGridCtrl::ROLE_LIST).toStringList());
        // Choosing an item ends the edit at once.
        auto* self = const_cast<CGridCellDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, combo](int) {
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
        });
        if (m_pGrid->IsDropDownEdit())
            QTimer::singleShot(0, combo, &QComboBox::showPopup);
        return combo;
    }
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    QVariant len = index.data(CZTGridCtrl::ROLE_TEXTLEN);
    if (len.isValid() && len.toInt() >= 0)
        line->setMaxLength(len.toInt());
    QString pattern = TypedTextPattern(index.data(CZTGridCtrl::ROLE_DATATYPE).toInt());
    if (!pattern.isEmpty())
        line->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), line));
    return line;
}

void CGridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    QString text = index.data(Qt::DisplayRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        int found = combo->findText(text);
        combo->setCurrentIndex(found >= 0 ? found : 0);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
        line->selectAll();
    }
}

void CGridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        m_pGrid->CommitEditText(index, combo->currentText());
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        m_pGrid->CommitEditText(index, line->text());
}

void CGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!IsListCell(index))
        return;
    // A small drop-down mark at the right edge tells list cells apart.
    QRect mark(option.rect.right() - ARROW_WIDTH + 2, option.rect.center().y() - 2, ARROW_WIDTH - 6, 5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option.palette.color(QPalette::Mid));
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
