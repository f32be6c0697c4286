// Helpers for modal dialogs in tests: answer the next one from a timer armed before the call
// that opens it, and press a message box's button.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>

// Polls for the next modal dialog for up to waitMs (five seconds unless given: longer for a box
// that follows a transfer) and hands it to answer.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int waitMs = 5000)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, tries, waitMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || ++*tries > waitMs / 10) {
            timer->stop();
            timer->deleteLater();
            if (modal)
                answer(modal);
        }
    });
    timer->start(10);
}

// Presses the button of the next message box and keeps its text.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr, int waitMs = 5000)
{
    AnswerNextModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        if (text)
            *text = box->text();
        box->button(button)->click();
    }, waitMs);
}
