// The help window: F1 on a cell opens its column's section, the contents lead to the sections,
// Back and Forward retrace the way, and Find goes from place to place.
#include "UiTests.h"

#include "FrameFixture.h"
#include "setup/alarms/CAlarm.h"
#include "ui/help/CHelpDlg.h"
#include "ui/common/CommandTable.h"
#include "ui/common/QtText.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {

// The text of the block at the top of the page shown: the heading of a section scrolled to.
QString TopOfPage(const QTextBrowser& browser)
{
    return browser.cursorForPosition(QPoint(4, 4)).block().text().trimmed();
}

CHelpDlg& OpenHelp(FrameFixture& f, const QString& topic)
{
    f.frame->ShowHelp(topic);
    CHelpDlg* help = f.frame->GetHelpDialog();
    [&] { QVERIFY(help && QTest::qWaitForWindowExposed(help)); }();
    return *help;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void F1OnACellShowsItsColumn_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("heading");
        QTest::newRow("alarm set point") << int(ST_ALARM) << 1 << int(CAlarm::COL_SETPOINT) << false
                                         << "alarm-setpoint" << "SetPoint";
        QTest::newRow("alarm sign") << int(ST_ALARM) << 7 << int(CAlarm::COL_SIGN) << false << "alarm-column-3"
                                    << "<>\u00B1";
        QTest::newRow("a General row") << int(ST_GENERAL) << 3 << 1 << false << "general-device-number"
                                       << "Device Number";
        QTest::newRow("one of twelve") << int(ST_LOGICAL) << 2 << 5 << false << "logical-input-i5" << "I1 to I12";
        QTest::newRow("in the cell's editor") << int(ST_PHYSICAL) << 2 << 3 << true << "physical-input-inplo"
                                              << "InpLo, InpUp";
    }

    void F1OnACellShowsItsColumn()
    {
        QFETCH(int, tab);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(bool, editing);
        QFETCH(QString, topic);
        QFETCH(QString, heading);
        FrameFixture f;
        CZTGridCtrl& grid = f.Activate(tab);
        grid.setFocus();
        grid.SetFocusCell(row, col);
        if (editing) {
            grid.edit(grid.currentIndex());
            QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->parentWidget() == grid.viewport());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);

        CHelpDlg* help = f.frame->GetHelpDialog();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->GetBrowser()->source().fragment(), topic);
        QTRY_COMPARE(TopOfPage(*help->GetBrowser()), heading);
        // The contents show where the reader is; the keys read on in the page; Back has
        // nowhere to go yet.
        QCOMPARE(help->GetContents()->currentIndex().data().toString(), heading);
        QTRY_COMPARE(QApplication::focusWidget(), help->GetBrowser());
        QVERIFY(!help->GetBackButton()->isEnabled());
    }

    void ContentsLeadToTheSections()
    {
        FrameFixture f;
        f.frame->GetAction(ID_HELP_FINDER)->trigger();
        CHelpDlg* help = f.frame->GetHelpDialog();
        QVERIFY(help && QTest::qWaitForWindowExposed(help));
        QTextBrowser& browser = *help->GetBrowser();
        QCOMPARE(browser.source().fragment(), QString());
        QVERIFY(!browser.toPlainText().contains(QStringLiteral("Beta version")));

        QTreeView& tree = *help->GetContents();
        QAbstractItemModel& contents = *tree.model();
        QStringList chapters;
        for (int r = 0; r < contents.rowCount(); ++r)
            chapters << contents.index(r, 0).data().toString();
        for (INordaSetupType* type : f.doc.GetNdSetup())
            QVERIFY2(chapters.contains(q4ui::ToQString(type->m_strTitle)), qPrintable(chapters.join(", ")));
        QVERIFY(chapters.contains(QStringLiteral("Troubleshooting the serial line")));

        QModelIndex alarm = contents.index(static_cast<int>(chapters.indexOf(QStringLiteral("Alarm"))), 0);
        QModelIndexList flags = contents.match(contents.index(0, 0, alarm), Qt::DisplayRole, QStringLiteral("Flags"));
        QCOMPARE(flags.size(), 1);
        tree.expand(alarm);
        tree.scrollTo(flags.first());
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(flags.first()).center());
        QCOMPARE(browser.source().fragment(), QStringLiteral("alarm-flags"));
        QTRY_COMPARE(TopOfPage(browser), QStringLiteral("Flags"));

        // By keys: Tab from the find field reaches the contents, Up and Enter open a section.
        help->GetFindField()->setFocus();
        QTest::keyClick(help->GetFindField(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), &tree);
        QTest::keyClick(&tree, Qt::Key_Up);
        QTest::keyClick(&tree, Qt::Key_Return);
        QCOMPARE(browser.source().fragment(), QStringLiteral("alarm-output"));
    }

    void BackAndForwardRetraceTheWay()
    {
        FrameFixture f;
        CHelpDlg& help = OpenHelp(f, QString());
        OpenHelp(f, QStringLiteral("alarm-flags"));
        OpenHelp(f, QStringLiteral("general-block"));
        QTextBrowser& browser = *help.GetBrowser();
        QToolButton& back = *help.GetBackButton();
        QToolButton& forward = *help.GetForwardButton();
        QVERIFY(!forward.isEnabled());

        const struct {
            QToolButton* button;
            const char* fragment;
            bool backLeft;
            bool forwardLeft;
        } steps[] = {
            {&back, "alarm-flags", true, true},
            {&back, "", false, true},
            {&forward, "alarm-flags", true, true},
            {&forward, "general-block", true, false},
        };
        for (const auto& step : steps) {
            QTest::mouseClick(step.button, Qt::LeftButton);
            QCOMPARE(browser.source().fragment(), QString::fromLatin1(step.fragment));
            QCOMPARE(back.isEnabled(), step.backLeft);
            QCOMPARE(forward.isEnabled(), step.forwardLeft);
        }
        QTRY_COMPARE(TopOfPage(browser), QStringLiteral("Block"));
    }

    void FindGoesFromPlaceToPlace()
    {
        FrameFixture f;
        CHelpDlg& help = OpenHelp(f, QString());
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTextBrowser& browser = *help.GetBrowser();
        QLineEdit& find = *help.GetFindField();
        QTest::keyClick(&help, Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::focusWidget(), &find);
        QTest::keyClicks(&find, QStringLiteral("emulator"));

        QTest::keyClick(&find, Qt::Key_Return);
        const QTextCursor first = browser.textCursor();
        QCOMPARE(first.selectedText().toLower(), QStringLiteral("emulator"));
        QTest::keyClick(&find, Qt::Key_F3);
        QVERIFY(browser.textCursor().position() > first.position());
        QCOMPARE(browser.textCursor().selectedText().toLower(), QStringLiteral("emulator"));
        QTest::keyClick(&find, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(browser.textCursor().position(), first.position());

        // A text found nowhere says so and leaves the reader where he was.
        find.clear();
        QTest::keyClicks(&find, QStringLiteral("xyzzy"));
        QTest::keyClick(&find, Qt::Key_Return);
        QVERIFY(!help.GetFindState()->text().isEmpty());
        QCOMPARE(browser.textCursor(), first);

        // After going to a section, Find goes on from the page shown, not from the last place.
        help.ShowTopic(QStringLiteral("troubleshooting"));
        QTRY_COMPARE(TopOfPage(browser), QStringLiteral("Troubleshooting the serial line"));
        const int shown = browser.cursorForPosition(QPoint(4, 4)).position();
        find.clear();
        QTest::keyClicks(&find, QStringLiteral("emulator"));
        QTest::keyClick(&find, Qt::Key_Return);
        QVERIFY2(browser.textCursor().position() > shown, "found before the page shown");
    }
};

std::unique_ptr<QObject> MakeHelpTest()
{
    return std::make_unique<HelpTest>();
}

#include "HelpTest.moc"
