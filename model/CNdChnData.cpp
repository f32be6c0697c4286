// Property cell operations: selection, sorted insertion, item lists and the cell file record.
#include "model/CNdChnData.h"

#include "model/CArchive.h"
#include "model/ItemList.h"
#include "model/StringTable.h"

#include <cstring>
#include <iterator>

namespace {

// Texts compare byte by byte as unsigned characters, the way strcmp does.
int CompareBytes(const std::string& a, const std::string& b)
{
    return std::strcmp(a.c_str(), b.c_str());
}

// Compared from the end: the names in the lists ("IN 11", "IN 12", ...) differ in their last
// characters.
bool SameBytes(const char* a, const char* b, size_t n)
{
    while (n > 0) {
        --n;
        if (a[n] != b[n])
            return false;
    }
    return true;
}

}  // namespace

CNdChnData::CNdChnData(short dataType, int editable, CTRL_STYLE style, uint32_t bkColour)
    : m_nDataType(dataType), m_bEditable(editable), m_nStyle(style), m_crBkColour(bkColour)
{
}

const std::string& CNdChnData::GetDataAsString() const
{
    static const std::string none;
    if (static_cast<size_t>(m_nCurSel) >= m_arData.size())  // a negative selection too
        return none;
    return m_arData[static_cast<size_t>(m_nCurSel)];
}

void CNdChnData::SetText(const std::string& text)
{
    if (m_nCurSel >= 0 && m_nCurSel < static_cast<int>(m_arData.size()))
        m_arData[static_cast<size_t>(m_nCurSel)] = text;
}

int CNdChnData::SetSelText(const std::string& text)
{
    if (m_arData.size() == 1) {
        m_arData[0] = text;
        return 0;
    }
    int index = -1;
    if (!IsItemExist(text, index))
        return -1;
    m_nCurSel = index;
    return index;
}

int CNdChnData::IsItemExist(const std::string& text, int& index) const
{
    // Equal as strcmp finds them: text up to its first zero byte, and the item ending there
    // too. Only items of that length are compared: lists are searched on every cascade.
    const size_t length = std::strlen(text.c_str());
    for (size_t i = 0; i < m_arData.size(); ++i) {
        const std::string& item = m_arData[i];
        if (item.size() >= length && item.c_str()[length] == '\0' && SameBytes(item.data(), text.data(), length)) {
            index = static_cast<int>(i);
            return 1;
        }
    }
    return 0;
}

void CNdChnData::RemoveItem(const std::string& text)
{
    int index = -1;
    if (!IsItemExist(text, index))
        return;
    m_arData.erase(m_arData.begin() + index);
    if (index == m_nCurSel)
        m_nCurSel = 0;
    else if (index < m_nCurSel)
        --m_nCurSel;
}

unsigned CNdChnData::AddData(const std::string& items)
{
    std::vector<std::string> pieces = q4::SplitItemList(items);
    if (m_arData.empty()) {
        m_arData = std::move(pieces);
    } else {
        m_arData.insert(m_arData.end(), std::make_move_iterator(pieces.begin()),
                        std::make_move_iterator(pieces.end()));
    }
    return static_cast<unsigned>(m_arData.size());
}

unsigned CNdChnData::Put(const std::string& text, int start, int)
{
    for (size_t i = start < 0 ? 0 : static_cast<size_t>(start); i < m_arData.size(); ++i) {
        if (CompareBytes(m_arData[i], text) > 0) {
            m_arData.insert(m_arData.begin() + static_cast<long>(i), text);
            if (static_cast<int>(i) <= m_nCurSel)
                ++m_nCurSel;
            return static_cast<unsigned>(m_nCurSel);
        }
    }
    AddData(text);
    return static_cast<unsigned>(m_nCurSel);
}

unsigned CNdChnData::AddProp(const _PROPINFO& info)
{
    m_strPropName = info.pszName ? info.pszName : "";
    m_nDataType = info.nDataType;
    m_bEditable = info.bEditable;
    m_nStyle = info.nStyle;
    m_nCurSel = 0;
    return AddData(info.pszData ? info.pszData : "");
}

void CNdChnData::Copy(const CNdChnData& src)
{
    m_nDataType = src.m_nDataType;
    m_bEditable = src.m_bEditable;
    m_nCurSel = src.m_nCurSel;
    m_nTextLen = src.m_nTextLen;
    m_arData = src.m_arData;
    m_crBkColour = src.m_crBkColour;
}

void CNdChnData::DoFileReadWrite(CArchive& ar, unsigned)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strPropName);
        ar.WriteInt16(m_nDataType);
        ar.WriteInt32(m_bEditable);
        ar.WriteInt32(m_nCurSel);
        ar.WriteInt32(static_cast<int32_t>(m_nStyle));
        ar.WriteInt32(static_cast<int32_t>(m_arData.size()));
        for (auto& item : m_arData)
            ar.WriteString(item);
        return;
    }
    ar.ReadStringInto(m_strPropName);
    m_nDataType = ar.ReadInt16();
    m_bEditable = ar.ReadInt32();
    m_nCurSel = ar.ReadInt32();
    m_nStyle = static_cast<CTRL_STYLE>(ar.ReadInt32());
    int32_t count = ar.ReadInt32();
    // Every item takes at least its length byte: a count beyond the bytes left cannot be read,
    // and is refused before thousands of items are read in vain.
    if (count > 0 && static_cast<size_t>(count) > ar.GetBuffer().size() - ar.GetPosition()) {
        m_arData.clear();
        throw CArchiveException(CArchiveException::END_OF_FILE, LoadString(IDS_END_OF_FILE));
    }
    // The items are read over the ones the cell holds: a load mostly finds lists of the same
    // length, and their strings keep their storage.
    m_arData.resize(count > 0 ? static_cast<size_t>(count) : 0);
    for (size_t i = 0; i < m_arData.size(); ++i) {
        std::string& item = m_arData[i];
        try {
            ar.ReadStringInto(item);
        } catch (const CArchiveException&) {
            m_arData.resize(i);  // a list cut short keeps what was read, nothing older
            throw;
        }
        // 0xDF is the degree sign of the unit's LCD; the sheet holds Windows-1252's 0xB0. Tested
        // by length first: a string compare on every item of every list costs a sixth of a load.
        if (item.size() == 2 && item[0] == '\xDF' && item[1] == 'C')
            item[0] = '\xB0';
    }
}
