// The tabbed frame: pages, the active page and tab changes.
#include "ui/CTabbedFrameWnd.h"

#include <QTabWidget>

CTabbedFrameWnd::CTabbedFrameWnd(QWidget* parent)
    : QMainWindow(parent), m_pTabCtrl(new QTabWidget(this))
{
    m_pTabCtrl->setObjectName(QStringLiteral("tabs59648"));
    m_pTabCtrl->setTabPosition(QTabWidget::South);
    m_pTabCtrl->setDocumentMode(true);
    setCentralWidget(m_pTabCtrl);
    connect(m_pTabCtrl, &QTabWidget::currentChanged, this, &CTabbedFrameWnd::OnTabChanged);
}

int CTabbedFrameWnd::AddView(QWidget* view)
{
    if (!view)
        return 0;
    m_arViews.push_back(view);
    view->setEnabled(false);
    {
        // Adding the first page would select it through the tab control before it is ours.
        QSignalBlocker block(m_pTabCtrl);
        m_pTabCtrl->addTab(view, QString());
    }
    SetActiveView(static_cast<int>(m_arViews.size()) - 1);
    return 1;
}

QWidget* CTabbedFrameWnd::GetActiveView() const
{
    return GetView(m_nActivePage);
}

QWidget* CTabbedFrameWnd::GetView(int page) const
{
    return page >= 0 && page < GetViewCount() ? m_arViews[static_cast<size_t>(page)] : nullptr;
}

void CTabbedFrameWnd::SetActiveView(int page)
{
    if (page == -1 || page == m_nActivePage || !GetView(page))
        return;
    if (QWidget* old = GetActiveView()) {
        old->setEnabled(false);
        OnActivateView(old, false);
    }
    m_nActivePage = page;
    QWidget* view = m_arViews[static_cast<size_t>(page)];
    view->setEnabled(true);
    m_pTabCtrl->setCurrentIndex(page);
    view->setFocus();
    m_pLastView = view;
    OnActivateView(view, true);
}

void CTabbedFrameWnd::OnTabChanged(int page)
{
    SetActiveView(page);
    OnUpdateFrameTitle();
    update();
}

void CTabbedFrameWnd::OnActivateView(QWidget*, bool) {}

void CTabbedFrameWnd::OnUpdateFrameTitle() {}
