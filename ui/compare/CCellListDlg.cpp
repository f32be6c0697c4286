// The window of named cells.
#include "ui/compare/CCellListDlg.h"

#include "ui/compare/CCellListModel.h"
#include "ui/compare/CCompareController.h"

#include <algorithm>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

CCellListDlg::CCellListDlg(QMainWindow& frame, CCompareController& compare)
    : QDialog(&frame), m_frame(frame), m_compare(compare), m_model(new CCellListModel(this))
{
    setObjectName(QStringLiteral("cellListDialog"));
    setModal(false);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setAccessibleName(tr("Named cells"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_summary->setBuddy(m_view);

    m_copy = new QPushButton(tr("&Copy"), this);
    m_copy->setAutoDefault(false);
    m_copy->setToolTip(tr("Put the whole list on the clipboard"));
    m_close = new QPushButton(tr("Close"), this);
    m_close->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_view, 1);
    layout->addWidget(buttons);
    resize(720, 320);

    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(ListText()); });
    // Enter or a double-click shows the cell in its sheet.
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            m_compare.ShowDifference(m_model->GetCells()[static_cast<size_t>(index.row())]);
    });
}

void CCellListDlg::ShowCells(const QString& title, const QString& summary, std::vector<CellDifference> cells,
                             const QString& headingA, const QString& headingB)
{
    setWindowTitle(title);
    m_summary->setText(summary);
    m_model->SetCells(std::move(cells), headingA, headingB);
    m_view->resizeColumnsToContents();
    m_view->resizeRowsToContents();
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, 0));
    // A file opened as the program starts comes before its window is shown: the list follows it.
    if (m_frame.isVisible())
        Present();
    else
        QTimer::singleShot(0, this, [this] {
            if (m_frame.isVisible() && m_model->rowCount() > 0)
                Present();
        });
}

void CCellListDlg::Present()
{
    if (!m_placed) {
        // Into the main window's lower right corner, off the sheets' first columns, as the
        // comparison goes; where the user moves it, it stays.
        const QRect frame = m_frame.frameGeometry();
        const QRect area = m_frame.screen() ? m_frame.screen()->availableGeometry() : frame;
        const QPoint corner(frame.right() - width() - 24, frame.bottom() - height() - 110);
        move(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() - width())),
             std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() - height())));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    m_view->setFocus();
    m_compare.MarkOthers(m_model->GetCells());
}

void CCellListDlg::ShowDownload(std::vector<CellDifference> cells)
{
    const QString count = cells.size() == 1 ? tr("1 value") : tr("%1 values").arg(cells.size());
    ShowCells(tr("Download - %1 to check").arg(count),
              tr("The set-up shows these values otherwise than the unit holds them, or shows values the sheets "
                 "refuse when typed. An upload writes what the sheets show. The cells are marked in the sheets; "
                 "double-click one to show it."),
              std::move(cells), tr("The unit holds"), tr("Shown"));
}

void CCellListDlg::ShowFile(const QString& file, std::vector<CellDifference> cells)
{
    if (cells.empty()) {
        hide();
        return;
    }
    const QString count = cells.size() == 1 ? tr("1 cell") : tr("%1 cells").arg(cells.size());
    ShowCells(tr("%1 - %2 the unit cannot hold").arg(file, count),
              tr("The unit cannot hold these texts of the file as written: an upload leaves what the last text "
                 "shows, and Verify Unit counts them as differences. The cells are marked in the sheets; "
                 "double-click one to show it."),
              std::move(cells), tr("In the file"), tr("The unit will hold"));
}

void CCellListDlg::ShowImport(const QString& file, const QString& summary, std::vector<CellDifference> cells)
{
    const QString count = cells.size() == 1 ? tr("1 cell") : tr("%1 cells").arg(cells.size());
    ShowCells(tr("%1 - imported, %2 refused or changed").arg(file, count), summary, std::move(cells),
              tr("In the file"), tr("The set-up holds"));
}

QString CCellListDlg::ListText() const
{
    QStringList lines{m_summary->text()};
    auto line = [this](auto cellText) {
        QStringList fields;
        for (int col = 0; col < m_model->columnCount(); ++col)
            fields << cellText(col).simplified();
        return fields.join(QLatin1Char('\t'));
    };
    lines << line([this](int col) { return m_model->headerData(col, Qt::Horizontal).toString(); });
    for (int row = 0; row < m_model->rowCount(); ++row)
        lines << line([this, row](int col) { return m_model->data(m_model->index(row, col)).toString(); });
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CCellListDlg::hideEvent(QHideEvent* event)
{
    m_compare.MarkOthers({});
    QDialog::hideEvent(event);
}
