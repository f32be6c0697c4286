// The progress window: caption percentage, text limit, Escape with the main window, position.
#include "UiTests.h"

#include "ui/CProgressWnd.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
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
        progress.SetRange(5, 5, 1);
        progress.SetPos(3);
        QCOMPARE(progress.GetWindow()->windowTitle(), QStringLiteral("Progress [0%]"));
    }

    void textKeepsAtMostItsBuffer()
    {
        CProgressWnd progress;
        progress.Create(nullptr, QStringLiteral("Progress"), 0);
        progress.SetText("Uploading General data ...");
        QCOMPARE(progress.GetText(), QStringLiteral("Uploading General data ..."));
        progress.SetText(std::string(600, 'x'));
        QCOMPARE(progress.GetText().size(), CProgressWnd::MAX_TEXT);
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

    void positionIsRememberedOrCentred()
    {
        QSettings settings;
        QRect screen = QGuiApplication::primaryScreen()->geometry();
        settings.setValue(QStringLiteral("Settings/X"), 40);
        settings.setValue(QStringLiteral("Settings/Y"), 30);
        {
            CProgressWnd progress;
            progress.Create(nullptr, QStringLiteral("Progress"), 0);
            QCOMPARE(progress.GetWindow()->pos(), QPoint(40, 30));
            progress.GetWindow()->move(70, 80);
        }
        QCOMPARE(settings.value(QStringLiteral("Settings/X")).toInt(), 70);
        QCOMPARE(settings.value(QStringLiteral("Settings/Y")).toInt(), 80);

        settings.setValue(QStringLiteral("Settings/X"), screen.width() + 5);
        CProgressWnd progress;
        progress.Create(nullptr, QStringLiteral("Progress"), 0);
        QPoint centre = progress.GetWindow()->frameGeometry().center();
        QVERIFY(qAbs(centre.x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(centre.y() - screen.center().y()) <= 1);
    }
};

std::unique_ptr<QObject> MakeProgressWndTest()
{
    return std::make_unique<ProgressWndTest>();
}

#include "ProgressWndTest.moc"
