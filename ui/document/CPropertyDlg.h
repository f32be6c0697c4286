// The property dialog: the cells that stand behind one pop-up grid cell, one row each, the name
// as a label and the value as a combo box of the cell's items; OK writes the values back.
#pragma once

#include "model/INordaSetupType.h"

#include <QDialog>
#include <QRect>

#include <optional>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;

class CPropertyDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int MAX_PROPS = 100;

    explicit CPropertyDlg(QWidget* parent = nullptr);

    // The cells stay the caller's and must outlive the dialog; at most MAX_PROPS are taken.
    void SetProperties(const PropList& props);
    void SetProperties(CNdChnData* const* props, int count);

    // Moves the dialog just right of the cell (global coordinates), or left of it, or below
    // it, whichever the screen has room for; it always stays on the screen's available area.
    void PlaceNextTo(const QRect& globalCellRect);

    int GetRowCount() const { return static_cast<int>(m_pValues.size()); }
    QLabel* GetLabel(int row) const { return m_pLabels.at(static_cast<size_t>(row)); }
    QComboBox* GetValueBox(int row) const { return m_pValues.at(static_cast<size_t>(row)); }
    QPushButton* GetOkButton() const { return m_pOk; }
    QPushButton* GetCancelButton() const { return m_pCancel; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ClearRows();
    void AddRow(const CNdChnData& prop);
    void Place();

    QFormLayout* m_pForm;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    std::vector<CNdChnData*> m_pProps;
    std::vector<QLabel*> m_pLabels;
    std::vector<QComboBox*> m_pValues;
    std::optional<QRect> m_rcCell;  // global; set by PlaceNextTo
};
