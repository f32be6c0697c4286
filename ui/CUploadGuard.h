// What the desktop program asks before an upload writes the unit: whether to go on although the
// unit cannot hold some cells as the set-up shows them, and whether to write into a unit that is
// another device than the set-up is for.
#pragma once

#include "compare/CellDifference.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

class CQ4150Doc;
class CQ4kUnit;

class CUploadGuard {
    Q_DECLARE_TR_FUNCTIONS(CUploadGuard)

public:
    using Marker = std::function<void(const std::vector<CellDifference>&)>;

    // mark shows cells marked in the grids while a question is open, and is called with an
    // empty list when it has closed.
    CUploadGuard(CQ4150Doc& doc, Marker mark);

    // Before anything is read or written: when the unit cannot hold some cells as the set-up
    // shows them, names them and asks whether to upload anyway. False: no upload.
    bool ConfirmCells() const;
    // Once the unit on port was read: when it is another device than the set-up is for, asks
    // whether to upload anyway, No being the answer Enter gives. False: no upload.
    bool ConfirmUnit(const CQ4kUnit& read, const QString& port) const;

    static QString CellsQuestion(const std::vector<CellDifference>& cells);

private:
    CQ4150Doc& m_doc;
    Marker m_mark;
};
