// The findings' table.
#include "ui/checks/CChecksModel.h"

#include "ui/checks/CheckTexts.h"
#include "ui/common/QtText.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

namespace {

bool SameFindings(const std::vector<Finding>& a, const std::vector<Finding>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Finding& x, const Finding& y) {
        return x.rule == y.rule && x.cell == y.cell && x.text == y.text && x.others == y.others;
    });
}

}  // namespace

CChecksModel::CChecksModel(QObject* parent) : QAbstractTableModel(parent) {}

void CChecksModel::SetFindings(std::vector<Finding> findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.severity < b.severity; });
    if (SameFindings(findings, m_findings))
        return;
    beginResetModel();
    m_findings = std::move(findings);
    endResetModel();
}

int CChecksModel::RowOf(const std::string& rule, const FindingCell& cell) const
{
    for (size_t i = 0; i < m_findings.size(); ++i) {
        if (m_findings[i].rule == rule && m_findings[i].cell == cell)
            return static_cast<int>(i);
    }
    return -1;
}

int CChecksModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_findings.size());
}

int CChecksModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CChecksModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case SeverityColumn: return tr("Severity");
    case ChannelColumn: return tr("Channel");
    case WhatColumn: return tr("What");
    default: return QVariant();
    }
}

QVariant CChecksModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const Finding& finding = At(index.row());
    switch (role) {
    case RuleRole:
        return QString::fromStdString(finding.rule);
    case Qt::DisplayRole:
        switch (index.column()) {
        case SeverityColumn: return q4ui::SeverityText(finding.severity);
        case ChannelColumn: return q4ui::TrFindingPart(finding.channel);
        case WhatColumn: return q4ui::TrFinding(finding);
        default: return QVariant();
        }
    case Qt::DecorationRole: {
        if (index.column() != SeverityColumn)
            return QVariant();
        const QStyle::StandardPixmap icon = finding.severity == Severity::Error     ? QStyle::SP_MessageBoxCritical
                                            : finding.severity == Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                                                    : QStyle::SP_MessageBoxInformation;
        return QApplication::style()->standardIcon(icon);
    }
    case Qt::ToolTipRole: {
        // The sentence whole, then why the rule exists.
        const CheckRule* rule = FindCheckRule(finding.rule);
        QString tip = q4ui::TrFinding(finding);
        if (rule)
            tip += QStringLiteral("\n\n") + q4ui::TrReason(*rule);
        return tip;
    }
    case Qt::AccessibleTextRole:
        if (index.column() == SeverityColumn)
            return q4ui::SeverityText(finding.severity);
        return data(index, Qt::DisplayRole);
    default:
        return QVariant();
    }
}
