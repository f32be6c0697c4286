// The document and its file commands: save and open round trip, a failed save, damaged and
// missing files, the save question, a read-only file and the recent-file list.
#include "UiTests.h"

#include "ModalHelper.h"
#include "support/RecordingPrompt.h"
#include "ui/document/CDocManager.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CRecentFileList.h"
#include "unit/CQ4kUnit.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
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
        QVERIFY(doc.OnOpenDocument(path));
        QCOMPARE(BusNumber(doc), QStringLiteral("17"));
        QCOMPARE(doc.GetPathName(), path);
        QVERIFY(!doc.IsModified());

        doc.SetModifiedFlag();  // a failed save leaves the document where it belongs
        QString elsewhere = dir.filePath(QStringLiteral("missing/x.q4g"));
        QString error;
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

    // Save onto a read-only file says why and offers Save As: Yes saves under the name chosen
    // there, No leaves the document modified. The read-only file stays as it was.
    void saveOntoReadOnlyFileOffersSaveAs_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    void saveOntoReadOnlyFileOffersSaveAs()
    {
        QFETCH(bool, yes);
        QTemporaryDir dir;
        const QString locked = dir.filePath(QStringLiteral("locked.q4g")), other = dir.filePath(QStringLiteral("other.q4g"));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        QVERIFY(SaveNew(doc, locked));
        // The owner's, group's and others' permissions; the user's own depend on who runs the test.
        const QFile::Permissions modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                            | QFile::ReadOther | QFile::WriteOther;
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(locked, readOnly));
        QFile file(locked);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QVERIFY(doc.GetUnit()->GetSetupType(ST_GENERAL)->ValidateData(3, 1, "18"));
        doc.SetModifiedFlag();

        CDocManager manager(doc, nullptr);
        QString shown;
        bool saveAsShown = false;
        AnswerNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) {
                modal->close();
                return;
            }
            shown = box->text();
            if (yes) {
                // The name is typed (selectFile leaves a name edit that has the focus alone), then
                // selected, which drops the row of the document's own name the dialog may hold.
                AnswerNextModal([&](QWidget* dialog) {
                    auto* files = qobject_cast<QFileDialog*>(dialog);
                    auto* name = files ? files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
                    saveAsShown = name != nullptr;
                    if (name) {
                        name->setText(QFileInfo(other).fileName());
                        files->selectFile(QFileInfo(other).fileName());
                        QMetaObject::invokeMethod(files, "accept");
                    } else {
                        dialog->close();
                    }
                });
            }
            if (QAbstractButton* answer = box->button(yes ? QMessageBox::Yes : QMessageBox::No))
                answer->click();
            else
                box->close();
        });
        const bool saved = manager.OnFileSave();
        // Waits only when a dialog failed to come, until its helper has given up on it.
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 6000);
        QTRY_COMPARE_WITH_TIMEOUT(saveAsShown, yes, 6000);
        QCOMPARE(saved, yes);
        QVERIFY2(shown.contains(locked + QStringLiteral(": Permission denied")), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("read-only")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QFile::permissions(locked) & modeBits, readOnly);
        QCOMPARE(QFile::exists(other), yes);
        QCOMPARE(doc.IsModified(), !yes);
        QCOMPARE(doc.GetPathName(), yes ? other : locked);
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
