// The property dialog's rows, its place beside the cell it edits, and the write-back on OK.
#include "ui/document/CPropertyDlg.h"

#include "ui/common/CoreTranslation.h"
#include "ui/common/DialogTitle.h"
#include "ui/common/QtText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

CPropertyDlg::CPropertyDlg(QWidget* parent)
    : QDialog(parent),
      m_pForm(new QFormLayout),
      m_pOk(new QPushButton(tr("OK"), this)),
      m_pCancel(new QPushButton(tr("Cancel"), this))
{
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &CPropertyDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CPropertyDlg::reject);
    auto* buttons = new QHBoxLayout;  // both layouts are taken by the dialog's layout below
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_pForm);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPropertyDlg::SetProperties(const PropList& props)
{
    std::vector<CNdChnData*> cells;
    for (const auto& prop : props)
        cells.push_back(prop.get());
    SetProperties(cells.data(), static_cast<int>(cells.size()));
}

void CPropertyDlg::SetProperties(CNdChnData* const* props, int count)
{
    ClearRows();
    m_pProps.assign(props, props + std::clamp(count, 0, MAX_PROPS));
    for (const CNdChnData* prop : m_pProps)
        AddRow(*prop);
    // The buttons were made first, so in the window's circular focus chain they follow the last
    // value: Tab walks the values, then OK and Cancel. The first value starts with the focus.
    auto first = std::find_if(m_pValues.begin(), m_pValues.end(), [](QComboBox* v) { return v->isEnabled(); });
    if (first != m_pValues.end())
        (*first)->setFocus();
}

void CPropertyDlg::ClearRows()
{
    while (m_pForm->rowCount() > 0)
        m_pForm->removeRow(0);
    m_pLabels.clear();
    m_pValues.clear();
}

// A list offers its items; a single item is free text; a read-only cell, or one without items,
// is shown greyed.
void CPropertyDlg::AddRow(const CNdChnData& prop)
{
    auto* value = new QComboBox(this);
    const auto& items = prop.GetData();
    for (const std::string& item : items)
        value->addItem(q4ui::ToQString(item));
    value->setCurrentIndex(items.size() == 1 ? 0 : prop.m_nCurSel);  // a single item is the value
    if (prop.m_bEditable && items.size() == 1) {
        value->setEditable(true);
        value->setInsertPolicy(QComboBox::NoInsert);
    }
    value->setEnabled(prop.m_bEditable && !items.empty());

    // The name's first letter is its mnemonic; an ampersand in a name stays one.
    QString name = q4ui::TrHeading(q4ui::ToQString(prop.GetName())).replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* label = new QLabel(name.isEmpty() ? name : QLatin1Char('&') + name, this);
    label->setBuddy(value);
    m_pForm->addRow(label, value);
    m_pLabels.push_back(label);
    m_pValues.push_back(value);
}

void CPropertyDlg::PlaceNextTo(const QRect& globalCellRect)
{
    m_rcCell = globalCellRect;
    Place();
}

// Placed again once shown: only then does the window frame have its real size.
void CPropertyDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_rcCell)
        Place();
}

void CPropertyDlg::Place()
{
    setMinimumWidth(q4ui::TitleBarWidth(*this));  // the title names the cell
    layout()->activate();
    const QRect& cell = *m_rcCell;
    QScreen* screen = QGuiApplication::screenAt(cell.center());
    if (!screen)
        screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QSize frame = frameGeometry().size();
    if (frame == size()) {
        // No frame yet: allow for a border and a title bar.
        int border = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        frame += QSize(border, border + style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    }

    QPoint pos(cell.right() + 1, cell.top());
    if (pos.x() + frame.width() - 1 > area.right()) {
        pos.setX(cell.left() - frame.width());
        if (pos.x() < area.left()) {
            pos = QPoint(cell.left(), cell.bottom() + 1);
            if (pos.y() + frame.height() - 1 > area.bottom())
                pos.setY(cell.top() - frame.height());
        }
    }
    pos.setX(std::max(area.left(), std::min(pos.x(), area.right() + 1 - frame.width())));
    pos.setY(std::max(area.top(), std::min(pos.y(), area.bottom() + 1 - frame.height())));
    move(pos);
}

void CPropertyDlg::accept()
{
    for (size_t i = 0; i < m_pValues.size(); ++i) {
        if (m_pValues[i]->isEnabled())
            m_pProps[i]->SetSelText(q4ui::ToCp1252(m_pValues[i]->currentText()));
    }
    QDialog::accept();
}
