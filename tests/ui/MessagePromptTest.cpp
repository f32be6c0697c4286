// The message prompt of the program: boxes with their text, buttons, icon and parent window, no
// box for an empty text, and questions asked from a worker thread answered on the GUI thread.
#include "UiTests.h"

#include "ModalHelper.h"
#include "ui/common/CQtMessagePrompt.h"

#include <QMainWindow>
#include <QtTest>

#include <atomic>
#include <thread>

class MessagePromptTest : public QObject {
    Q_OBJECT

private slots:
    void boxShowsTextButtonsIconOverTheMainWindow_data()
    {
        QTest::addColumn<QByteArray>("text");  // Windows-1252
        QTest::addColumn<bool>("okCancel");
        QTest::addColumn<bool>("exclamation");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("result");
        QTest::newRow("warning question")
            << QByteArray("Warning: restore\n\rPress OK") << true << true << false
            << QStringLiteral("Warning: restore\nPress OK") << int(QMessageBox::Warning) << int(IMessagePrompt::IDOK);
        QTest::newRow("question cancelled") << QByteArray("Restore?") << true << false << true
                                            << QStringLiteral("Restore?") << int(QMessageBox::Question)
                                            << int(IMessagePrompt::IDCANCEL);
        QTest::newRow("refusal; Escape is OK") << QByteArray("60 \xB0" "C") << false << false << true
                                               << QString::fromUtf8("60 \u00B0C") << int(QMessageBox::Information)
                                               << int(IMessagePrompt::IDOK);
    }

    void boxShowsTextButtonsIconOverTheMainWindow()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, okCancel);
        QFETCH(bool, exclamation);
        QFETCH(bool, escape);
        QFETCH(QString, shown);
        QFETCH(int, icon);
        QFETCH(int, result);
        // A main window that is not the active one, once another window was active and went:
        // the box still goes over it.
        QMainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }
        QTRY_VERIFY(!QApplication::activeWindow());
        QMessageBox* seen = nullptr;
        QString seenText;
        QWidget* seenParent = nullptr;
        int seenIcon = -1;
        qsizetype buttons = 0;
        AnswerNextModal([&](QWidget* modal) {
            seen = qobject_cast<QMessageBox*>(modal);
            QVERIFY(seen);
            seenText = seen->text();
            seenParent = seen->parentWidget();
            seenIcon = seen->icon();
            buttons = seen->buttons().size();
            escape ? seen->reject() : seen->button(QMessageBox::Ok)->click();
        });
        CQtMessagePrompt prompt;
        int answer = prompt.Show(text.toStdString(), okCancel ? IMessagePrompt::BTN_OK_CANCEL : IMessagePrompt::BTN_OK,
                                 exclamation);
        QVERIFY(seen);
        QCOMPARE(answer, result);
        QCOMPARE(seenText, shown);
        QCOMPARE(seenIcon, icon);
        QCOMPARE(buttons, okCancel ? 2 : 1);
        QCOMPARE(seenParent, &main);
    }

    // An empty text, as a refusal without a message gives, shows nothing.
    void emptyTextShowsNoBox()
    {
        int shown = 0;
        QTimer closer;  // closes any box at once, so that a wrong one cannot hang the test
        connect(&closer, &QTimer::timeout, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++shown;
                modal->close();
            }
        });
        closer.start(20);
        CQtMessagePrompt prompt;
        for (const char* text : {"", "\n\r"}) {
            QCOMPARE(prompt.Show(text, IMessagePrompt::BTN_OK, true), int(IMessagePrompt::IDOK));
            QCOMPARE(prompt.Show(text, IMessagePrompt::BTN_OK_CANCEL, true), int(IMessagePrompt::IDCANCEL));
        }
        QCOMPARE(shown, 0);
    }

    void workerQuestionIsAnsweredOnTheGuiThread()
    {
        CQtMessagePrompt prompt;
        bool onGuiThread = false;
        AnswerNextModal([&](QWidget* modal) {
            onGuiThread = modal->thread() == QThread::currentThread() && QThread::currentThread() == qApp->thread();
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
        });
        std::atomic<int> answer{0};
        std::thread worker([&] { answer = prompt.Show("Retry?", IMessagePrompt::BTN_OK_CANCEL, false); });
        QTRY_VERIFY_WITH_TIMEOUT(answer != 0, 5000);
        worker.join();
        QCOMPARE(answer.load(), int(IMessagePrompt::IDCANCEL));
        QVERIFY(onGuiThread);
    }
};

std::unique_ptr<QObject> MakeMessagePromptTest()
{
    return std::make_unique<MessagePromptTest>();
}

#include "MessagePromptTest.moc"
