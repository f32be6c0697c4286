// What the desktop program spends, offscreen: opening a full set-up until the four grids are
// filled, and one edit with its cascades until every grid shows the change.
#include "FullSetup.h"

#include "model/CDocumentFile.h"
#include "unit/CQuietPrompt.h"
#include "ui/document/CDocManager.h"
#include "ui/app/CMainFrame.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CQ4150View.h"
#include "ui/grid/CZTGridCtrl.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Questions are answered OK, as by a user who goes ahead.
class COkPrompt : public IMessagePrompt {
public:
    int Show(const std::string&, Buttons, bool) override { return IDOK; }
};

class UiBench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        CQuietPrompt quiet;
        CQ4kUnit full(quiet);
        full.Initialize();
        QVERIFY(CSetupTyping::Type(full, FullSetupTexts(full)).empty());
        m_strPath = m_dir.filePath(QStringLiteral("full.q4g"));
        CDocumentFile file;
        QVERIFY(file.Save(full, m_strPath.toStdString()));
        m_doc.OnNewDocument();
        m_pFrame = std::make_unique<CMainFrame>(m_doc);
        m_pFrame->ResetViews();
        m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFrame.get()));
    }

    void openFullSetup()
    {
        QBENCHMARK {
            m_doc.SetModifiedFlag(false);  // no question whether to save first
            QVERIFY(m_pFrame->GetDocManager().OpenDocumentFile(m_strPath));
            QCoreApplication::processEvents();
        }
    }

    // A new input type resets the input's logical inputs and alarms: the heaviest edit.
    void editInputTypeWithCascades()
    {
        m_doc.SetModifiedFlag(false);
        QVERIFY(m_pFrame->GetDocManager().OpenDocumentFile(m_strPath));
        CZTGridCtrl& grid = *m_pFrame->GetQ4View(ST_PHYSICAL)->GetGrid();
        bool flip = false;
        QBENCHMARK {
            flip = !flip;
            emit grid.endEdit(1, 1, flip ? QStringLiteral("10 V") : QStringLiteral("20 mA"));
            QCoreApplication::processEvents();
        }
    }

private:
    QTemporaryDir m_dir;
    QString m_strPath;
    COkPrompt m_prompt;
    CQ4150Doc m_doc{m_prompt};
    std::unique_ptr<CMainFrame> m_pFrame;
};

QTEST_MAIN(UiBench)
#include "UiBench.moc"
