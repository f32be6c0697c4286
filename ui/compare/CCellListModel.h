// A list of named cells as a table: sheet, channel, setting, two texts and why each is named
// (the values a download could not show as held, a file's texts the unit cannot hold).
#pragma once

#include "compare/CellDifference.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

class CCellListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { SheetColumn, ChannelColumn, SettingColumn, TextAColumn, TextBColumn, ReasonColumn, ColumnCount };

    explicit CCellListModel(QObject* parent = nullptr);

    // The cells, and the headings of their two texts ("The unit holds", "Shown").
    void SetCells(std::vector<CellDifference> cells, const QString& headingA, const QString& headingB);
    const std::vector<CellDifference>& GetCells() const { return m_cells; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A cell's text for the screen: control bytes (a zero byte in an LCD text) as \xHH.
    static QString Shown(const std::string& text);

private:
    std::vector<CellDifference> m_cells;
    QString m_headingA;
    QString m_headingB;
};
