// The document file format: archive strings, the bytes of a default document, writing and
// reading again, the older versions' readers, and files that end early.
#include "model/CArchive.h"
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

class DocumentFormat : public ::testing::Test {
protected:
    void SetUp() override { m_unit.Initialize(); }

    CNordaSetupType& Type(int i) { return *m_unit.GetSetupType(i); }
    void Edit(int type, int s, int c, const std::string& text)
    {
        ASSERT_NE(Type(type).ValidateData(s, c, text), 0) << type << " " << s << " " << c << " " << text;
    }
    // A set-up that differs from the defaults in every setup type, the alarms' flag cells too.
    void EditEveryType()
    {
        const std::tuple<int, int, int, const char*> edits[] = {
            {ST_GENERAL, 3, 1, "17"}, {ST_GENERAL, 11, 1, "+REF"}, {ST_PHYSICAL, 1, 1, "10 V"},
            {ST_PHYSICAL, 1, 2, "bar"}, {ST_PHYSICAL, 1, 6, "250"}, {ST_LOGICAL, 1, 1, "IN 11"},
            {ST_ALARM, 1, 1, "IN 11"}, {ST_ALARM, 2, 1, "LOG1"}, {ST_ALARM, 1, 5, "PUMP \xB1"}, {ST_ALARM, 1, 9, "BH"}};
        for (const auto& [type, s, c, text] : edits)
            Edit(type, s, c, text);
    }
    // One setup type's record as the current version writes it: everything a file keeps of it.
    Bytes Record(int type)
    {
        CArchive ar;
        Type(type).DoFileReadWrite(ar, 3);
        return ar.GetBuffer();
    }
    q4::Status Load(const Bytes& bytes) { return m_file.LoadBytes(m_unit, bytes, "test.q4g"); }

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
    const struct Case { size_t length; Bytes prefix; } cases[] = {
        {0, {0x00}}, {254, {0xFE}}, {255, {0xFF, 0xFF, 0x00}}, {300, {0xFF, 0x2C, 0x01}}, {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}}, {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
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
}

TEST_F(DocumentFormat, DefaultDocumentBeginsAsTheWorkedExample)
{
    // Version 3, the General record's title and identity 0, then its first cell: the label
    // "Constants" of type 30, editable 0, selection 0, style 0 and one item.
    const std::string head("\x03\0\0\0" "\x07General" "\0\0\0\0" "\x09" "Constants"
                           "\x1E\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\x01\0\0\0" "\x09" "Constants", 54);
    Bytes bytes = CDocumentFile::SaveBytes(m_unit);
    ASSERT_GT(bytes.size(), head.size());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<long>(head.size())), head);
}

// The title and identity in a record are dropped: the setup type keeps its own.
TEST_F(DocumentFormat, WrittenReadAndWrittenAgainIsByteForByteEqual)
{
    Bytes defaults = CDocumentFile::SaveBytes(m_unit);
    EditEveryType();
    Bytes edited = CDocumentFile::SaveBytes(m_unit);
    ASSERT_NE(edited, defaults);
    Bytes spoilt = edited;
    spoilt[5 + 3] = 'x';  // the General record's title "General" becomes "Genxxxx"
    spoilt[12] = 9;       // and its identity 9
    m_unit.Initialize();
    q4::Status loaded = Load(spoilt);
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_EQ(CDocumentFile::SaveBytes(m_unit), edited);
    EXPECT_EQ(Type(ST_GENERAL).m_nSetupType, ST_GENERAL);
}

TEST_F(DocumentFormat, AlarmInputListsReadLogicalInputsByShortName)
{
    for (int col : {1, 2}) {  // the input and dynamic references
        Type(ST_ALARM).GetProperty(5, col)->GetData() = {"OFF", "IN 11", "LOG3 (1C)"};
        Type(ST_ALARM).GetProperty(5, col)->m_nCurSel = 2;
    }
    q4::Status loaded = Load(CDocumentFile::SaveBytes(m_unit));
    ASSERT_TRUE(loaded) << loaded.Reason();
    for (int col : {1, 2}) {
        EXPECT_EQ(Type(ST_ALARM).GetProperty(5, col)->GetData(), (std::vector<std::string>{"OFF", "IN 11", "LOG3"}));
        EXPECT_EQ(Type(ST_ALARM).GetCellText(5, col), "LOG3");
    }
}

TEST_F(DocumentFormat, OlderVersionsPutRowsInTheirSectionsUnderTheProgramsLabels)
{
    // A version 1 file holds General's rows in an older order, here as sheet sections: the baud
    // rates swapped, Remote Reset and Output Follows Alarm before Remote LED Test, Block before
    // Reset Function, and no Protocol row. Version 2 holds them in today's order.
    const std::vector<int> fileOrder[2] = {{0, 1, 2, 3, 6, 5, 8, 10, 7, 11, 9, 12, 13, 14},
                                           {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}};
    const std::pair<int, const char*> values[] = {
        {3, "5"}, {6, "1200"}, {5, "2400"}, {7, "ON"}, {11, "+REF"}, {9, "RESET 3"}, {14, "2.5"},
    };
    for (unsigned version : {1u, 2u}) {
        SCOPED_TRACE(version);
        m_unit.Initialize();
        for (const auto& [section, text] : values)
            Edit(ST_GENERAL, section, 1, text);
        if (version == 2)
            Edit(ST_GENERAL, 4, 1, "NORDA BUS");  // version 1 had no choice: always NORDA BUS
        for (int s = 1; s <= 14; ++s)
            Type(ST_GENERAL).GetProperty(s, 0)->GetData()[0] = "Old label";
        Type(ST_PHYSICAL).GetProperty(3, 0)->GetData()[0] = "IN 99";
        Bytes file = OldDocument(version, fileOrder[version - 1]);
        m_unit.Initialize();
        q4::Status loaded = Load(file);
        ASSERT_TRUE(loaded) << loaded.Reason();
        for (const auto& [section, text] : values)
            EXPECT_EQ(Type(ST_GENERAL).GetCellText(section, 1), text) << section;
        EXPECT_EQ(Type(ST_GENERAL).GetCellText(4, 1), "NORDA BUS");
        EXPECT_EQ(Type(ST_GENERAL).GetCellText(3, 0), "Device Number");
        EXPECT_EQ(Type(ST_GENERAL).GetCellText(14, 0), "Hysteresis in %");
        EXPECT_EQ(Type(ST_PHYSICAL).GetCellText(3, 0), "IN 13");
    }
}

TEST_F(DocumentFormat, GeneralChoicesWrittenByOlderProgramsLoadWithTheCurrentTexts)
{
    using Items = std::vector<std::string>;
    const std::tuple<int, Items, int, Items> cases[] = {
        {1, {"Off", "Config", "Conf+Gen"}, 2, {"OFF", "CONFIG", "CONF + GEN"}},
        {2, {"no", "yes"}, 1, {"OFF", "ON"}},
        {9, {"D", "R2", "R3"}, 1, {"DEFAULT", "RESET 2", "RESET 3"}},
        {11, {"x", "y"}, 1, {"OFF", "+REF"}},                        // fewer items: only those
        {11, {"a", "b", "c", "d"}, 3, {"OFF", "+REF", "-REF", "d"}},  // more items: the rest stay
        {5, {"a", "b"}, 1, {"a", "b"}},                              // baud rates are not repaired
    };
    for (const auto& [section, stored, sel, loaded] : cases) {
        m_unit.Initialize();
        Type(ST_GENERAL).GetProperty(section, 1)->GetData() = stored;
        Type(ST_GENERAL).GetProperty(section, 1)->m_nCurSel = sel;
        q4::Status read = Load(CDocumentFile::SaveBytes(m_unit));
        ASSERT_TRUE(read) << read.Reason();
        EXPECT_EQ(Type(ST_GENERAL).GetProperty(section, 1)->GetData(), loaded) << section;
        EXPECT_EQ(Type(ST_GENERAL).GetProperty(section, 1)->m_nCurSel, sel) << section;
    }
}

// Every record reader refuses its record cut anywhere; a whole load, which costs a default
// set-up plus the parse, is cut only at and around the records' ends and in their middles.
TEST_F(DocumentFormat, FileCutShortFailsKeepingTheRecordsReadBeforeIt)
{
    EditEveryType();
    Bytes full = CDocumentFile::SaveBytes(m_unit);
    Bytes edited[4];
    size_t ends[5] = {4};
    for (int t = 0; t < 4; ++t) {
        edited[t] = Record(t);
        ends[t + 1] = ends[t] + edited[t].size();
    }
    ASSERT_EQ(ends[4], full.size());

    for (int t = 0; t < 4; ++t) {
        for (size_t cut = 0; cut < edited[t].size(); ++cut) {
            // The Alarms record repeats one row shape 48 times: its middle rows are sampled.
            if (t == ST_ALARM && cut > 8000 && cut + 1000 < edited[t].size() && cut % 7 != 0)
                continue;
            CArchive in(Bytes(edited[t].begin(), edited[t].begin() + static_cast<long>(cut)));
            try {
                Type(t).DoFileReadWrite(in, 3);
                ADD_FAILURE() << "setup type " << t << " read a record cut at " << cut;
            } catch (const CArchiveException& e) {
                ASSERT_TRUE(e.m_cause == CArchiveException::END_OF_FILE || e.m_cause == CArchiveException::BAD_SCHEMA)
                    << "setup type " << t << " cut at " << cut;
            }
        }
    }

    m_unit.Initialize();
    Bytes defaults[4];
    for (int t = 0; t < 4; ++t)
        defaults[t] = Record(t);
    std::vector<size_t> cuts = {0, 2};
    for (int t = 0; t < 4; ++t)
        cuts.insert(cuts.end(), {ends[t], ends[t] + 1, (ends[t] + ends[t + 1]) / 2, ends[t + 1] - 1});
    for (size_t cut : cuts) {
        q4::Status loaded = Load(Bytes(full.begin(), full.begin() + static_cast<long>(cut)));
        ASSERT_FALSE(loaded) << cut;
        ASSERT_EQ(loaded.Reason().rfind("test.q4g is not a valid Q4150 file: ", 0), 0u) << loaded.Reason();
        for (int t = 0; t < 4; ++t)
            ASSERT_EQ(Record(t), ends[t + 1] <= cut ? edited[t] : defaults[t]) << "cut at " << cut << ", setup type " << t;
    }
}
