// The findings of the set-up checks as a table: severity, channel and what is wrong, errors
// first, each severity in the order of the grids.
#pragma once

#include "check/Finding.h"

#include <QAbstractTableModel>

#include <vector>

class CChecksModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { SeverityColumn, ChannelColumn, WhatColumn, ColumnCount };
    // The finding's rule id, whatever the column.
    static constexpr int RuleRole = Qt::UserRole + 1;

    explicit CChecksModel(QObject* parent = nullptr);

    // The findings of the set-up as it is now. Rows the same as before stay as they are, so that
    // the current finding keeps its place.
    void SetFindings(std::vector<Finding> findings);
    const std::vector<Finding>& GetFindings() const { return m_findings; }
    const Finding& At(int row) const { return m_findings.at(static_cast<size_t>(row)); }
    // The row of a finding of that rule on that cell, or -1.
    int RowOf(const std::string& rule, const FindingCell& cell) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<Finding> m_findings;
};
