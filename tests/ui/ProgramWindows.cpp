// The program's windows, opened as a user opens them, and what is checked of each.
#include "ProgramWindows.h"

#include "ModalHelper.h"
#include "model/CDocumentFile.h"
#include "model/StringTable.h"
#include "plant/CPlant.h"
#include "setup/alarms/CAlarm.h"
#include "transfer/CTransfer.h"
#include "ui/transfer/CChangeReportDlg.h"
#include "ui/compare/CCompareDlg.h"
#include "ui/document/CDocManager.h"
#include "ui/help/CHelpDlg.h"
#include "ui/plant/CPlantReportDlg.h"
#include "ui/plant/CPlantTransferDlg.h"
#include "ui/plant/CPlantUi.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/transfer/CQtComSetupUi.h"
#include "ui/common/CQtMessagePrompt.h"
#include "ui/common/CUpDown.h"
#include "ui/common/CommandTable.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <map>
#include <memory>

namespace {

// A modal window, opened by open(), looked at and closed by Escape.
void Modal(const std::function<void(QWidget&)>& look, const std::function<void()>& open)
{
    bool seen = false;
    AnswerNextModal([&](QWidget* modal) {
        seen = true;
        look(*modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    open();
    QVERIFY2(seen, "no window opened");
}

// A window that leaves the main window at hand, shown until it has been looked at.
void Modeless(QWidget& window, const std::function<void(QWidget&)>& look)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1);
    look(window);
    window.close();
}

void Command(PlantFrame& f, int id, const std::function<void(QWidget&)>& look)
{
    Modal(look, [&] { f.frame->GetAction(id)->trigger(); });
}

std::vector<CellDifference> SomeDifferences()
{
    return {{ST_GENERAL, 3, 1, false, "General", "Device Number", "Selections", "1", "17"},
            {ST_PHYSICAL, 1, 5, false, "Physical Input", "IN 11", "InpUp", "10", "20"},
            {ST_ALARM, 1, 0, true, "Alarm", "1 (A11)", "Block", "OFF", "ON"}};
}

// The letter Alt takes with a text ("&File": f), or a null character.
QChar Accelerator(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

}  // namespace

PlantFrame::PlantFrame()
{
    UseFirstInput();
    Edit(ST_ALARM, 1, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
    const QString file = dir.filePath(QStringLiteral("an-1.q4g"));
    QVERIFY(frame->GetDocManager().DoSave(file));
    CPlant plant(path.toStdString(), "works");
    QVERIFY(plant.AddUnit({"AN-1", "an-1.q4g", "Pump hall", ""}));
    QVERIFY(plant.AddUnit({"AN-2", "an-2.q4g", "Filter hall", "not yet made"}));
    QVERIFY(plant.Save());
    QVERIFY(frame->GetPlantUi().OpenPlant(path));
}

std::vector<ProgramWindow> ProgramWindows()
{
    using Look = std::function<void(QWidget&)>;
    return {
        {"main window", [](PlantFrame& f, const Look& look) { look(*f.frame); }},
        {"about", [](PlantFrame& f, const Look& look) { Command(f, ID_APP_ABOUT, look); }},
        {"backup settings", [](PlantFrame& f, const Look& look) { Command(f, ID_BACKUP_SETTINGS, look); }},
        {"language", [](PlantFrame& f, const Look& look) { Command(f, ID_LANGUAGE, look); }},
        {"com port", [](PlantFrame& f, const Look& look) { Command(f, ID_COMMSETUP, look); }},
        {"line settings",
         [](PlantFrame& f, const Look& look) {
             CLineSettings settings;
             Modal(look, [&] { f.frame->GetComSetupUi().EditLineSettings("/dev/ttyUSB0", settings); });
         }},
        {"flags",
         [](PlantFrame& f, const Look& look) {
             CZTGridCtrl& grid = f.Activate(ST_ALARM);
             grid.SetFocusCell(1, CAlarm::COL_FLAGS);
             Modal(look, [&] { QTest::keyClick(&grid, Qt::Key_Return); });
         }},
        {"message",
         [](PlantFrame&, const Look& look) {
             CQtMessagePrompt prompt;
             Modal(look, [&] { prompt.Show(LoadString(IDS_CONF_GEN_WARNING), IMessagePrompt::BTN_OK_CANCEL, false); });
         }},
        {"add to plant",
         [](PlantFrame& f, const Look& look) { Modal(look, [&] { f.frame->GetPlantUi().OnAddSetup(); }); }},
        {"retry",
         [](PlantFrame& f, const Look& look) {
             CUpDown question(q4ui::TrCore(CTransfer::FailureText(TransferDirection::Upload, "Physical Input")), f.frame.get());
             Modeless(question, look);
         }},
        {"progress",
         [](PlantFrame& f, const Look& look) {
             CProgressWnd progress;
             QVERIFY(progress.Create(f.frame.get(), QCoreApplication::translate("CTransferController", "Upload, step 2 of 2"), 0));
             progress.SetText(q4ui::TrCore(CTransfer::ProgressText(TransferDirection::Upload, "Physical Input")));
             progress.Show();
             QVERIFY(QTest::qWaitForWindowExposed(progress.GetWindow()));
             look(*progress.GetWindow());
             progress.DestroyWindow();
         }},
        {"compare",
         [](PlantFrame& f, const Look& look) {
             CCompareDlg compare(f.frame.get());
             compare.SetDifferences(SomeDifferences(), QStringLiteral("an-1.q4g"), QString());
             Modeless(compare, look);
         }},
        {"change report",
         [](PlantFrame& f, const Look& look) {
             CChangeReportDlg report(CChangeReport(SomeDifferences(), QStringLiteral("an-1.q4g"), QStringLiteral("/tmp/backup.q4g"),
                                                   QStringLiteral("COM1"), QDateTime::currentDateTime()),
                                     f.frame->GetPrinter(), f.frame.get());
             Modeless(report, look);
         }},
        {"help",
         [](PlantFrame& f, const Look& look) {
             f.frame->GetAction(ID_HELP_FINDER)->trigger();
             CHelpDlg* help = f.frame->GetHelpDialog();
             QVERIFY(help);
             Modeless(*help, look);
         }},
        {"plant report",
         [](PlantFrame& f, const Look& look) {
             f.frame->GetPlantUi().OnPlantReport();
             auto* report = f.frame->findChild<CPlantReportDlg*>();
             QVERIFY(report);
             Modeless(*report, look);
         }},
        {"plant transfers",
         [](PlantFrame& f, const Look& look) {
             f.frame->GetPlantUi().OnPlantTransfers();
             CPlantTransferDlg* transfers = f.frame->GetPlantUi().GetTransferDialog();
             QVERIFY(transfers);
             Modeless(*transfers, look);
         }},
    };
}

QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window)
            continue;
        QString text;
        bool narrow = false;
        if (auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
            text = label->text();
            narrow = label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                       : label->width() < label->minimumSizeHint().width();
        } else if (auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty()) {
            text = button->text();
            narrow = button->width() < button->sizeHint().width();
        } else if (auto* box = qobject_cast<const QGroupBox*>(w); box && !box->title().isEmpty()) {
            text = box->title();
            narrow = box->width() < box->minimumSizeHint().width();
        }
        if (narrow)
            cut << QStringLiteral("%1 \"%2\" %3x%4").arg(QString::fromLatin1(w->metaObject()->className()), text).arg(w->width()).arg(w->height());
    }
    return cut;
}

QStringList ClashingAccelerators(const QWidget& window)
{
    std::map<QChar, QStringList> taken;  // letter: the texts that take it
    auto take = [&taken](const QString& text) {
        const QChar key = Accelerator(text);
        if (!key.isNull())
            taken[key] << text;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window)
            continue;
        if (auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            take(label->text());
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            take(button->text());
        else if (auto* box = qobject_cast<const QGroupBox*>(w))
            take(box->title());
        else if (auto* bar = qobject_cast<const QMenuBar*>(w)) {
            for (const QAction* action : bar->actions())
                take(action->text());
        }
    }
    QStringList clashes;
    for (const auto& [key, texts] : taken) {
        if (texts.size() > 1)
            clashes << QStringLiteral("Alt+%1: %2").arg(key.toUpper(), texts.join(QStringLiteral(", ")));
    }
    return clashes;
}
