// The change list of an upload and its grouping by channel.
#include "compare/CChangeList.h"

#include "compare/CSetupComparison.h"
#include "compare/CUnitVerification.h"
#include "unit/CQ4kUnit.h"
#include "unit/CQuietPrompt.h"
#include "unit/CUnitImage.h"

#include <algorithm>
#include <tuple>
#include <utility>

std::vector<CellDifference> CChangeList::OfUpload(CQ4kUnit& uploaded, const CUnitImage& before)
{
    // The uploaded set-up as the unit now holds it, against the blocks read before, the way a
    // verification reads them (a number the unit writes otherwise, "0.300" for "0.3", is no
    // change); only the settings the engineer sets, each once.
    std::vector<CellDifference> changes =
        CSetupComparison::SettingsOnly(uploaded, CUnitVerification(uploaded, before).GetDifferences());
    for (CellDifference& change : changes)
        std::swap(change.textA, change.textB);
    return changes;
}

std::vector<CellDifference> CChangeList::Between(const CUnitImage& before, const CUnitImage& after)
{
    if (before == after)
        return {};
    CQuietPrompt prompt;
    CQ4kUnit was(prompt);
    CQ4kUnit now(prompt);
    was.Initialize();
    now.Initialize();
    before.TakeApartInto(was);
    after.TakeApartInto(now);
    return CSetupComparison::SettingsOnly(now, CSetupComparison::Compare(was, now));
}

std::vector<ChangedChannel> CChangeList::ByChannel(std::vector<CellDifference> changes)
{
    // The comparison lists the alarms' flag cells after every sheet; here they join their channel.
    std::stable_sort(changes.begin(), changes.end(), [](const CellDifference& a, const CellDifference& b) {
        return std::tie(a.sheet, a.row) < std::tie(b.sheet, b.row);
    });
    std::vector<ChangedChannel> channels;
    for (CellDifference& change : changes) {
        if (channels.empty() || channels.back().sheet != change.sheet || channels.back().row != change.row) {
            std::string name = change.channel;
            name.erase(0, name.find_first_not_of(' '));
            name.erase(name.find_last_not_of(' ') + 1);
            channels.push_back({change.sheet, change.row, change.sheetTitle, std::move(name), {}});
        }
        channels.back().changes.push_back(std::move(change));
    }
    return channels;
}
