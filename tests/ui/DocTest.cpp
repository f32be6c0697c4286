// The document and its file commands: save and open round trip, saves that fail without
// harm, damaged and missing files, the save question and the recent-file list.
#include "UiTests.h"

#include "ModalHelper.h"
#include "unit/CQ4kUnit.h"
#include "support/RecordingPrompt.h"
#include "ui/CDocManager.h"
#include "ui/CQ4150Doc.h"
#include "ui/CRecentFileList.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>


namespace {

INordaSetupType& General(CQ4150Doc& doc)
{
    return *doc.GetUnit()->GetSetupType(0);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
        doc.OnNewDocument();
        QVERIFY(General(doc).ValidateData(3, 1, "17"));
        doc.SetModifiedFlag();
        QString error;
        QVERIFY(doc.OnSaveDocument(path, error));
        QVERIFY(!doc.IsModified());
        QCOMPARE(doc.GetTitle(), QStringLiteral("unit.q4g"));
        QCOMPARE(ReadAll(path).left(4), QByteArray("\x03\x00\x00\x00", 4));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"unit.q4g"});

        doc.OnNewDocument();
        QCOMPARE(General(doc).GetCellText(3, 1), std::string("1"));
        QCOMPARE(doc.GetTitle(), QStringLiteral("Untitled"));
        QCOMPARE(doc.OnOpenDocument(path, error), CQ4150Doc::LOAD_OK);
        QCOMPARE(General(doc).GetCellText(3, 1), std::string("17"));
        QCOMPARE(doc.GetPathName(), path);
        QVERIFY(!doc.IsModified());
    }

    void failedSaveKeepsTheOldFileAndSaysWhy()
    {
        QTemporaryDir dir;
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        QString error;
        // A directory in the way, and a folder that does not exist.
        QString blocked = dir.filePath(QStringLiteral("blocked.q4g"));
        QVERIFY(QDir().mkdir(blocked));
        QVERIFY(!doc.OnSaveDocument(blocked, error));
        QVERIFY(error.startsWith(QStringLiteral("Failed to save document.")));
        QVERIFY(QFileInfo(blocked).isDir());
        error.clear();
        QVERIFY(!doc.OnSaveDocument(dir.filePath(QStringLiteral("missing/x.q4g")), error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(doc.GetTitle(), QStringLiteral("Untitled"));

    }

    void damagedFileKeepsWhatWasRead()
    {
        QTemporaryDir dir;
        QString good = dir.filePath(QStringLiteral("good.q4g"));
        QString cut = dir.filePath(QStringLiteral("cut.q4g"));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        General(doc).ValidateData(3, 1, "17");
        QString error;
        QVERIFY(doc.OnSaveDocument(good, error));
        QVERIFY(WriteAll(cut, ReadAll(good).left(40)));

        QCOMPARE(doc.OnOpenDocument(cut, error), CQ4150Doc::LOAD_BAD_FORMAT);
        QVERIFY(error.startsWith(QStringLiteral("Unexpected file format.")));
        QVERIFY(error.contains(cut));
        QCOMPARE(General(doc).GetCellText(3, 1), std::string("1"));  // the damaged part: defaults
    }

    void unreadableFileChangesNothing()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        General(doc).ValidateData(3, 1, "17");
        QString error;
        QCOMPARE(doc.OnOpenDocument(QStringLiteral("/nonexistent/x.q4g"), error), CQ4150Doc::LOAD_NOT_READ);
        QVERIFY(!error.isEmpty());
        QCOMPARE(General(doc).GetCellText(3, 1), std::string("17"));
    }

    void damagedFileIsReportedAndLeftUntitled()
    {
        QTemporaryDir dir;
        QString cut = dir.filePath(QStringLiteral("cut.q4g"));
        QVERIFY(WriteAll(cut, QByteArray("\x03\x00\x00\x00\x07Gen", 8)));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        CDocManager manager(doc, nullptr);
        QSignalSpy loaded(&manager, &CDocManager::documentLoaded);
        QString shown;
        AnswerNextMessageBox(QMessageBox::Ok, &shown);
        QVERIFY(!manager.OpenDocumentFile(cut));
        QVERIFY(shown.startsWith(QStringLiteral("Unexpected file format.")));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(doc.GetTitle(), QStringLiteral("Untitled"));
        QVERIFY(doc.IsModified());
    }

    void saveQuestionAnswers_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("mayReplace");
        QTest::addColumn<bool>("saved");
        QTest::newRow("save") << int(QMessageBox::Save) << true << true;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
    }

    void saveQuestionAnswers()
    {
        QFETCH(int, button);
        QFETCH(bool, mayReplace);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("kept.q4g"));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        QString error;
        QVERIFY(doc.OnSaveDocument(path, error));
        QFile::remove(path);
        doc.SetModifiedFlag();
        CDocManager manager(doc, nullptr);
        QString shown;
        AnswerNextMessageBox(static_cast<QMessageBox::StandardButton>(button), &shown);
        QCOMPARE(manager.SaveModified(), mayReplace);
        QCOMPARE(shown, QStringLiteral("Save changes to kept.q4g?"));
        QCOMPARE(QFile::exists(path), saved);
        QCOMPARE(doc.IsModified(), !saved);
    }

    void recentFilesKeepTheNewestFour()
    {
        CRecentFileList list;
        for (const char* name : {"/a.q4g", "/b.q4g", "/c.q4g", "/d.q4g", "/e.q4g", "/c.q4g"})
            list.Add(QString::fromLatin1(name));
        QCOMPARE(list.GetList(), (QStringList{"/c.q4g", "/e.q4g", "/d.q4g", "/b.q4g"}));
        list.WriteList();
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("Recent File List/File1")).toString(), QStringLiteral("/c.q4g"));
        QCOMPARE(settings.value(QStringLiteral("Recent File List/File4")).toString(), QStringLiteral("/b.q4g"));
        CRecentFileList again;
        again.ReadList();
        QCOMPARE(again.GetList(), list.GetList());
        again.Remove(QStringLiteral("/e.q4g"));
        QCOMPARE(again.GetList().size(), 3);
        settings.remove(QStringLiteral("Recent File List"));
    }
};

std::unique_ptr<QObject> MakeDocTest()
{
    return std::make_unique<DocTest>();
}

#include "DocTest.moc"
