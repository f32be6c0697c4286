// The grid's in-place editors: an editable drop-down with completion for list cells, a line
// edit for text cells that refuses visibly what the cell's data type or text limit cannot
// hold; cells coloured by what they are, from the view's palette; a drop-down mark on list
// cells, a corner on cells with findings of the set-up checks, and a tool-tip where a cell cuts
// its text, is not active or has findings.
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
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    // The option a cell is drawn with: background, text colour and font by the cell's look.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CZTGridCtrl* m_grid;
};
