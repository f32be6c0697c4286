// A data sheet: rows ("sections") of property cells. The owner's sheet owns its sections;
// a view made by CreateView lists the same sections without owning them.
#pragma once

#include "model/CNdChnData.h"

#include <memory>
#include <vector>

using CSection = std::vector<std::unique_ptr<CNdChnData>>;

class CDataSheet {
public:
    CDataSheet() = default;
    CDataSheet(const CDataSheet&) = delete;
    CDataSheet& operator=(const CDataSheet&) = delete;

    int GetNumSections() const { return static_cast<int>(m_pSections.size()); }
    // Null for a section or cell that the sheet does not have.
    CNdChnData* GetProperty(int section, int cell) const;
    CSection* GetSection(int section) const;
    int GetNumCells(int section) const;

    // Appends an owned section of the given cells.
    void AddSection(CSection section);
    std::unique_ptr<CDataSheet> CreateView() const;
    // A sheet of its own holding copies of every cell.
    std::unique_ptr<CDataSheet> Clone() const;

private:
    std::vector<CSection*> m_pSections;
    std::vector<std::unique_ptr<CSection>> m_ownedSections;
};
