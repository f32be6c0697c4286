// Message boxes for the core, on the GUI thread whichever thread asks.
#include "ui/CQtMessagePrompt.h"

#include "model/StringTable.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

CQtMessagePrompt::CQtMessagePrompt(QObject* parent)
    : QObject(parent)
{
}

QString CQtMessagePrompt::Caption()
{
    return q4ui::ToQString(LoadString(57344));
}

int CQtMessagePrompt::Show(const std::string& text, Buttons buttons, bool exclamation)
{
    if (QThread::currentThread() == thread())
        return ShowBox(text, buttons, exclamation);
    int result = IDCANCEL;
    QMetaObject::invokeMethod(
        this, [&] { result = ShowBox(text, buttons, exclamation); }, Qt::BlockingQueuedConnection);
    return result;
}

int CQtMessagePrompt::ShowBox(const std::string& text, Buttons buttons, bool exclamation)
{
    // The unit's texts break lines with "\n\r"; the carriage returns carry nothing here.
    QString message = q4ui::ToQString(text);
    message.remove(QLatin1Char('\r'));
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, Caption(), message,
                    buttons == BTN_OK_CANCEL ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    int answer = box.exec();
    if (buttons == BTN_OK)
        return IDOK;
    return answer == QMessageBox::Ok ? IDOK : IDCANCEL;
}
