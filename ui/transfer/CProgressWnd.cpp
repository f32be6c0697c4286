// The progress window: creation, sizing, placement, caption and cancelling.
#include "ui/transfer/CProgressWnd.h"

#include "ui/common/QtText.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int WINDOW_WIDTH = 390;

}  // namespace

CProgressWnd::CProgressWnd() = default;

CProgressWnd::~CProgressWnd()
{
    ReleaseWindow();  // gone at once: no event loop may run again
}

QWidget* CProgressWnd::MainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

int CProgressWnd::GoModal(const QString& title, int smooth, QWidget* mainWindow)
{
    m_pMainWnd = mainWindow ? mainWindow : MainWindow();
    if (!m_pWnd && !Create(m_pMainWnd, title, smooth))
        return 0;
    if (m_pMainWnd)
        m_pMainWnd->setEnabled(false);
    m_pWnd->setEnabled(true);
    m_bModal = 1;
    return 1;
}

void CProgressWnd::SetTitle(const QString& title)
{
    m_strTitle = title;
    m_nPrevPercent = -1;  // the caption is written anew with the next position
    if (m_pWnd)
        m_pWnd->setWindowTitle(m_strTitle);
}

int CProgressWnd::Create(QWidget* parent, const QString& title, int smooth)
{
    if (!parent)
        parent = MainWindow();
    m_strTitle = title;
    // A dialog, so that a screen reader announces it as one and by its title.
    m_pWnd = std::make_unique<QDialog>(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint
                                                    | Qt::WindowTitleHint);
    m_pWnd->setObjectName(QStringLiteral("progress"));
    m_pWnd->setWindowTitle(m_strTitle);
    m_pWnd->setCursor(Qt::BusyCursor);
    m_pWnd->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    m_pWnd->installEventFilter(this);
    if (parent && parent->windowHandle()) {
        m_pWnd->winId();
        m_pWnd->windowHandle()->setTransientParent(parent->windowHandle());
    }
    m_pText = new QLabel(m_pWnd.get());
    m_pText->setObjectName(QStringLiteral("text11"));
    m_pText->setTextFormat(Qt::PlainText);
    m_pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pText->setWordWrap(true);
    m_pBar = new QProgressBar(m_pWnd.get());
    m_pBar->setObjectName(QStringLiteral("bar12"));
    m_pBar->setTextVisible(smooth != 0);
    m_pBar->setRange(m_nMinValue, m_nMaxValue);
    m_pBar->setValue(m_nMinValue);
    m_pBar->setAccessibleName(m_strTitle);
    m_pCancel = new QPushButton(tr("Cancel"), m_pWnd.get());
    m_pCancel->setObjectName(QStringLiteral("cancel2"));
    m_pCancel->setAutoDefault(false);  // Enter does not ask to cancel
    connect(m_pCancel, &QPushButton::clicked, this, &CProgressWnd::OnCancel);
    SetSize(m_nNumTextLines, WINDOW_WIDTH);
    m_pWnd->show();
    PlaceWindow();  // once shown, so that the frame's size is known
    return 1;
}

// Text area of the given lines, a row below it with the bar and the Cancel button at its right.
void CProgressWnd::SetSize(int lines, int width)
{
    QFontMetrics fm(m_pWnd->font());
    int edge = std::max(1, m_pWnd->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    QString probe = QStringLiteral("M");
    for (int i = 1; i < lines; ++i)
        probe += QStringLiteral("\nM");
    int textHeight = fm.boundingRect(QRect(0, 0, width, 10000), Qt::AlignLeft, probe).height();
    QRect text(10, 10, width, textHeight);

    // Room for the button's text in the language shown ("Abbrechen" is wider than "Cancel").
    QString label = m_strCancelLabel + QStringLiteral("  ");
    int rowHeight = std::max(3 * edge + fm.height(), m_pCancel->sizeHint().height());
    int reservedWidth = std::max(fm.horizontalAdvance(label) + 4 * edge, m_pCancel->sizeHint().width());
    QRect reserved(text.right() + 1 - reservedWidth, text.bottom() + 1 + 10, reservedWidth, rowHeight);
    QRect bar(text.left(), reserved.top() + edge, reserved.left() - 10 - text.left(), rowHeight - 2 * edge);

    m_pText->setGeometry(text);
    m_pBar->setGeometry(bar);
    m_pCancel->setGeometry(reserved);
    m_pWnd->setFixedSize(width + 20, textHeight + rowHeight + 30);
}

void CProgressWnd::PlaceWindow()
{
    QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->geometry() : QRect(0, 0, 800, 600);
    if (m_bPersistantPosition) {
        QSettings settings;
        int x = settings.value(QStringLiteral("Settings/X"), -1).toInt();
        int y = settings.value(QStringLiteral("Settings/Y"), -1).toInt();
        if (x >= 0 && x < screen.width() && y >= 0 && y < screen.height()) {
            m_pWnd->move(x, y);
            return;
        }
    }
    QRect frame(QPoint(0, 0), m_pWnd->frameGeometry().size());
    frame.moveCenter(screen.center());
    m_pWnd->move(frame.topLeft());
}

void CProgressWnd::SetRange(int lower, int upper, int step)
{
    if (!m_pWnd)
        return;
    m_nMinValue = lower;
    m_nMaxValue = upper;
    m_nStep = step;
    m_pBar->setRange(lower, std::max(lower, upper));
}

int CProgressWnd::SetPos(int pos)
{
    if (!m_pWnd)
        return m_nPrevPos;
    Show();
    int previous = m_pBar->value();
    m_nPrevPos = pos;
    int percent = 0;
    if (m_nMaxValue > m_nMinValue)
        percent = static_cast<int>(static_cast<long long>(pos) * 100 / (m_nMaxValue - m_nMinValue));
    if (percent != m_nPrevPercent) {
        m_nPrevPercent = percent;
        m_pWnd->setWindowTitle(QStringLiteral("%1 [%2%]").arg(m_strTitle).arg(percent));
    }
    m_pBar->setValue(std::clamp(pos, m_pBar->minimum(), m_pBar->maximum()));
    return previous;
}

void CProgressWnd::SetText(const std::string& text)
{
    SetText(q4ui::ToQString(text.substr(0, MAX_TEXT)));
}

// The bar is named after the transfer and tells its step, for a screen reader; its value is
// the bar's own.
void CProgressWnd::SetText(const QString& text)
{
    if (!m_pWnd)
        return;
    m_pText->setText(text.left(MAX_TEXT));
    m_pBar->setAccessibleDescription(m_pText->text());
}

QString CProgressWnd::GetText() const
{
    return m_pText ? m_pText->text() : QString();
}

int CProgressWnd::GetBarPos() const
{
    return m_pBar ? m_pBar->value() : m_nPrevPos;
}

void CProgressWnd::Show()
{
    if (m_pWnd && !m_pWnd->isVisible()) {
        m_pWnd->setAttribute(Qt::WA_ShowWithoutActivating);
        m_pWnd->show();
        m_pWnd->repaint();
    }
}

void CProgressWnd::Hide()
{
    if (m_pWnd && m_pWnd->isVisible())
        m_pWnd->hide();
}

void CProgressWnd::OnCancel()
{
    if (!m_bCancelled)
        emit cancelRequested();
}

void CProgressWnd::SetCancelled(const std::string& text)
{
    m_bCancelled = 1;
    if (!m_pWnd)
        return;
    m_pCancel->setEnabled(false);
    SetText(text);
}

void CProgressWnd::DestroyWindow()
{
    // The window may be in the middle of handling a key press: it goes once that is over.
    if (std::unique_ptr<QWidget> window = ReleaseWindow()) {
        window->hide();
        window.release()->deleteLater();
    }
}

std::unique_ptr<QWidget> CProgressWnd::ReleaseWindow()
{
    if (!m_pWnd)
        return nullptr;
    if (m_bPersistantPosition) {
        QSettings settings;
        settings.setValue(QStringLiteral("Settings/X"), m_pWnd->x());
        settings.setValue(QStringLiteral("Settings/Y"), m_pWnd->y());
    }
    if (m_bModal) {
        m_bModal = 0;
        if (m_pMainWnd)
            m_pMainWnd->setEnabled(true);
    }
    m_pText = nullptr;
    m_pBar = nullptr;
    m_pCancel = nullptr;
    m_pWnd->removeEventFilter(this);
    return std::move(m_pWnd);
}

bool CProgressWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWnd.get()) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            OnCancel();
            return true;
        }
        if (event->type() == QEvent::Close) {
            event->ignore();  // the window has no close button; only cancelling ends it
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
