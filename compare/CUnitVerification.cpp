// Comparing a document with the unit through the blocks an upload would write.
#include "compare/CUnitVerification.h"

#include "compare/CSetupComparison.h"

#include <algorithm>

CUnitVerification::CUnitVerification(CQ4kUnit& document, const CUnitImage& held)
    : m_expected(CUnitImage::FromUpload(document, &held)), m_heldUnit(m_prompt)
{
    for (int slot = 0; slot < 4; ++slot) {
        const auto& want = m_expected.GetBlocks(slot);
        const auto& have = held.GetBlocks(slot);
        for (size_t b = 0; b < std::max(want.size(), have.size()); ++b) {
            if (b >= want.size() || b >= have.size() || want[b] != have[b])
                m_blocksDiffering.emplace_back(slot, static_cast<int>(b));
        }
    }
    m_heldUnit.Initialize();
    held.TakeApartInto(m_heldUnit);
    if (m_blocksDiffering.empty())
        return;
    CQ4kUnit uploaded(m_prompt);
    uploaded.Initialize();
    m_expected.TakeApartInto(uploaded);
    m_differences = CSetupComparison::Compare(uploaded, m_heldUnit);
    // Shown with the document's own text, which is what its owner typed. A cell whose own
    // text is the unit's is no difference to show (a delay of an alarm the unit has off reads
    // back as typed): the cells beside it say why its block differs.
    std::vector<CellDifference> shown;
    for (CellDifference& difference : m_differences) {
        std::string own;
        if (difference.flag) {
            const CNdChnData* cell = CSetupComparison::GetFlagCell(document, difference.row, difference.col);
            own = cell ? cell->GetDataAsString() : std::string();
        } else if (const CNordaSetupType* type = document.GetSetupType(difference.sheet)) {
            own = type->GetCellText(difference.row, difference.col);
        }
        if (own == difference.textB)
            continue;
        difference.textA = std::move(own);
        shown.push_back(std::move(difference));
    }
    m_differences = std::move(shown);
}
