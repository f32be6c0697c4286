// The property dialog: the cells that stand behind one pop-up grid cell, one row each, names
// on the left and values on the right; OK writes the values back into the cells.
#pragma once

#include "model/INordaSetupType.h"

#include <QDialog>

#include <vector>

class CZTGridCtrl;
class QPushButton;

class CPropertyDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int MAX_PROPS = 100;

    explicit CPropertyDlg(QWidget* parent = nullptr);

    // The cells stay the caller's and must outlive the dialog; at most MAX_PROPS are taken.
    void SetProperties(const PropList& props);
    void SetProperties(CNdChnData* const* props, int count);

    CZTGridCtrl* GetGrid() const { return m_pGrid; }
    int GetRowHeight() const { return m_nRowHeight; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LayOut();
    void FillRows();

    CZTGridCtrl* m_pGrid = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    std::vector<CNdChnData*> m_pProps;
    int m_nRowHeight = 0;
    bool m_bLaidOut = false;
};
