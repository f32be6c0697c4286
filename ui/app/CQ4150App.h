// The application: its message prompt, the one document and the main window; start-up with
// an optional document named on the command line.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class CMainFrame;
class CQ4150Doc;
class CQtMessagePrompt;

class CQ4150App : public QObject {
    Q_OBJECT

public:
    CQ4150App();
    ~CQ4150App() override;

    // file: the document or plant named on the command line, or empty. False when it cannot
    // be opened; the program then ends.
    bool InitInstance(const QString& file);
    // Shows the first tab, then opens the file.
    bool OpenDocumentFile(const QString& path);

    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }
    CQ4150Doc* GetDocument() const { return m_pDoc.get(); }

    static void SetSettingsNames();

private:
    std::unique_ptr<CQtMessagePrompt> m_pPrompt;
    std::unique_ptr<CQ4150Doc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
