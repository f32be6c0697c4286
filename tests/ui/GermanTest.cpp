// The desktop program in German: the four sheets and every other window as a German user sees
// them (saved as pictures in the build folder, screenshots/), unique accelerators in every menu,
// the core's texts (refusals, hints, transfer and port messages) put together in German, the
// German guide from Help, and the cells and dialogs named in the words of the sheets.
#include "FrameFixture.h"
#include "ModalHelper.h"
#include "ProgramWindows.h"
#include "UiTests.h"

#include "model/CDocumentFile.h"
#include "model/StringTable.h"
#include "plant/CPlant.h"
#include "setup/alarms/CAlarm.h"
#include "support/RecordingPrompt.h"
#include "transfer/CTransfer.h"
#include "unit/CQ4kUnit.h"
#include "ui/checks/CChecksModel.h"
#include "ui/checks/CChecksPanel.h"
#include "ui/checks/CChecksUi.h"
#include "ui/help/CHelpDlg.h"
#include "ui/common/CLanguage.h"
#include "ui/app/CLanguageDlg.h"
#include "ui/plant/CPlantModel.h"
#include "ui/common/CommandTable.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QAccessible>
#include <QComboBox>
#include <QTableView>
#include <QTextBrowser>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <map>
#include <utility>

namespace {

// The share of pixels that differ from the picture's most common colour.
double Drawn(const QImage& image)
{
    std::map<QRgb, qint64> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x]];
    }
    qint64 most = 0;
    for (const auto& [colour, count] : counts)
        most = std::max(most, count);
    qint64 all = static_cast<qint64>(image.width()) * image.height();
    return all ? double(all - most) / double(all) : 0.0;
}

}  // namespace

class GermanTest : public QObject {
    Q_OBJECT

    QTranslator m_translator;
    QTranslator m_qt;  // Qt's own buttons, where the system has their German

private slots:
    void initTestCase()
    {
        QVERIFY(m_translator.load(QStringLiteral(":/i18n/q4150_de.qm")));
        QCoreApplication::installTranslator(&m_translator);
        if (m_qt.load(QLocale(QStringLiteral("de")), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&m_qt);
        QCoreApplication::removeTranslator(&m_translator);
    }

    void sheetsShowGermanHeadings_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("heading");
        QTest::newRow("General") << 0 << "Allgemein" << int(Qt::Vertical) << 2 << "Gerätenummer";
        QTest::newRow("Physical Input") << 1 << "Physikalische Eingänge" << int(Qt::Horizontal) << 6 << "Sonst.";
        QTest::newRow("Logical Input") << 2 << "Logische Eingänge" << -1 << 0 << "Logischer Eingang";
        QTest::newRow("Alarm") << 3 << "Alarmkanäle" << int(Qt::Horizontal) << 5 << "Verzögerung (s)";
    }

    void sheetsShowGermanHeadings()
    {
        QFETCH(int, tab);
        QFETCH(QString, title);
        QFETCH(int, orientation);
        QFETCH(int, section);
        QFETCH(QString, heading);
        FrameFixture f;
        CZTGridCtrl& grid = f.Activate(tab);
        QCOMPARE(f.frame->GetTabControl()->tabText(tab), title);
        const CSheetModel* model = grid.GetSheetModel();
        QString shown = orientation < 0 ? model->GetCornerText()
                                        : model->headerData(section, Qt::Orientation(orientation)).toString();
        QCOMPARE(shown, heading);

        QImage picture = f.frame->grab().toImage();
        QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots"));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        QVERIFY(picture.save(folder.filePath(QStringLiteral("de-%1.png").arg(tab + 1))));
        QVERIFY2(Drawn(picture) > 0.02, "the window is blank");
    }

    // Every other window as a German user sees it, next to the sheets' pictures.
    void windowsInGerman()
    {
        for (const ProgramWindow& window : ProgramWindows()) {
            PlantFrame f;
            window.open(f, [&window](QWidget& shown) {
                const QImage picture = shown.grab().toImage();
                QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots"));
                QVERIFY(folder.mkpath(QStringLiteral(".")));
                QString name = QString::fromLatin1(window.name).replace(QLatin1Char(' '), QLatin1Char('-'));
                QVERIFY(picture.save(folder.filePath(QStringLiteral("de-window-%1.png").arg(name))));
                QVERIFY2(Drawn(picture) > 0.02, window.name);
            });
        }
    }

    // Help opens the German guide, whose words are the program's.
    void helpOpensTheGermanGuide()
    {
        FrameFixture f;
        f.frame->ShowHelp(QStringLiteral("general-initialization"));
        CHelpDlg* help = f.frame->GetHelpDialog();
        QVERIFY(help);
        QVERIFY2(help->GetBrowser()->source().path().endsWith(QStringLiteral("/de/index.html")),
                 qPrintable(help->GetBrowser()->source().toString()));
        const QString guide = help->GetBrowser()->toPlainText();
        QVERIFY(guide.contains(QStringLiteral("Initialisierung")));
        QVERIFY(guide.contains(QStringLiteral("Physikalische Eingänge")));
        QVERIFY(!guide.contains(QStringLiteral("Initialization")));
    }

    // F1 on a finding of the Checks panel opens its rule's section of the German guide, whose
    // example gives the same finding in the same words as the panel.
    void f1OnAFindingOpensItsGermanSection()
    {
        FrameFixture f;
        f.UseFirstInput();
        f.Edit(ST_ALARM, 1, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        f.Edit(ST_ALARM, 1, CAlarm::COL_DELAY, QStringLiteral("7200"));
        CChecksUi& checks = f.frame->GetChecksUi();
        checks.GetPanelAction()->trigger();
        QTableView* table = checks.GetPanel()->GetTable();
        QTRY_COMPARE(QApplication::focusWidget(), table);
        int row = 0;
        while (row < checks.GetModel().rowCount() && checks.GetModel().At(row).rule != "long-delay")
            ++row;
        QVERIFY(row < checks.GetModel().rowCount());
        const QModelIndex what = checks.GetModel().index(row, CChecksModel::WhatColumn);
        const QString said = what.data().toString();
        QVERIFY2(said.startsWith(QStringLiteral("Alarmkanal 1 (A11) wartet 7200 s")), qPrintable(said));
        table->setCurrentIndex(what);
        QTest::keyClick(table, Qt::Key_F1);

        CHelpDlg* help = f.frame->GetHelpDialog();
        QVERIFY(help);
        const QUrl shown = help->GetBrowser()->source();
        QVERIFY2(shown.path().endsWith(QStringLiteral("/de/index.html")), qPrintable(shown.toString()));
        QCOMPARE(shown.fragment(), QStringLiteral("check-long-delay"));
        const QString guide = help->GetBrowser()->toPlainText();
        QVERIFY2(guide.contains(QStringLiteral("\u201E") + said + QStringLiteral("\u201C")), qPrintable(said));
        help->close();
    }

    // A cell, its Flags dialog and a screen reader use the sheet's German words.
    void cellsAndTheirDialogsUseTheSheetsWords()
    {
        FrameFixture f;
        f.UseFirstInput();
        f.Edit(ST_ALARM, 1, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        PropList props;
        QVERIFY(f.Type(ST_ALARM).GetPopupProperties(1, CAlarm::COL_FLAGS, props));
        props[1]->SetSelText("ON");  // Control
        f.Type(ST_ALARM).UpdateProperties(1, CAlarm::COL_FLAGS, props);
        CZTGridCtrl& grid = f.Activate(ST_ALARM);
        const CSheetModel& model = *grid.GetSheetModel();
        QCOMPARE(model.IndexOf(1, CAlarm::COL_FLAGS).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("1 (A11), Optionen: Steuerung"));
        QCOMPARE(model.IndexOf(1, CAlarm::COL_SETPOINT).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("1 (A11), Sollwert: 0"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&grid)->text(QAccessible::Name), QStringLiteral("Alarmkanäle"));
        QString title;
        AnswerNextModal([&title](QWidget* modal) {
            title = modal->windowTitle();
            qobject_cast<QDialog*>(modal)->reject();
        });
        grid.SetFocusCell(1, CAlarm::COL_FLAGS);
        QTest::keyClick(&grid, Qt::Key_Return);
        QCOMPARE(title, QStringLiteral("Optionen von 1 (A11)"));
    }

    // Alt and a letter reach one entry of a menu only when no other entry has the same letter.
    void menusHaveUniqueAccelerators()
    {
        FrameFixture f;
        QList<QMenu*> menus;
        QString bar;
        for (QAction* action : f.frame->menuBar()->actions()) {
            menus << action->menu();
            bar += action->text() + QLatin1Char('|');
        }
        menus << nullptr;  // the menu bar itself
        for (QMenu* menu : menus) {
            QList<QAction*> actions = menu ? menu->actions() : f.frame->menuBar()->actions();
            QSet<QChar> keys;
            for (QAction* action : actions) {
                QString text = action->text().section(QLatin1Char('\t'), 0, 0).replace(QStringLiteral("&&"), QString());
                qsizetype amp = text.indexOf(QLatin1Char('&'));
                if (amp < 0 || amp + 1 >= text.size())
                    continue;
                QChar key = text[amp + 1].toLower();
                QVERIFY2(!keys.contains(key), qPrintable(QStringLiteral("%1 in %2").arg(action->text(), menu ? menu->title() : bar)));
                keys.insert(key);
            }
        }
    }

    // Tools > Language by keys: Deutsch chosen is kept for the next start, whose translators then
    // speak German; Cancel keeps the choice there was.
    void languageChosenInTheDialogIsKept()
    {
        FrameFixture f;
        CLanguage::Save(QString());
        AnswerNextModal([](QWidget* modal) {
            auto* combo = modal->findChild<QComboBox*>();
            QVERIFY(combo);
            combo->setFocus();
            QTest::keyClicks(combo, QStringLiteral("D"));
            QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));
            QTest::keyClick(modal, Qt::Key_Return);
        });
        f.frame->GetAction(ID_LANGUAGE)->trigger();
        QCOMPARE(CLanguage::Load(), QStringLiteral("de"));

        AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        f.frame->GetAction(ID_LANGUAGE)->trigger();
        QCOMPARE(CLanguage::Load(), QStringLiteral("de"));
        CLanguage::Save(QString());
    }

    // What the program installs at its start for a choice: German for "de", nothing for English.
    void installSpeaksTheChoice()
    {
        auto file = [] { return QCoreApplication::translate("CMainFrame", "&File"); };
        auto removeInstalled = [] {
            for (QTranslator* t : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
                QCoreApplication::removeTranslator(t);
                delete t;
            }
        };
        QCoreApplication::removeTranslator(&m_translator);
        QCOMPARE(file(), QStringLiteral("&File"));
        QVERIFY(CLanguage::Install(*qApp, QStringLiteral("de")));
        QCOMPARE(file(), QStringLiteral("&Datei"));
        removeInstalled();
        CLanguage::Install(*qApp, QStringLiteral("en"));
        QCOMPARE(file(), QStringLiteral("&File"));
        removeInstalled();
        QCoreApplication::installTranslator(&m_translator);
    }

    // The plant panel's warnings: a missing file and three units sharing a device number.
    void plantWarningsAreGerman()
    {
        QTemporaryDir dir;
        RecordingPrompt quiet;
        CQ4kUnit setup(quiet);
        setup.Initialize();
        for (const char* name : {"a.q4g", "b.q4g", "c.q4g"})
            QVERIFY(CDocumentFile().Save(setup, dir.filePath(QString::fromLatin1(name)).toStdString()));
        CPlant plant(dir.filePath(QStringLiteral("works.q4plant")).toStdString(), "works");
        const std::pair<const char*, const char*> units[] = {
            {"AN-1", "a.q4g"}, {"AN-2", "b.q4g"}, {"AN-3", "c.q4g"}, {"AN-4", "missing.q4g"}};
        for (const auto& [tag, file] : units)
            QVERIFY(plant.AddUnit({tag, file, "", ""}));
        CPlantModel model;
        model.SetPlant(&plant);
        QCOMPARE(model.GetWarnings().size(), qsizetype(2));
        QVERIFY2(model.GetWarnings()[0].startsWith(QStringLiteral("AN-4: ")), qPrintable(model.GetWarnings()[0]));
        QCOMPARE(model.GetWarnings()[1], QStringLiteral("AN-1, AN-2 und AN-3 sind alle Gerät 1"));
    }

    void refusalIsGerman()
    {
        FrameFixture f;
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("99"));
        QCOMPARE(f.prompt.Messages().size(), size_t(1));
        QCOMPARE(q4ui::ToQString(f.prompt.Messages()[0].text),
                 QStringLiteral("Ungültiger Wert. Der letzte Wert wird verwendet.\nGerätenummer: Eine ganze Zahl von 1 bis 62."));
        QModelIndex deviceNumber = f.Grid(ST_GENERAL).GetSheetModel()->IndexOf(3, 1);
        QCOMPARE(deviceNumber.data(Qt::StatusTipRole).toString(), QStringLiteral("Eine ganze Zahl von 1 bis 62"));
    }

    // The core's texts are put together from the string table's patterns; each part is
    // translated where it is a text of the core itself.
    void coreTextsAreFoundByTheirPatterns_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        auto row = [](const char* name, const std::string& english, const char* german) {
            QTest::newRow(name) << q4ui::ToQString(english) << QString::fromUtf8(german);
        };
        row("a list", FormatString(IDS_HINT_ONE_OF, {"OFF, ON"}), "Eine Auswahl aus: OFF, ON");
        row("the longer pattern first", FormatString(IDS_HINT_ONE_OF_OR_NEW_LIMIT, {"m, A, V", "4"}),
            "Eine Auswahl aus: m, A, V; oder einen neuen Wert eingeben (bis zu 4 Zeichen)");
        row("a sheet's title within", CTransfer::ProgressText(TransferDirection::Upload, "Physical Input"),
            "Daten „Physikalische Eingänge“ werden zum Gerät übertragen ...");
        row("a pattern within a pattern",
            FormatString(IDS_PORT_OPEN_ERROR_BECAUSE, {"COM1 (/dev/ttyS0)", FormatString(IDS_PORT_IN_USE_BY, {"42"})}),
            "Fehler beim Öffnen der COM-Schnittstelle.\nCOM1 (/dev/ttyS0): die Schnittstelle wird von Prozess 42 verwendet");
        row("the unit's line breaks", LoadString(IDS_CONFIG_WARNING),
            "Warnung: Damit stellt der Q4000 beim nächsten Einschalten die Vorgabewerte aller Parameter wieder her.\n"
            "OK zum Fortfahren oder Abbrechen");
        row("no text of the core", "IN 11", "IN 11");
    }

    void coreTextsAreFoundByTheirPatterns()
    {
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(q4ui::TrCore(q4ui::ToCp1252(english)), german);
    }
};

std::unique_ptr<QObject> MakeGermanTest()
{
    return std::make_unique<GermanTest>();
}

#include "GermanTest.moc"
