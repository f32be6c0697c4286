// The plant in the main window: File's New Plant, Open Plant and recent plants, the Plant panel,
// Add This Set-up to Plant, Plant Transfers, Identify Unit and the plant report.
#pragma once

#include "plant/CPlant.h"
#include "plant/CUnitIdentifier.h"
#include "ui/checks/IUnitIgnores.h"
#include "ui/document/CRecentFileList.h"

#include <QObject>

#include <memory>

class IFrame;
class CPlantModel;
class CPlantPanel;
class CPlantTransferController;
class CPlantTransferDlg;
class QAction;
class QMenu;

class CPlantUi : public QObject, public IUnitIgnores {
    Q_OBJECT

public:
    // Puts its entries into the File menu before `before` and at the end of the Tools menu.
    CPlantUi(IFrame& frame, QMenu* fileMenu, QAction* before, QMenu* toolsMenu);
    ~CPlantUi() override;

    // Opens the plant file and shows its panel; false (told) when it cannot be read.
    bool OpenPlant(const QString& path);
    // Opens the unit's set-up in the main window, asking to save the current one first.
    bool OpenUnit(const QString& tag);
    // Asks whether plant transfers that still run may be stopped; true when the window may close.
    bool CanClose();
    // The unit of the open plant whose file the set-up in the window is, or null.
    const PlantUnit* DocumentUnit() const override;
    // The rules the set-up checks ignore for the unit of that tag, kept in the plant file; false
    // (and told) when the plant file cannot be written.
    bool SetUnitIgnores(const QString& tag, const std::vector<std::string>& rules) override;
    void ShowIgnoredEverywhere(const std::vector<std::string>& rules) override;

    const CPlant* GetPlant() const { return m_plant.get(); }
    CPlantModel& GetModel() const { return *m_model; }
    CPlantPanel* GetPanel() const { return m_panel; }
    // Plant Transfers' rows and jobs, once the window was opened; null before.
    CPlantTransferController* GetTransfers() const { return m_transfers.get(); }
    CPlantTransferDlg* GetTransferDialog() const { return m_transferDlg; }
    QAction* GetTransfersAction() const { return m_transfersAction; }

signals:
    // Another plant was opened, or the plant file changed.
    void plantChanged();

public slots:
    void OnNewPlant();
    void OnOpenPlant();
    void OnAddSetup();
    void OnPlantTransfers();
    void OnIdentifyUnit();
    void OnPlantReport();
    void OnShowPanel();

private:
    QAction* AddAction(QMenu* menu, QAction* before, const QString& text, const QString& tip);
    void UpdateRecentMenu();
    void UpdateActions();
    // Locks the set-up in the main window while its unit is uploaded.
    void UpdateLock();
    void SetPlant(std::unique_ptr<CPlant> plant);
    void ShowError(const QString& text);
    // After the General blocks: names the unit or reads it whole.
    void TellIdentification(const Identification& found, const QString& port);
    void LogIdentification(const Identification& found, const QString& port);

    IFrame& m_frame;
    std::unique_ptr<CPlant> m_plant;
    std::unique_ptr<CPlantSurvey> m_survey;  // the plant's files as Identify found them
    CPlantModel* m_model;
    CPlantPanel* m_panel = nullptr;
    std::unique_ptr<CPlantTransferController> m_transfers;
    CPlantTransferDlg* m_transferDlg = nullptr;
    CRecentFileList m_RecentPlants;
    QMenu* m_recentMenu = nullptr;
    QAction* m_addAction = nullptr;
    QAction* m_transfersAction = nullptr;
    QAction* m_reportAction = nullptr;
    QAction* m_panelAction = nullptr;
    bool m_locked = false;
    bool m_closeWhenStopped = false;
};
