// A main window that keeps any number of views as pages of a tab control whose tabs sit at
// the bottom, and switches between them.
#pragma once

#include <QMainWindow>

#include <vector>

class QTabWidget;

class CTabbedFrameWnd : public QMainWindow {
    Q_OBJECT

public:
    explicit CTabbedFrameWnd(QWidget* parent = nullptr);

    // Appends the view as a new page (the tab control takes it) and makes it active.
    int AddView(QWidget* view);
    // Nothing for -1 or for the page already active.
    void SetActiveView(int page);
    int GetActivePage() const { return m_nActivePage; }
    QWidget* GetActiveView() const;
    int GetViewCount() const { return static_cast<int>(m_arViews.size()); }
    QWidget* GetView(int page) const;
    QTabWidget* GetTabControl() const { return m_pTabCtrl; }

protected:
    // Told when a page's view is activated or deactivated.
    virtual void OnActivateView(QWidget* view, bool activate);
    virtual void OnUpdateFrameTitle();
    // Gives the active view the keys unless it, or an editor within it, has them already.
    void FocusActiveView();
    void changeEvent(QEvent* event) override;

private slots:
    void OnTabChanged(int page);

private:
    QTabWidget* m_pTabCtrl;
    QWidget* m_pLastView = nullptr;
    int m_nActivePage = -1;
    std::vector<QWidget*> m_arViews;
};
