// The grid's in-place editors: a drop-down list for list cells, a line edit for text cells
// that accepts only what the cell's data type allows and no more than its text limit.
#pragma once

#include <QStyledItemDelegate>

class CZTGridCtrl;

class CGridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CGridCellDelegate(CZTGridCtrl* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The pattern that typed text of a data type must match (empty: any text).
    static QString TypedTextPattern(int dataType);

private:
    CZTGridCtrl* m_pGrid;
};
