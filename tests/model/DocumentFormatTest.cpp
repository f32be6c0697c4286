// The document file format: archive strings, the bytes of a default document, writing and
// reading again, the older versions' readers, and files that end early.
#include "model/CArchive.h"
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "setup/alarms/CAlarm.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Str(const std::string& text)
{
    Bytes b(text.size() + 1);
    b[0] = static_cast<uint8_t>(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        b[i + 1] = static_cast<uint8_t>(text[i]);
    return b;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Every text of a setup type: its cells section by section, and for the alarms their flag cells.
std::vector<std::string> Texts(CQ4kUnit& unit, int type)
{
    std::vector<std::string> texts;
    CNordaSetupType* t = unit.GetSetupType(type);
    for (int s = 0; s < t->GetSheet()->GetNumSections(); ++s) {
        for (int c = 0; c < t->GetSheet()->GetNumCells(s); ++c) {
            const CNdChnData* cell = t->GetProperty(s, c);
            std::string all = cell->GetName() + "|" + std::to_string(cell->m_nCurSel);
            for (const auto& item : cell->GetData())
                all += "|" + item;
            texts.push_back(all);
        }
    }
    if (auto* alarms = dynamic_cast<CAlarm*>(t)) {
        for (int k = 0; k < CAlarm::ALARM_CHANNELS; ++k) {
            for (int i = 0; i < CAlarm::ALARM_FLAGS; ++i)
                texts.push_back(alarms->GetFlagCell(k, i)->GetName() + "=" + alarms->GetFlagCell(k, i)->GetDataAsString());
        }
    }
    return texts;
}

class DocumentFormat : public ::testing::Test {
protected:
    void SetUp() override { m_unit.Initialize(); }

    CNordaSetupType& Type(int i) { return *m_unit.GetSetupType(i); }
    void Edit(int type, int s, int c, const std::string& text)
    {
        ASSERT_NE(Type(type).ValidateData(s, c, text), 0) << type << " " << s << " " << c << " " << text;
    }
    // A set-up that differs from the defaults in every setup type.
    void EditEveryType()
    {
        Edit(ST_GENERAL, 3, 1, "17");
        Edit(ST_GENERAL, 11, 1, "+REF");
        Edit(ST_PHYSICAL, 1, 1, "10 V");
        Edit(ST_PHYSICAL, 1, 2, "bar");
        Edit(ST_PHYSICAL, 1, 5, "10");
        Edit(ST_PHYSICAL, 1, 6, "250");
        Edit(ST_LOGICAL, 1, 1, "IN 11");
        Edit(ST_ALARM, 1, 1, "IN 11");
        Edit(ST_ALARM, 2, 1, "LOG1");
        Edit(ST_ALARM, 1, 5, "PUMP \xB1");
        Edit(ST_ALARM, 1, 4, "120");
    }
    int Load(const Bytes& bytes) { return m_file.LoadBytes(m_unit, bytes, "test.q4g"); }

    // A document of an older version: General as given by sections (file order), the Logical
    // Inputs with their first eight sections only, the others in their common shape.
    Bytes OldDocument(unsigned version, const std::vector<int>& generalSections)
    {
        CArchive ar;
        ar.WriteUInt32(version);
        WriteSections(ar, Type(ST_GENERAL), generalSections, version);
        Type(ST_PHYSICAL).DoFileReadWrite(ar, version);
        WriteSections(ar, Type(ST_LOGICAL), {0, 1, 2, 3, 4, 5, 6, 7}, version);
        Type(ST_ALARM).DoFileReadWrite(ar, version);
        return ar.GetBuffer();
    }
    static void WriteSections(CArchive& ar, CNordaSetupType& type, const std::vector<int>& sections, unsigned version)
    {
        ar.WriteString(type.m_strTitle);
        ar.WriteInt32(type.m_nSetupType);
        for (int s : sections) {
            for (int c = 0; c < type.GetSheet()->GetNumCells(s); ++c)
                type.GetProperty(s, c)->DoFileReadWrite(ar, version);
        }
    }

    RecordingPrompt m_prompt;
    CQ4kUnit m_unit{m_prompt};
    CDocumentFile m_file;
};

}  // namespace

TEST(ArchiveString, LengthTakesOneThreeOrSevenBytes)
{
    struct Case {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'x');
        CArchive out;
        out.WriteString(text);
        const Bytes& bytes = out.GetBuffer();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(c.prefix.size())), c.prefix);
        CArchive in(bytes);
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_EQ(in.GetPosition(), bytes.size());
    }
}

TEST(ArchiveString, WideMarkerReadsUtf16AsWindows1252)
{
    // 0xFF 0xFFFE, then the length 3 and "A", the plus-minus sign and the euro sign in UTF-16LE.
    CArchive in(Bytes{0xFF, 0xFE, 0xFF, 0x03, 'A', 0x00, 0xB1, 0x00, 0xAC, 0x20, 0x07});
    EXPECT_EQ(in.ReadString(), "A\xB1\x80");
    EXPECT_EQ(in.ReadUInt8(), 0x07);

    // A long wide string: the marker, then 0xFF and a 2-byte length.
    Bytes longWide{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i)
        longWide.insert(longWide.end(), {'z', 0x00});
    CArchive in2(longWide);
    EXPECT_EQ(in2.ReadString(), std::string(300, 'z'));
}

TEST_F(DocumentFormat, DefaultDocumentBeginsAsTheWorkedExample)
{
    Bytes expected = Bytes{0x03, 0x00, 0x00, 0x00} + Str("General") + Bytes{0, 0, 0, 0} + Str("Constants")
                     + Bytes{0x1E, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0, 0, 0} + Str("Constants");
    Bytes bytes = CDocumentFile::SaveBytes(m_unit);
    ASSERT_GT(bytes.size(), expected.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(expected.size())), expected);
}

TEST_F(DocumentFormat, WrittenReadAndWrittenAgainIsByteForByteEqual)
{
    Bytes defaults = CDocumentFile::SaveBytes(m_unit);
    ASSERT_TRUE(Load(defaults)) << m_file.GetError();
    EXPECT_EQ(CDocumentFile::SaveBytes(m_unit), defaults);

    EditEveryType();
    Bytes edited = CDocumentFile::SaveBytes(m_unit);
    std::vector<std::string> before[4];
    for (int t = 0; t < 4; ++t)
        before[t] = Texts(m_unit, t);
    ASSERT_NE(edited, defaults);
    ASSERT_TRUE(Load(edited)) << m_file.GetError();
    EXPECT_EQ(CDocumentFile::SaveBytes(m_unit), edited);
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(Texts(m_unit, t), before[t]) << "setup type " << t;
}

TEST_F(DocumentFormat, RecordsKeepTheSetupTypesOwnTitleAndIdentity)
{
    Bytes bytes = CDocumentFile::SaveBytes(m_unit);
    // The General record's title "General" becomes "Genxxxx", its identity 9.
    bytes[5 + 3] = 'x';
    bytes[12] = 9;
    ASSERT_TRUE(Load(bytes)) << m_file.GetError();
    EXPECT_EQ(Type(ST_GENERAL).m_strTitle, "General");
    EXPECT_EQ(Type(ST_GENERAL).m_nSetupType, ST_GENERAL);
    EXPECT_EQ(CDocumentFile::SaveBytes(m_unit), CDocumentFile::SaveBytes(m_unit));
}

TEST_F(DocumentFormat, VersionTwoKeepsTheProgramsRowLabels)
{
    Edit(ST_GENERAL, 3, 1, "12");
    for (int s = 1; s <= 14; ++s)
        Type(ST_GENERAL).GetProperty(s, 0)->GetData()[0] = "Old label";
    Type(ST_PHYSICAL).GetProperty(3, 0)->GetData()[0] = "IN 99";
    std::vector<int> sections;
    for (int s = 0; s <= 14; ++s)
        sections.push_back(s);
    Bytes file = OldDocument(2, sections);

    ASSERT_TRUE(Load(file)) << m_file.GetError();
    EXPECT_EQ(Type(ST_GENERAL).GetCellText(3, 0), "Device Number");
    EXPECT_EQ(Type(ST_GENERAL).GetCellText(14, 0), "Hysteresis in %");
    EXPECT_EQ(Type(ST_GENERAL).GetCellText(3, 1), "12");
    EXPECT_EQ(Type(ST_PHYSICAL).GetCellText(3, 0), "IN 13");
}

TEST_F(DocumentFormat, VersionOneRowsGoToTheirSectionsAndProtocolIsNordaBus)
{
    // The file's rows in their older order, by label.
    const char* const fileOrder[14] = {"Constants", "Initialization", "Function Test", "Device Number",
                                       "RS 232 Baud Rate", "RS 485 Baud Rate", "Remote Reset",
                                       "Output Follows Alarm  ", "Remote LED Test", "Block", "Reset Function",
                                       "Alarm Out Inverted", "Second Alarm Pulse", "Hysteresis in %"};
    struct Value {
        const char* label;
        const char* text;
    } values[] = {
        {"Device Number", "5"},     {"RS 232 Baud Rate", "1200"}, {"RS 485 Baud Rate", "2400"},
        {"Remote LED Test", "ON"},  {"Remote Reset", "OFF"},      {"Block", "+REF"},
        {"Reset Function", "RESET 3"}, {"Hysteresis in %", "2.5"},
    };
    CNordaSetupType& general = Type(ST_GENERAL);
    auto sectionOf = [&](const std::string& label) {
        for (int s = 0; s <= 14; ++s) {
            if (general.GetCellText(s, 0) == label)
                return s;
        }
        return -1;
    };
    for (const Value& v : values)
        Edit(ST_GENERAL, sectionOf(v.label), 1, v.text);
    std::vector<int> sections;
    for (const char* label : fileOrder)
        sections.push_back(sectionOf(label));
    ASSERT_EQ(sections[8], 7);  // file section 8, Remote LED Test, is sheet section 7
    Bytes file = OldDocument(1, sections);

    ASSERT_TRUE(Load(file)) << m_file.GetError();
    for (const Value& v : values)
        EXPECT_EQ(general.GetCellText(sectionOf(v.label), 1), v.text) << v.label;
    EXPECT_EQ(general.GetCellText(4, 1), "NORDA BUS");
}

TEST_F(DocumentFormat, GeneralChoicesWrittenByOlderProgramsLoadWithTheCurrentTexts)
{
    struct Case {
        int section;
        std::vector<std::string> stored;
        int sel;
        std::vector<std::string> loaded;
    } cases[] = {
        {1, {"Off", "Config", "Conf+Gen"}, 2, {"OFF", "CONFIG", "CONF + GEN"}},
        {2, {"no", "yes"}, 1, {"OFF", "ON"}},
        {9, {"D", "R2", "R3"}, 1, {"DEFAULT", "RESET 2", "RESET 3"}},
        {11, {"x", "y"}, 1, {"OFF", "+REF"}},                       // fewer items: only those
        {11, {"a", "b", "c", "d"}, 3, {"OFF", "+REF", "-REF", "d"}},  // more items: the rest stay
        {5, {"a", "b"}, 1, {"a", "b"}},                             // baud rates are not repaired
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        m_unit.Initialize();
        CNdChnData* cell = Type(ST_GENERAL).GetProperty(c.section, 1);
        cell->GetData() = c.stored;
        cell->m_nCurSel = c.sel;
        ASSERT_TRUE(Load(CDocumentFile::SaveBytes(m_unit))) << m_file.GetError();
        cell = Type(ST_GENERAL).GetProperty(c.section, 1);
        EXPECT_EQ(cell->GetData(), c.loaded);
        EXPECT_EQ(cell->m_nCurSel, c.sel);
    }
}

TEST_F(DocumentFormat, OldLogicalRecordHasEightSectionsAndShortNames)
{
    CNdChnData* list = Type(ST_LOGICAL).GetProperty(3, 1);
    list->GetData() = {"OFF", "IN 11", "LOG1 (1A)", "LOG2 (1B)"};
    list->m_nCurSel = 2;
    Type(ST_LOGICAL).GetProperty(8, 1)->GetData() = {"never read"};
    Bytes file = OldDocument(2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});

    ASSERT_TRUE(Load(file)) << m_file.GetError();
    list = Type(ST_LOGICAL).GetProperty(3, 1);
    EXPECT_EQ(list->GetData(), (std::vector<std::string>{"OFF", "IN 11", "LOG1", "LOG2"}));
    EXPECT_EQ(list->GetDataAsString(), "LOG1");
    EXPECT_NE(Type(ST_LOGICAL).GetCellText(8, 1), "never read");
    // The same items in a current file are read as they are.
    list->GetData() = {"OFF", "LOG1 (1A)"};
    ASSERT_TRUE(Load(CDocumentFile::SaveBytes(m_unit)));
    EXPECT_EQ(Type(ST_LOGICAL).GetProperty(3, 1)->GetData(), (std::vector<std::string>{"OFF", "LOG1 (1A)"}));
}

TEST_F(DocumentFormat, AlarmInputListsReadLogicalInputsByShortName)
{
    for (int col : {CAlarm::COL_INPREF, CAlarm::COL_DYNREF}) {
        CNdChnData* list = Type(ST_ALARM).GetProperty(5, col);
        list->GetData() = {"OFF", "IN 11", "LOG3 (1C)"};
        list->m_nCurSel = 2;
    }
    ASSERT_TRUE(Load(CDocumentFile::SaveBytes(m_unit))) << m_file.GetError();
    for (int col : {CAlarm::COL_INPREF, CAlarm::COL_DYNREF}) {
        EXPECT_EQ(Type(ST_ALARM).GetProperty(5, col)->GetData(), (std::vector<std::string>{"OFF", "IN 11", "LOG3"}));
        EXPECT_EQ(Type(ST_ALARM).GetCellText(5, col), "LOG3");
    }
}

TEST_F(DocumentFormat, LcdDegreeSignIsReadAsWindows1252)
{
    Edit(ST_PHYSICAL, 2, 1, "20 mA");
    CNdChnData* unitCell = Type(ST_PHYSICAL).GetProperty(2, 2);
    unitCell->GetData().push_back("\xDF" "C");
    unitCell->m_nCurSel = static_cast<int>(unitCell->GetData().size()) - 1;
    Bytes bytes = CDocumentFile::SaveBytes(m_unit);
    ASSERT_TRUE(Load(bytes)) << m_file.GetError();
    EXPECT_EQ(Type(ST_PHYSICAL).GetCellText(2, 2), "\xB0" "C");
    Bytes again = CDocumentFile::SaveBytes(m_unit);
    std::string text(again.begin(), again.end());
    EXPECT_EQ(text.find("\x02\xDF" "C"), std::string::npos);
}

// A load costs a whole default set-up plus the parse, so the unit is loaded at the offsets
// around every record's end and at a stride elsewhere; the record readers below see every offset.
TEST_F(DocumentFormat, FileCutShortFailsKeepingTheRecordsReadBeforeIt)
{
    EditEveryType();
    Bytes full = CDocumentFile::SaveBytes(m_unit);
    std::vector<std::string> edited[4];
    for (int t = 0; t < 4; ++t)
        edited[t] = Texts(m_unit, t);
    size_t ends[4];
    {
        CArchive ar;
        ar.WriteUInt32(3);
        for (int t = 0; t < 4; ++t) {
            Type(t).DoFileReadWrite(ar, 3);
            ends[t] = ar.GetBuffer().size();
        }
        ASSERT_EQ(ar.GetBuffer(), full);
    }
    m_unit.Initialize();
    std::vector<std::string> defaults[4];
    for (int t = 0; t < 4; ++t)
        defaults[t] = Texts(m_unit, t);

    auto nearBoundary = [&](size_t cut) {
        for (size_t end : {size_t{4}, ends[0], ends[1], ends[2], ends[3]}) {
            if (cut + 32 >= end && cut <= end + 32)
                return true;
        }
        return false;
    };
    int loads = 0;
    for (size_t cut = 0; cut < full.size(); ++cut) {
        if (!nearBoundary(cut) && cut % 151 != 0)
            continue;
        ++loads;
        ASSERT_EQ(Load(Bytes(full.begin(), full.begin() + static_cast<long>(cut))), 0) << cut;
        ASSERT_EQ(m_file.GetError().rfind("test.q4g is not a valid Q4150 file: ", 0), 0u) << m_file.GetError();
        for (int t = 0; t < 4; ++t)
            ASSERT_EQ(Texts(m_unit, t), ends[t] <= cut ? edited[t] : defaults[t]) << "cut at " << cut << ", setup type " << t;
    }
    EXPECT_GT(loads, 400);
}

TEST_F(DocumentFormat, EveryRecordCutAtEveryOffsetRaisesTheArchiveException)
{
    EditEveryType();
    for (int t = 0; t < 4; ++t) {
        CArchive out;
        Type(t).DoFileReadWrite(out, 3);
        const Bytes& record = out.GetBuffer();
        for (size_t cut = 0; cut < record.size(); ++cut) {
            // The Alarms record repeats one row shape 48 times: its middle rows are sampled.
            if (t == ST_ALARM && cut > 8000 && cut + 1000 < record.size() && cut % 7 != 0)
                continue;
            CArchive in(Bytes(record.begin(), record.begin() + static_cast<long>(cut)));
            try {
                Type(t).DoFileReadWrite(in, 3);
                ADD_FAILURE() << "setup type " << t << " read a record cut at " << cut;
            } catch (const CArchiveException& e) {
                ASSERT_TRUE(e.m_cause == CArchiveException::END_OF_FILE || e.m_cause == CArchiveException::BAD_SCHEMA)
                    << "setup type " << t << " cut at " << cut;
            }
        }
    }
}
