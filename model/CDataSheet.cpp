// Data sheets: sections added, views that list them, and copies.
#include "model/CDataSheet.h"

void CDataSheet::AddSection(CSection section)
{
    m_ownedSections.push_back(std::make_unique<CSection>(std::move(section)));
    m_pSections.push_back(m_ownedSections.back().get());
}

std::unique_ptr<CDataSheet> CDataSheet::CreateView() const
{
    auto view = std::make_unique<CDataSheet>();
    view->m_pSections = m_pSections;
    return view;
}

bool CDataSheet::CopyCells(const CDataSheet& other)
{
    if (other.GetNumSections() != GetNumSections())
        return false;
    for (size_t s = 0; s < m_pSections.size(); ++s) {
        const CSection& to = *m_pSections[s];
        const CSection& from = *other.m_pSections[s];
        if (to.size() != from.size())
            return false;
        for (size_t c = 0; c < to.size(); ++c) {
            if (!to[c] || !from[c])
                return false;
        }
    }
    for (size_t s = 0; s < m_pSections.size(); ++s) {
        const CSection& to = *m_pSections[s];
        const CSection& from = *other.m_pSections[s];
        for (size_t c = 0; c < to.size(); ++c)
            *to[c] = *from[c];
    }
    return true;
}

std::unique_ptr<CDataSheet> CDataSheet::Clone() const
{
    auto copy = std::make_unique<CDataSheet>();
    for (const CSection* section : m_pSections) {
        CSection cells;
        for (const auto& cell : *section)
            cells.push_back(cell ? std::make_unique<CNdChnData>(*cell) : nullptr);
        copy->AddSection(std::move(cells));
    }
    return copy;
}
