// Plant Transfers' table with its port and progress delegates, and its buttons.
#include "ui/plant/CPlantTransferDlg.h"

#include "ui/plant/CPlantTransferController.h"
#include "ui/common/ScreenFit.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The port as a list of the ports found and the emulated units; a port can also be typed.
class PortDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->addItems(CPlantTransferController::PortChoices());
        combo->setAccessibleName(CPlantTransferController::tr("Port"));
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }
};

// The step's progress as a progress bar with its text.
class ProgressDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int percent = index.data(CPlantTransferController::ProgressRole).toInt();
        if (percent < 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionProgressBar bar;
        bar.rect = option.rect.adjusted(1, 1, -1, -1);
        bar.minimum = 0;
        bar.maximum = 100;
        bar.progress = percent;
        bar.text = index.data(Qt::DisplayRole).toString();
        bar.textVisible = true;
        bar.state = option.state | QStyle::State_Horizontal;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);
    }
};

}  // namespace

CPlantTransferDlg::CPlantTransferDlg(CPlantTransferController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller)
{
    setWindowTitle(tr("Plant Transfers"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Tick the units (Space), choose each one's port (F2), then verify or upload them "
                               "side by side."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    m_table = new QTableView(this);
    m_table->setModel(&controller);
    m_table->setAccessibleName(tr("Units to transfer"));
    m_table->setItemDelegateForColumn(CPlantTransferController::PortColumn, new PortDelegate(m_table));
    m_table->setItemDelegateForColumn(CPlantTransferController::ProgressColumn, new ProgressDelegate(m_table));
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                              | QAbstractItemView::AnyKeyPressed);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(CPlantTransferController::UnitColumn, 110);
    m_table->setColumnWidth(CPlantTransferController::PortColumn, 140);
    m_table->setColumnWidth(CPlantTransferController::ProgressColumn, 150);
    if (controller.rowCount() > 0)
        m_table->setCurrentIndex(controller.index(0, 0));
    layout->addWidget(m_table, 1);
    hint->setBuddy(m_table);

    auto* buttons = new QDialogButtonBox(this);
    m_verify = buttons->addButton(tr("&Verify Checked"), QDialogButtonBox::ActionRole);
    m_upload = buttons->addButton(tr("&Upload Checked"), QDialogButtonBox::ActionRole);
    m_cancel = buttons->addButton(tr("&Stop"), QDialogButtonBox::ActionRole);
    m_close = buttons->addButton(QDialogButtonBox::Close);
    for (QPushButton* button : {m_verify, m_upload, m_cancel, m_close})
        button->setAutoDefault(false);
    layout->addWidget(buttons);
    connect(m_verify, &QPushButton::clicked, &controller, &CPlantTransferController::VerifyChecked);
    connect(m_upload, &QPushButton::clicked, &controller, &CPlantTransferController::UploadChecked);
    connect(m_cancel, &QPushButton::clicked, &controller, &CPlantTransferController::Cancel);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&controller, &CPlantTransferController::runningChanged, this, &CPlantTransferDlg::UpdateButtons);
    UpdateButtons(controller.IsRunning());
    resize(q4ui::SizeWithinScreen(*this, QSize(700, 320)));
}

void CPlantTransferDlg::UpdateButtons(bool running)
{
    m_verify->setEnabled(!running);
    m_upload->setEnabled(!running);
    m_cancel->setEnabled(running);
}

// Escape while transfers run stops them; the window stays until they have ended.
void CPlantTransferDlg::reject()
{
    if (m_controller.IsRunning()) {
        m_controller.Cancel();
        return;
    }
    QDialog::reject();
}
