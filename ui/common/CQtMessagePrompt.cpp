// Message boxes for the core, on the GUI thread whichever thread asks.
#include "ui/common/CQtMessagePrompt.h"

#include "model/StringTable.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QThread>

CQtMessagePrompt::CQtMessagePrompt(QObject* parent)
    : QObject(parent)
{
}

QString CQtMessagePrompt::Caption()
{
    return q4ui::TrCore(LoadString(57344));
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

QWidget* CQtMessagePrompt::ParentWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) && window->isVisible())
            return window;
    }
    return nullptr;
}

// An empty text is nothing to show: a refusal without a message must not open an empty box.
// The core's exclamation marks a failure; a question asks; a plain OK tells what was refused
// or corrected, and that the last value stays.
int CQtMessagePrompt::ShowBox(const std::string& text, Buttons buttons, bool exclamation)
{
    // The unit's texts break lines with "\n\r"; the carriage returns carry nothing here.
    QString message = q4ui::TrCore(text);
    message.remove(QLatin1Char('\r'));
    if (message.trimmed().isEmpty())
        return buttons == BTN_OK ? IDOK : IDCANCEL;
    QMessageBox::Icon icon = exclamation          ? QMessageBox::Warning
                             : buttons != BTN_OK ? QMessageBox::Question
                                                 : QMessageBox::Information;
    QMessageBox::StandardButtons shown = buttons == BTN_OK_CANCEL ? QMessageBox::Ok | QMessageBox::Cancel
                                         : buttons == BTN_YES_NO  ? QMessageBox::Yes | QMessageBox::No
                                                                  : QMessageBox::Ok;
    QMessageBox box(icon, Caption(), message, shown, ParentWindow());
    box.setDefaultButton(buttons == BTN_YES_NO ? QMessageBox::No : QMessageBox::Ok);
    int answer = box.exec();
    if (buttons == BTN_OK)
        return IDOK;
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes ? IDOK : IDCANCEL;
}
