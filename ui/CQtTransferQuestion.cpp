// Retry/Cancel on the GUI thread.
#include "ui/CQtTransferQuestion.h"

#include "ui/CUpDown.h"
#include "ui/QtText.h"

#include <QThread>

CQtTransferQuestion::CQtTransferQuestion(QObject* parent)
    : QObject(parent)
{
}

bool CQtTransferQuestion::AskRetry(const std::string& message)
{
    if (QThread::currentThread() == thread())
        return ShowDialog(message);
    bool retry = false;
    QMetaObject::invokeMethod(this, [&] { retry = ShowDialog(message); }, Qt::BlockingQueuedConnection);
    return retry;
}

bool CQtTransferQuestion::ShowDialog(const std::string& message)
{
    // No parent: the main window is disabled while a transfer runs.
    CUpDown dialog(q4ui::ToQString(message));
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    return dialog.exec() == QDialog::Accepted;
}
