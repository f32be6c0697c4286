// The tabbed frame: pages, the active page and tab changes.
#include "ui/app/CTabbedFrameWnd.h"

#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Styles such as Fusion mark the focus only when it came by Tab; the tab bar gets the keys in
// other ways too (after a dialog), and the user must see where they went.
class FocusMarkStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element == CE_TabBarTabLabel && tab && (tab->state & State_HasFocus)) {
            QStyleOptionTab shown(*tab);
            shown.state |= State_KeyboardFocusChange;
            QProxyStyle::drawControl(element, &shown, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

}  // namespace

CTabbedFrameWnd::CTabbedFrameWnd(QWidget* parent)
    : QMainWindow(parent), m_pTabCtrl(new QTabWidget(this))
{
    m_pTabCtrl->setObjectName(QStringLiteral("tabs59648"));
    m_pTabCtrl->setTabPosition(QTabWidget::South);
    m_pTabCtrl->setDocumentMode(true);
    auto* style = new FocusMarkStyle;
    style->setParent(m_pTabCtrl->tabBar());
    m_pTabCtrl->tabBar()->setStyle(style);
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

void CTabbedFrameWnd::FocusActiveView()
{
    QWidget* view = GetActiveView();
    // An open menu or list keeps the keys until it closes.
    if (!view || !view->isEnabled() || QApplication::activePopupWidget())
        return;
    QWidget* focus = focusWidget();
    if (!focus || (focus != view && !view->isAncestorOf(focus)))
        view->setFocus(Qt::OtherFocusReason);
}

// A dialog, a message box or a transfer leaves the window disabled or inactive for a while, and
// Qt then hands the keys to the first widget that takes them, the tab bar: the sheet shown gets
// them back instead, as soon as the window is enabled or active again.
void CTabbedFrameWnd::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if ((event->type() == QEvent::ActivationChange && isActiveWindow())
        || (event->type() == QEvent::EnabledChange && isEnabled()))
        FocusActiveView();
}

void CTabbedFrameWnd::OnActivateView(QWidget*, bool) {}

void CTabbedFrameWnd::OnUpdateFrameTitle() {}
