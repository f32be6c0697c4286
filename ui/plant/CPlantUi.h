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

    const CPlant* GetPlant() const { return m_pPlant.get(); }
    CPlantModel& GetModel() const { return *m_pModel; }
    CPlantPanel* GetPanel() const { return m_pPanel; }
    // Plant Transfers' rows and jobs, once the window was opened; null before.
    CPlantTransferController* GetTransfers() const { return m_pTransfers.get(); }
    CPlantTransferDlg* GetTransferDialog() const { return m_pTransferDlg; }
    QAction* GetTransfersAction() const { return m_pTransfersAction; }

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
    std::unique_ptr<CPlant> m_pPlant;
    std::unique_ptr<CPlantSurvey> m_pSurvey;  // the plant's files as Identify found them
    CPlantModel* m_pModel;
    CPlantPanel* m_pPanel = nullptr;
    std::unique_ptr<CPlantTransferController> m_pTransfers;
    CPlantTransferDlg* m_pTransferDlg = nullptr;
    CRecentFileList m_RecentPlants;
    QMenu* m_pRecentMenu = nullptr;
    QAction* m_pAddAction = nullptr;
    QAction* m_pTransfersAction = nullptr;
    QAction* m_pReportAction = nullptr;
    QAction* m_pPanelAction = nullptr;
    bool m_bLocked = false;
    bool m_bCloseWhenStopped = false;
};
