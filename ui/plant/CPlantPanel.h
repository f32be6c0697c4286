// The Plant panel: a dock beside the grids listing the plant's units, sortable, filtered by
// what is typed into its filter line; Enter or a double click opens a unit's set-up.
#pragma once

#include <QDockWidget>

class CPlantModel;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

class CPlantPanel : public QDockWidget {
    Q_OBJECT

public:
    CPlantPanel(CPlantModel& model, QWidget* parent = nullptr);

    QTableView* GetTable() const { return m_table; }
    QLineEdit* GetFilter() const { return m_filter; }
    QSortFilterProxyModel* GetProxy() const { return m_proxy; }
    // Puts the keys into the filter line when it is empty, else into the table.
    void FocusPanel();
    // The width at which every column shows whole, frame and scroll bar included.
    int WantedWidth() const;

signals:
    // The user asked to open this unit's set-up.
    void openUnit(const QString& tag);

private:
    void UpdateWarnings();

    CPlantModel& m_model;
    QLineEdit* m_filter;
    QSortFilterProxyModel* m_proxy;
    QTableView* m_table;
    QLabel* m_warnings;
};
