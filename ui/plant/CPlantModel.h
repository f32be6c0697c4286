// The plant's units as a table: tag, location, device number, file, state and the count of the
// set-up checks' findings, the state from the core's reading of each unit's file and the plant log.
#pragma once

#include "plant/CPlant.h"
#include "plant/CPlantChecks.h"
#include "plant/CPlantStatus.h"

#include <QAbstractTableModel>
#include <QStringList>

class CPlantModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TagColumn, LocationColumn, DeviceColumn, FileColumn, StateColumn, ChecksColumn, ColumnCount };
    // The unit's tag, whatever the column.
    static constexpr int TagRole = Qt::UserRole + 1;

    explicit CPlantModel(QObject* parent = nullptr);

    // The units of the plant as its files and log say now; null: none.
    void SetPlant(const CPlant* plant);
    // Reads the files and the log again.
    void Refresh();
    // Rules the checks leave out for every unit besides its own (those ignored in every set-up).
    void SetAlsoIgnored(std::vector<std::string> rules);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const std::vector<PlantUnitStatus>& GetStatuses() const { return m_statuses; }
    // For the person: unreadable files, shared device numbers, damaged log lines.
    const QStringList& GetWarnings() const { return m_warnings; }
    // The state in the words the core gives every list of the plant, in the program's language.
    static QString StateText(const PlantUnitStatus& status);
    // A log record's result, for the person.
    static QString ResultText(PlantResult result);

private:
    const CPlant* m_plant = nullptr;
    std::vector<PlantUnitStatus> m_statuses;
    std::vector<PlantUnitChecks> m_checks;  // by row, as the statuses
    std::vector<std::string> m_alsoIgnored;
    QStringList m_warnings;
};
