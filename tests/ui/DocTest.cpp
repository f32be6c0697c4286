// The document and its file commands: save and open round trip, a failed save, damaged and
// missing files, the save question and the recent-file list.
#include "UiTests.h"

#include "ModalHelper.h"
#include "support/RecordingPrompt.h"
#include "ui/CDocManager.h"
#include "ui/CQ4150Doc.h"
#include "ui/CRecentFileList.h"
#include "unit/CQ4kUnit.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The bus number: General row 3, 1 by default.
QString BusNumber(CQ4150Doc& doc)
{
    return QString::fromStdString(doc.GetUnit()->GetSetupType(ST_GENERAL)->GetCellText(3, 1));
}

// A new document given bus number 17, then saved as path.
bool SaveNew(CQ4150Doc& doc, const QString& path)
{
    doc.OnNewDocument();
    doc.SetModifiedFlag();
    QString error;
    return doc.GetUnit()->GetSetupType(ST_GENERAL)->ValidateData(3, 1, "17") && doc.OnSaveDocument(path, error);
}

}  // namespace

class DocTest : public QObject {
    Q_OBJECT

private slots:
    void saveThenOpenRestoresTheSetUp()
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("unit.q4g"));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        QVERIFY(SaveNew(doc, path));
        QVERIFY(!doc.IsModified());
        QCOMPARE(doc.GetTitle(), QStringLiteral("unit.q4g"));

        doc.OnNewDocument();
        QCOMPARE(BusNumber(doc), QStringLiteral("1"));
        doc.SetModifiedFlag();
        QString error;
        QCOMPARE(doc.OnOpenDocument(path, error), CQ4150Doc::LOAD_OK);
        QCOMPARE(BusNumber(doc), QStringLiteral("17"));
        QCOMPARE(doc.GetPathName(), path);
        QVERIFY(!doc.IsModified());

        doc.SetModifiedFlag();  // a failed save leaves the document where it belongs
        QString elsewhere = dir.filePath(QStringLiteral("missing/x.q4g"));
        QVERIFY(!doc.OnSaveDocument(elsewhere, error));
        QVERIFY(error.contains(elsewhere));
        QCOMPARE(doc.GetPathName(), path);
        QVERIFY(doc.IsModified());
    }

    // A missing file changes nothing; a damaged one keeps what was read before the damage
    // (defaults here), belongs to no file and counts as modified.
    void failedOpenSaysWhy_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("busNumber");
        QTest::addColumn<QString>("title");
        QTest::newRow("missing") << false << "17" << "good.q4g";
        QTest::newRow("damaged") << true << "1" << "Untitled";
    }

    void failedOpenSaysWhy()
    {
        QFETCH(bool, damaged);
        QFETCH(QString, busNumber);
        QFETCH(QString, title);
        QTemporaryDir dir;
        QString good = dir.filePath(QStringLiteral("good.q4g"));
        QString opened = dir.filePath(damaged ? QStringLiteral("cut.q4g") : QStringLiteral("none.q4g"));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        QVERIFY(SaveNew(doc, good));
        if (damaged)
            QVERIFY(QFile::copy(good, opened) && QFile::resize(opened, 40));
        CDocManager manager(doc, nullptr);
        QSignalSpy loaded(&manager, &CDocManager::documentLoaded);
        QString shown;
        AnswerNextMessageBox(QMessageBox::Ok, &shown);
        QVERIFY(!manager.OpenDocumentFile(opened));
        QVERIFY(shown.contains(opened));
        QCOMPARE(BusNumber(doc), busNumber);
        QCOMPARE(doc.GetTitle(), title);
        QCOMPARE(doc.IsModified(), damaged);
        QCOMPARE(loaded.count(), damaged ? 1 : 0);
    }

    // Save in the question saves under the document's path (Discard and Cancel: closing the frame).
    void saveAnswerSavesTheDocument()
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("kept.q4g"));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        QVERIFY(SaveNew(doc, path));
        QFile::remove(path);
        doc.SetModifiedFlag();
        CDocManager manager(doc, nullptr);
        QString shown;
        AnswerNextMessageBox(QMessageBox::Save, &shown);
        QVERIFY(manager.SaveModified());
        QVERIFY(shown.contains(QStringLiteral("kept.q4g")));
        QVERIFY(QFile::exists(path));
        QVERIFY(!doc.IsModified());
        QSettings().remove(QStringLiteral("Recent File List"));
    }

    void recentFilesKeepTheNewestFour()
    {
        CRecentFileList list;
        for (const char* name : {"/a.q4g", "/b.q4g", "/c.q4g", "/d.q4g", "/e.q4g", "/c.q4g"})
            list.Add(QString::fromLatin1(name));
        QCOMPARE(list.GetList(), (QStringList{"/c.q4g", "/e.q4g", "/d.q4g", "/b.q4g"}));
        list.WriteList();
        CRecentFileList again;
        again.ReadList();
        QCOMPARE(again.GetList(), list.GetList());
        again.Remove(QStringLiteral("/e.q4g"));
        QCOMPARE(again.GetList(), (QStringList{"/c.q4g", "/d.q4g", "/b.q4g"}));
        QSettings().remove(QStringLiteral("Recent File List"));
    }
};

std::unique_ptr<QObject> MakeDocTest()
{
    return std::make_unique<DocTest>();
}

#include "DocTest.moc"
