// File > Export and Import: the exported file holds the bytes q4150cli export writes for the
// same set-up; an import opens a new, modified, Untitled set-up and lists the cells that did not
// take their text in a window that can be copied; a file that is no such text changes nothing.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ui/compare/CCellListDlg.h"
#include "ui/compare/CCellListModel.h"
#include "ui/document/CSetupTextFiles.h"
#include "ui/common/CommandTable.h"
#include "unit/CUnitHistory.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not read)");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

struct TextFiles : FrameFixture {
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    CSetupTextFiles& Files() const { return frame->GetTextFiles(); }
};

}  // namespace

class TextFilesTest : public QObject {
    Q_OBJECT

private slots:
    // Texts that need quoting, escapes and the upper half of the code page, in both forms.
    void exportWritesTheBytesOfTheCommandLinesExport()
    {
        TextFiles t;
        t.UseFirstInput();
        t.Edit(ST_GENERAL, 3, 1, QStringLiteral("17"));
        t.Edit(ST_ALARM, 1, 1, QStringLiteral("IN 11"));
        t.Edit(ST_ALARM, 1, 5, QString::fromUtf8("A,\"B\" \xC2\xB1"));
        QString error;
        QVERIFY(t.doc.OnSaveDocument(t.Path("a.q4g"), error));
        for (bool csv : {false, true}) {
            const QString format = csv ? QStringLiteral("csv") : QStringLiteral("json");
            const QString exported = t.Path(csv ? "desktop.csv" : "desktop.json");
            QVERIFY(t.Files().ExportTo(exported, csv).Ok());
            QProcess cli;
            cli.start(QStringLiteral(Q4150CLI_PATH), {QStringLiteral("export"), t.Path("a.q4g"), QStringLiteral("--format"), format});
            QVERIFY(cli.waitForFinished(30000));
            QCOMPARE(cli.exitCode(), 0);
            const QByteArray bytes = cli.readAllStandardOutput();
            QVERIFY2(bytes.contains("\xC2\xB1"), qPrintable(format));
            QCOMPARE(ReadAll(exported), bytes);
        }
        // A place that cannot be written says why and leaves nothing.
        q4::Status failed = t.Files().ExportTo(t.Path("no-such-folder/x.json"), false);
        QVERIFY(!failed.Ok());
        QVERIFY(!failed.Reason().empty());
        QVERIFY(!QFile::exists(t.Path("no-such-folder/x.json")));
    }

    void importOpensANewModifiedSetUpAndListsTheCellsRefused()
    {
        TextFiles t;
        t.Edit(ST_GENERAL, 3, 1, QStringLiteral("23"));
        QString error;
        QVERIFY(t.doc.OnSaveDocument(t.Path("kept.q4g"), error));
        QVERIFY(!t.doc.IsModified());
        WriteAll(t.Path("in.csv"), "[general]\n3,,99\n11,,-REF\n[physical]\n1,,10 V\n");
        QVERIFY(t.frame->GetAction(ID_FILE_IMPORT)->isEnabled());

        q4::Status done = t.Files().ImportFrom(t.Path("in.csv"));
        QVERIFY2(done.Ok(), done.Reason().c_str());
        QVERIFY(t.doc.IsModified());
        QVERIFY(t.doc.GetPathName().isEmpty());
        QVERIFY(t.frame->windowTitle().contains(t.doc.GetTitle()));
        QCOMPARE(t.Type(ST_GENERAL).GetCellText(11, 1), std::string("-REF"));
        QCOMPARE(t.Type(ST_PHYSICAL).GetCellText(1, 1), std::string("10 V"));
        // The refused bus number keeps the default, not the 23 of the set-up before.
        QVERIFY(t.Type(ST_GENERAL).GetCellText(3, 1) != "23");
        // Undo goes back to the set-up before the import.
        QVERIFY(t.doc.GetHistory().CanUndo());

        CCellListDlg* list = t.frame->GetCellList();
        QVERIFY(list && list->isVisible());
        QVERIFY(list->windowTitle().contains(QStringLiteral("in.csv")));
        QCOMPARE(list->GetModel().rowCount(), 1);
        const CellDifference& refused = list->GetModel().GetCells()[0];
        QCOMPARE(refused.sheet, int(ST_GENERAL));
        QCOMPARE(refused.row, 3);
        QCOMPARE(refused.textA, std::string("99"));
        QVERIFY(!refused.reason.empty());
        QVERIFY2(list->GetSummary()->text().startsWith(QStringLiteral("1 cell did not take the text of the file")),
                 qPrintable(list->GetSummary()->text()));
        // The two sheets the file leaves out are named.
        QVERIFY(list->GetSummary()->text().contains(QStringLiteral("Logical Input, Alarm")));
        QVERIFY(t.Marked(ST_GENERAL).count({3, 1}));

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(list->GetCopyButton(), Qt::LeftButton);
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 3);
        QVERIFY(lines.contains(QStringLiteral("Sheet\tChannel\tSetting\tIn the file\tThe set-up holds\tWhy")));
        QVERIFY2(lines.last().startsWith(QStringLiteral("General\t")) && lines.last().contains(QStringLiteral("\t99\t")),
                 qPrintable(lines.last()));
        list->close();
    }

    // Nothing of a file that cannot be read or is no set-up's text reaches the open set-up, and
    // no question is asked about saving it first.
    void aFileThatIsNoSetUpTextIsRefusedAndChangesNothing()
    {
        TextFiles t;
        t.Edit(ST_GENERAL, 3, 1, QStringLiteral("23"));
        QString error;
        QVERIFY(t.doc.OnSaveDocument(t.Path("kept.q4g"), error));
        t.Edit(ST_GENERAL, 3, 1, QStringLiteral("24"));
        const QString title = t.frame->windowTitle();
        WriteAll(t.Path("broken.csv"), "[general]\n3,,\"12\n");
        WriteAll(t.Path("broken.json"), "{\"sheets\": {}}");
        WriteAll(t.Path("empty.csv"), "# no cells\n");
        const std::pair<const char*, const char*> cases[] = {
            {"broken.csv", "line 2: a quoted field is not closed"},
            {"broken.json", "line 1 column 12: \"sheets\" must be an array"},
            {"empty.csv", "the text holds no cells"},
            {"missing.json", "missing.json"},
            {"kept.q4g", "line 1"},
        };
        for (const auto& [name, reason] : cases) {
            q4::Status done = t.Files().ImportFrom(t.Path(name));
            QVERIFY2(!done.Ok(), name);
            QVERIFY2(done.Reason().find(reason) != std::string::npos, done.Reason().c_str());
            QCOMPARE(t.Type(ST_GENERAL).GetCellText(3, 1), std::string("24"));
            QCOMPARE(t.doc.GetPathName(), t.Path("kept.q4g"));
            QVERIFY(t.doc.IsModified());
            QCOMPARE(t.frame->windowTitle(), title);
            QVERIFY(!t.frame->GetCellList() || !t.frame->GetCellList()->isVisible());
        }
        QVERIFY(t.prompt.Messages().empty());
    }
};

std::unique_ptr<QObject> MakeTextFilesTest()
{
    return std::make_unique<TextFilesTest>();
}

#include "TextFilesTest.moc"
