// The progress window: caption percentage, Cancel and Escape with the main window, position.
#include "UiTests.h"

#include "ui/transfer/CProgressWnd.h"

#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

class ProgressWndTest : public QObject {
    Q_OBJECT

private slots:
    void captionShowsPercentOnlyWhenItChanges()
    {
        CProgressWnd progress;
        QVERIFY(progress.Create(nullptr, QStringLiteral("Progress"), 0));
        QCOMPARE(progress.GetWindow()->windowTitle(), QStringLiteral("Progress"));
        progress.SetRange(0, 6864, 1);
        QSignalSpy titles(progress.GetWindow(), &QWidget::windowTitleChanged);
        progress.SetPos(3432);
        QCOMPARE(progress.GetWindow()->windowTitle(), QStringLiteral("Progress [50%]"));
        QCOMPARE(progress.SetPos(3433), 3432);
        QCOMPARE(titles.count(), 1);
        progress.SetPos(6864);
        QCOMPARE(progress.GetWindow()->windowTitle(), QStringLiteral("Progress [100%]"));
        progress.SetRange(5, 5, 1);  // an empty range divides by nothing
        progress.SetPos(3);
        QCOMPARE(progress.GetWindow()->windowTitle(), QStringLiteral("Progress [0%]"));
    }

    // Escape and the Cancel button ask the owner, until it agrees; the main window stays
    // disabled until the window goes.
    void cancelAsksTheOwnerAndTheWindowStaysUntilDestroyed()
    {
        QMainWindow main;
        main.show();
        CProgressWnd progress;
        QVERIFY(progress.GoModal(QStringLiteral("Progress"), 0, &main));
        QVERIFY(!main.isEnabled());
        QSignalSpy asked(&progress, &CProgressWnd::cancelRequested);
        QTest::keyClick(progress.GetWindow(), Qt::Key_Escape);
        progress.GetCancelButton()->click();
        QCOMPARE(asked.count(), 2);
        QVERIFY(progress.HasWindow());
        QVERIFY(!main.isEnabled());
        progress.SetCancelled("Stopping the download ...");
        QVERIFY(!progress.GetCancelButton()->isEnabled());
        QCOMPARE(progress.GetText(), QStringLiteral("Stopping the download ..."));
        QTest::keyClick(progress.GetWindow(), Qt::Key_Escape);
        QCOMPARE(asked.count(), 2);
        progress.DestroyWindow();
        QVERIFY(main.isEnabled());
        QCOMPARE(progress.SetPos(40), 0);  // no window: nothing moves
    }

    // The next window opens where the last one was left, or centred when that is off the screen.
    void positionIsRememberedOrCentred()
    {
        QRect screen = QGuiApplication::primaryScreen()->geometry();
        auto open = [](CProgressWnd& progress) {
            progress.Create(nullptr, QStringLiteral("Progress"), 0);
            return progress.GetWindow();
        };
        {
            CProgressWnd first;
            open(first)->move(70, 80);
        }
        {
            CProgressWnd second;
            QCOMPARE(open(second)->pos(), QPoint(70, 80));
            second.GetWindow()->move(screen.width() + 5, 30);
        }
        CProgressWnd third;
        QPoint centre = open(third)->frameGeometry().center();
        QVERIFY(qAbs(centre.x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(centre.y() - screen.center().y()) <= 1);
    }
};

std::unique_ptr<QObject> MakeProgressWndTest()
{
    return std::make_unique<ProgressWndTest>();
}

#include "ProgressWndTest.moc"
