// The message prompt of the program: boxes with their buttons and icon, and questions asked
// from a worker thread answered on the GUI thread.
#include "UiTests.h"

#include "ModalHelper.h"
#include "ui/CQtMessagePrompt.h"

#include <QtTest>

#include <atomic>
#include <thread>

class MessagePromptTest : public QObject {
    Q_OBJECT

private slots:
    void boxShowsTextButtonsAndIcon()
    {
        CQtMessagePrompt prompt;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        auto answer = [&](bool escape) {
            AnswerNextModal([&, escape](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                text = box->text();
                icon = box->icon();
                buttons = box->buttons().size();
                escape ? box->reject() : box->button(QMessageBox::Ok)->click();
            });
        };
        answer(false);
        QCOMPARE(prompt.Show("Warning: restore\n\rPress OK", IMessagePrompt::BTN_OK_CANCEL, true), int(IMessagePrompt::IDOK));
        QCOMPARE(text, QStringLiteral("Warning: restore\nPress OK"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, 2);
        answer(true);  // Escape on a box with OK alone is OK
        QCOMPARE(prompt.Show("60 \xB0" "C", IMessagePrompt::BTN_OK, false), int(IMessagePrompt::IDOK));
        QCOMPARE(text, QString::fromUtf8("60 \u00B0C"));  // CP1252
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
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
