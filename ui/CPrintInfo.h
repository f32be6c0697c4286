// The state of the grid's own print loop (its OnBeginPrinting and OnPrint): page range, current
// page and the printable rectangle in device pixels. The program prints through CPrintJob.
#pragma once

#include <QRect>

struct CPrintInfo {
    int m_nMinPage = 1;
    int m_nMaxPage = 1;
    int m_nCurPage = 1;
    QRect m_rectDraw;
};
