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
    m_filter = new QLineEdit(body);
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(tr("Tag, location, device or file"));
    m_filter->setAccessibleName(tr("Filter the units"));
    label->setBuddy(m_filter);
    filterRow->addWidget(label);
    filterRow->addWidget(m_filter, 1);
    layout->addLayout(filterRow);

    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(&model);
    m_proxy->setFilterKeyColumn(-1);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortRole(Qt::UserRole);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);

    m_table = new QTableView(body);
    m_table->setModel(m_proxy);
    m_table->setAccessibleName(tr("Units of the plant"));
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(CPlantModel::TagColumn, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);
    // Enter and a double click alike.
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit openUnit(index.data(CPlantModel::TagRole).toString());
    });
    connect(m_filter, &QLineEdit::returnPressed, this, [this] {
        m_table->setFocus();
        if (!m_table->currentIndex().isValid() && m_proxy->rowCount() > 0)
            m_table->setCurrentIndex(m_proxy->index(0, 0));
    });

    m_warnings = new QLabel(body);
    m_warnings->setWordWrap(true);
    m_warnings->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(m_warnings);
    connect(&model, &QAbstractItemModel::modelReset, this, &CPlantPanel::UpdateWarnings);
    UpdateWarnings();
    setWidget(body);
    setFocusProxy(m_filter);
}

void CPlantPanel::UpdateWarnings()
{
    m_warnings->setText(m_model.GetWarnings().join(QLatin1Char('\n')));
    m_warnings->setVisible(!m_model.GetWarnings().isEmpty());
    m_table->resizeColumnsToContents();
}

int CPlantPanel::WantedWidth() const
{
    int columns = m_table->verticalHeader()->isVisible() ? m_table->verticalHeader()->width() : 0;
    for (int i = 0; i < m_proxy->columnCount(); ++i)
        columns += m_table->horizontalHeader()->sectionSize(i);
    // The table's frame and a vertical scroll bar, the body's margins.
    const int frame = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    return columns + frame + 2 * 4 + 2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth);
}

void CPlantPanel::FocusPanel()
{
    show();
    raise();
    if (m_filter->text().isEmpty() || !m_table->currentIndex().isValid())
        m_filter->setFocus();
    else
        m_table->setFocus();
}
