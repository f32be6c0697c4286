// The state of one print job that the view and its grid share: page range, current page and
// the printable rectangle in device pixels.
#pragma once

#include <QRect>

struct CPrintInfo {
    int m_nMinPage = 1;
    int m_nMaxPage = 1;
    int m_nCurPage = 1;
    QRect m_rectDraw;
};
