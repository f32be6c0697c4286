// The plant's table, read anew from the files and the log.
#include "ui/plant/CPlantModel.h"

#include "ui/checks/CheckTexts.h"
#include "ui/common/CoreTranslation.h"

#include <QDir>

CPlantModel::CPlantModel(QObject* parent) : QAbstractTableModel(parent) {}

void CPlantModel::SetPlant(const CPlant* plant)
{
    m_plant = plant;
    Refresh();
}

void CPlantModel::Refresh()
{
    beginResetModel();
    m_statuses.clear();
    m_checks.clear();
    m_warnings.clear();
    if (m_plant) {
        const CPlantSurvey survey(*m_plant);
        const CPlantLog::Contents log = CPlantLog(m_plant->GetLogPath()).Read();
        m_statuses = CPlantStatus::Of(survey, log.records);
        // The statuses keep the plant's order, as the checks do.
        m_checks = CPlantChecks::Of(survey, m_alsoIgnored);
        for (const PlantUnitFile& file : survey.GetFiles())
            if (!file.readable)
                m_warnings << tr("%1: %2").arg(QString::fromStdString(file.unit.tag), q4ui::TrCore(file.error));
        for (const std::vector<const PlantUnitFile*>& same : survey.SharedDevices()) {
            // "AN-1, AN-2 and AN-3", in the program's own language.
            QString list = QString::fromStdString(same.front()->unit.tag);
            for (size_t i = 1; i < same.size(); ++i)
                list = (i + 1 == same.size() ? tr("%1 and %2") : tr("%1, %2")).arg(list, QString::fromStdString(same[i]->unit.tag));
            const QString device = QString::number(same.front()->device);
            m_warnings << (same.size() == 2 ? tr("%1 are both device %2") : tr("%1 are all device %2")).arg(list, device);
        }
        for (const std::string& warning : log.warnings)
            m_warnings << q4ui::TrCore(warning);
    }
    endResetModel();
}

void CPlantModel::SetAlsoIgnored(std::vector<std::string> rules)
{
    if (rules == m_alsoIgnored)
        return;
    m_alsoIgnored = std::move(rules);
    Refresh();
}

QString CPlantModel::StateText(const PlantUnitStatus& status)
{
    return q4ui::TrCore(CPlantStatus::StateText(status));
}

QString CPlantModel::ResultText(PlantResult result)
{
    switch (result) {
    case PlantResult::Ok: return tr("completed");
    case PlantResult::Differs: return tr("differs");
    case PlantResult::Refused: return tr("refused: another unit");
    case PlantResult::Failed: return tr("failed");
    case PlantResult::Stopped: return tr("stopped");
    case PlantResult::Named: return tr("named");
    case PlantResult::NotFound: return tr("not found");
    case PlantResult::Ambiguous: return tr("ambiguous");
    }
    return QString();
}

int CPlantModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_statuses.size());
}

int CPlantModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CPlantModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TagColumn: return tr("Tag");
    case LocationColumn: return tr("Location");
    case DeviceColumn: return tr("Device");
    case FileColumn: return tr("File");
    case StateColumn: return tr("State");
    case ChecksColumn: return tr("Checks");
    default: return QVariant();
    }
}

QVariant CPlantModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const PlantUnitStatus& status = m_statuses[static_cast<size_t>(index.row())];
    const PlantUnitFile& file = status.file;
    if (role == TagRole)
        return QString::fromStdString(file.unit.tag);
    if (role == Qt::ToolTipRole) {
        QStringList lines;
        if (!file.readable)
            lines << q4ui::TrCore(file.error);
        if (!file.unit.note.empty())
            lines << QString::fromStdString(file.unit.note);
        if (status.stateRecord)
            lines << tr("Since: %1").arg(QString::fromStdString(status.stateRecord->time));
        if (status.lastUpload)
            lines << tr("Last upload: %1 (%2)").arg(QString::fromStdString(status.lastUpload->time),
                                                    ResultText(status.lastUpload->result));
        if (status.lastVerify)
            lines << tr("Last verify: %1 (%2)").arg(QString::fromStdString(status.lastVerify->time),
                                                    ResultText(status.lastVerify->result));
        return lines.join(QLatin1Char('\n'));
    }
    const PlantUnitChecks* checks = static_cast<size_t>(index.row()) < m_checks.size() ? &m_checks[static_cast<size_t>(index.row())] : nullptr;
    // A screen reader hears each cell with its unit and column: "AN-101, Device: 3".
    if (role == Qt::AccessibleTextRole) {
        const QString column = headerData(index.column(), Qt::Horizontal).toString();
        QString value = data(index, Qt::DisplayRole).toString();
        value = value.isEmpty() ? tr("empty") : value;
        if (index.column() == TagColumn)
            return tr("%1: %2").arg(column, value);
        return tr("%1, %2: %3").arg(QString::fromStdString(file.unit.tag), column, value);
    }
    // Device numbers sort as numbers, the checks' counts by errors, then warnings, then notes.
    if (role == Qt::UserRole && index.column() == DeviceColumn)
        return file.readable ? QVariant(static_cast<qulonglong>(file.device)) : QVariant(-1);
    if (role == Qt::UserRole && index.column() == ChecksColumn) {
        if (!checks || !checks->checked)
            return QVariant(-1);
        return QVariant(static_cast<qlonglong>(checks->counts.errors) * 1000000 + checks->counts.warnings * 1000 +
                        checks->counts.notes);
    }
    if (role != Qt::DisplayRole && role != Qt::UserRole)
        return QVariant();
    switch (index.column()) {
    case TagColumn: return QString::fromStdString(file.unit.tag);
    case LocationColumn: return QString::fromStdString(file.unit.location);
    case DeviceColumn: return file.readable ? QString::number(file.device) : QString();
    case FileColumn: return QDir::toNativeSeparators(QString::fromStdString(file.unit.file));
    case StateColumn: return StateText(status);
    case ChecksColumn: return checks && checks->checked ? q4ui::CountText(checks->counts) : QString();
    default: return QVariant();
    }
}
