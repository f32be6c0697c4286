// The property cell: one editable parameter of the set-up, its presentation and its items.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CArchive;

// A fixed underlying type: a style read from a file may hold any 32-bit value.
enum CTRL_STYLE : int { CTRL_EDIT = 0, CTRL_LIST = 1, CTRL_POPUP = 2 };

// Data type codes handed to the grid (VT_LPSTR, VT_R4, VT_I4).
enum : short { DT_TEXT = 30, DT_REAL = 4, DT_INT = 3 };

constexpr uint32_t CLR_GRID_DEFAULT = 0xFF000000;

struct _PROPINFO {
    const char* pszName;
    short nDataType;
    int bEditable;
    CTRL_STYLE nStyle;
    const char* pszData;  // items separated by ";"
};

class CNdChnData {
public:
    CNdChnData() = default;
    CNdChnData(short dataType, int editable, CTRL_STYLE style, uint32_t bkColour);
    CNdChnData(const CNdChnData&) = default;
    CNdChnData& operator=(const CNdChnData&) = default;
    virtual ~CNdChnData() = default;

    const std::string& GetName() const { return m_strPropName; }
    void SetPropName(const std::string& name) { m_strPropName = name; }
    std::vector<std::string>& GetData() { return m_arData; }
    const std::vector<std::string>& GetData() const { return m_arData; }
    // The selected item; an empty text when the selection is no item.
    const std::string& GetDataAsString() const;
    void SetText(const std::string& text);
    int SetSelText(const std::string& text);
    int IsItemExist(const std::string& text, int& index) const;
    void RemoveItem(const std::string& text);
    unsigned AddData(const std::string& items);
    // Appends one item as it is, a ";" in it too (an LCD unit text may hold one).
    void AddItem(const std::string& item) { m_arData.push_back(item); }
    unsigned Put(const std::string& text, int start, int unused);
    unsigned AddProp(const _PROPINFO& info);
    void Copy(const CNdChnData& src);
    void DoFileReadWrite(CArchive& ar, unsigned version);

    std::string m_strPropName;
    short m_nDataType = 0;
    int m_bEditable = 1;
    int m_nCurSel = 0;
    CTRL_STYLE m_nStyle = CTRL_EDIT;
    std::vector<std::string> m_arData;
    int m_nTextLen = -1;
    uint32_t m_crBkColour = 0x00FFFFFF;
};
