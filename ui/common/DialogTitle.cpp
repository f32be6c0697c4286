// The room a window manager takes around a dialog's title.
#include "ui/common/DialogTitle.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace q4ui {

int TitleBarWidth(const QWidget& dialog)
{
    QFontMetrics fm(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    int button = std::max(fm.height(), dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog));
    int frame = dialog.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &dialog);
    int width = fm.horizontalAdvance(dialog.windowTitle()) + 4 * button + 2 * frame;
    return dialog.screen() ? std::min(width, dialog.screen()->availableGeometry().width()) : width;
}

}  // namespace q4ui
