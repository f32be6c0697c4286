// What an upload changed in the unit, as its change report lists it: every cell whose text the
// unit now holds differently from before, grouped by channel.
#pragma once

#include "compare/CellDifference.h"

#include <string>
#include <vector>

class CQ4kUnit;
class CUnitImage;

struct ChangedChannel {
    int sheet = 0;
    int row = 0;
    std::string sheetTitle;  // Windows-1252
    std::string name;        // as the grid's first column shows it, blanks around it dropped
    std::vector<CellDifference> changes;
};

class CChangeList {
public:
    // The cells an upload of uploaded changed in a unit that held the blocks before: the text
    // the unit held as text A, the uploaded one as text B. Numbers the unit writes its own way
    // ("0.300" for "0.3") are no change.
    static std::vector<CellDifference> OfUpload(CQ4kUnit& uploaded, const CUnitImage& before);
    // The cells the unit holds differently in after than in before, two whole images of its
    // memory: the text before as A, after as B, both as a download reads them.
    static std::vector<CellDifference> Between(const CUnitImage& before, const CUnitImage& after);
    // Sheet by sheet in tab order, each sheet's channels in row order, a channel's flags after
    // its other settings.
    static std::vector<ChangedChannel> ByChannel(std::vector<CellDifference> changes);
};
