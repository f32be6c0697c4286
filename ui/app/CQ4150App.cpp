// Start-up of the program.
#include "ui/app/CQ4150App.h"

#include "ui/app/CCommandLine.h"
#include "ui/document/CDocManager.h"
#include "ui/app/CMainFrame.h"
#include "ui/plant/CPlantUi.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/common/CQtMessagePrompt.h"

#include <QApplication>

CQ4150App::CQ4150App() = default;

CQ4150App::~CQ4150App() = default;

void CQ4150App::SetSettingsNames()
{
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("Q4150"));
}

bool CQ4150App::InitInstance(const QString& file)
{
    SetSettingsNames();
    m_pPrompt = std::make_unique<CQtMessagePrompt>();
    m_pDoc = std::make_unique<CQ4150Doc>(*m_pPrompt);
    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDoc);

    if (file.isEmpty() || CCommandLine::IsPlantFile(file)) {
        if (!m_pDoc->OnNewDocument())
            return false;
        // A plant opens beside the default set-up, its units listed in the Plant panel.
        if (!file.isEmpty() && !m_pMainFrame->GetPlantUi().OpenPlant(file))
            return false;
    } else {
        m_pDoc->OnNewDocument();
        if (!OpenDocumentFile(file))
            return false;
    }
    m_pMainFrame->ResetViews();
    m_pMainFrame->RestoreWindowState();
    m_pMainFrame->OnUpdateFrameTitle();
    m_pMainFrame->show();
    return true;
}

bool CQ4150App::OpenDocumentFile(const QString& path)
{
    m_pMainFrame->SetActiveView(0);
    return m_pMainFrame->GetDocManager().OpenDocumentFile(path);
}
