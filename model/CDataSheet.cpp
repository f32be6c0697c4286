// Data sheet look-ups.
#include "model/CDataSheet.h"

CNdChnData* CDataSheet::GetProperty(int section, int cell) const
{
    CSection* s = GetSection(section);
    if (!s || cell < 0 || cell >= static_cast<int>(s->size()))
        return nullptr;
    return (*s)[static_cast<size_t>(cell)].get();
}

CSection* CDataSheet::GetSection(int section) const
{
    if (section < 0 || section >= GetNumSections())
        return nullptr;
    return m_pSections[static_cast<size_t>(section)];
}

int CDataSheet::GetNumCells(int section) const
{
    CSection* s = GetSection(section);
    return s ? static_cast<int>(s->size()) : 0;
}

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
