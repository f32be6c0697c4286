// The Plant panel's filter, table and warnings.
#include "ui/plant/CPlantPanel.h"

#include "ui/plant/CPlantModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

CPlantPanel::CPlantPanel(CPlantModel& model, QWidget* parent)
    : QDockWidget(tr("Plant"), parent), m_model(model)
{
    setObjectName(QStringLiteral("plantPanel"));
    setAccessibleName(tr("Plant panel"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* filterRow = new QHBoxLayout;
    // Alt+F stays with the File menu.
    auto* label = new QLabel(tr("F&ilter:"), body);
    m_pFilter = new QLineEdit(body);
    m_pFilter->setClearButtonEnabled(true);
    m_pFilter->setPlaceholderText(tr("Tag, location, device or file"));
    m_pFilter->setAccessibleName(tr("Filter the units"));
    label->setBuddy(m_pFilter);
    filterRow->addWidget(label);
    filterRow->addWidget(m_pFilter, 1);
    layout->addLayout(filterRow);

    m_pProxy = new QSortFilterProxyModel(this);
    m_pProxy->setSourceModel(&model);
    m_pProxy->setFilterKeyColumn(-1);
    m_pProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_pProxy->setSortRole(Qt::UserRole);
    m_pProxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    connect(m_pFilter, &QLineEdit::textChanged, m_pProxy, &QSortFilterProxyModel::setFilterFixedString);

    m_pTable = new QTableView(body);
    m_pTable->setModel(m_pProxy);
    m_pTable->setAccessibleName(tr("Units of the plant"));
    m_pTable->setSortingEnabled(true);
    m_pTable->sortByColumn(CPlantModel::COL_TAG, Qt::AscendingOrder);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setTabKeyNavigation(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_pTable, 1);
    // Enter and a double click alike.
    connect(m_pTable, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit openUnit(index.data(CPlantModel::TagRole).toString());
    });
    connect(m_pFilter, &QLineEdit::returnPressed, this, [this] {
        m_pTable->setFocus();
        if (!m_pTable->currentIndex().isValid() && m_pProxy->rowCount() > 0)
            m_pTable->setCurrentIndex(m_pProxy->index(0, 0));
    });

    m_pWarnings = new QLabel(body);
    m_pWarnings->setWordWrap(true);
    m_pWarnings->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(m_pWarnings);
    connect(&model, &QAbstractItemModel::modelReset, this, &CPlantPanel::UpdateWarnings);
    UpdateWarnings();
    setWidget(body);
    setFocusProxy(m_pFilter);
}

void CPlantPanel::UpdateWarnings()
{
    m_pWarnings->setText(m_model.GetWarnings().join(QLatin1Char('\n')));
    m_pWarnings->setVisible(!m_model.GetWarnings().isEmpty());
    m_pTable->resizeColumnsToContents();
}

int CPlantPanel::WantedWidth() const
{
    int columns = m_pTable->verticalHeader()->isVisible() ? m_pTable->verticalHeader()->width() : 0;
    for (int i = 0; i < m_pProxy->columnCount(); ++i)
        columns += m_pTable->horizontalHeader()->sectionSize(i);
    // The table's frame and a vertical scroll bar, the body's margins.
    const int frame = 2 * m_pTable->frameWidth() + m_pTable->verticalScrollBar()->sizeHint().width();
    return columns + frame + 2 * 4 + 2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth);
}

void CPlantPanel::FocusPanel()
{
    show();
    raise();
    if (m_pFilter->text().isEmpty() || !m_pTable->currentIndex().isValid())
        m_pFilter->setFocus();
    else
        m_pTable->setFocus();
}
