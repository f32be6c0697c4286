// Filling a whole set-up's blocks and taking them apart, without a line.
#include "unit/CUnitImage.h"

#include "unit/CQ4kUnit.h"

CUnitImage CUnitImage::FromUpload(CQ4kUnit& unit, const CUnitImage* held)
{
    CUnitImage image;
    for (int slot = 0; slot < 4; ++slot) {
        CNordaSetupType* type = unit.GetSetupType(slot);
        if (!type || !type->GetSheet())
            continue;
        const std::vector<Block>* base = held && type->ReadsBlockBeforeWrite() ? &held->m_blocks[slot] : nullptr;
        for (int b = 0; b < type->GetNumBlocks(); ++b) {
            Block block{};
            if (base && static_cast<size_t>(b) < base->size())
                block = (*base)[static_cast<size_t>(b)];
            type->FillBlock(b, block.data());
            image.m_blocks[slot].push_back(block);
        }
    }
    return image;
}

void CUnitImage::TakeApartInto(CQ4kUnit& unit) const
{
    for (int slot = 0; slot < 4; ++slot) {
        CNordaSetupType* type = unit.GetSetupType(slot);
        if (!type || !type->GetSheet())
            continue;
        // In download state a setup type keeps the messages of re-validated blocks to itself.
        type->SetTransState(1);
        const std::vector<Block>& blocks = m_blocks[slot];
        for (int b = 0; b < type->GetNumBlocks() && static_cast<size_t>(b) < blocks.size(); ++b)
            type->TakeBlockApart(b, blocks[static_cast<size_t>(b)].data());
        type->AllBlocksTaken();
        type->SetTransState(-1);
    }
}
