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
    // Null for a section or cell that the sheet does not have. Inline, and one comparison
    // each (a negative index is a huge unsigned one): every cascade of an edit looks up cells
    // by the thousand.
    CNdChnData* GetProperty(int section, int cell) const
    {
        CSection* s = GetSection(section);
        if (!s || static_cast<size_t>(cell) >= s->size())
            return nullptr;
        return (*s)[static_cast<size_t>(cell)].get();
    }
    CSection* GetSection(int section) const
    {
        if (static_cast<size_t>(section) >= m_pSections.size())
            return nullptr;
        return m_pSections[static_cast<size_t>(section)];
    }
    int GetNumCells(int section) const
    {
        CSection* s = GetSection(section);
        return s ? static_cast<int>(s->size()) : 0;
    }

    // Appends an owned section of the given cells.
    void AddSection(CSection section);
    std::unique_ptr<CDataSheet> CreateView() const;
    // A sheet of its own holding copies of every cell.
    std::unique_ptr<CDataSheet> Clone() const;
    // Copies every cell of other over the cell in the same place, keeping this sheet's cells
    // and their storage. False, with nothing copied, when the sheets differ in shape.
    bool CopyCells(const CDataSheet& other);

private:
    std::vector<CSection*> m_pSections;
    std::vector<std::unique_ptr<CSection>> m_ownedSections;
};
