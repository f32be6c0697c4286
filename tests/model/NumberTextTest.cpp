// The locale-independent number helpers against the C library in the "C" locale, and under a
// decimal-comma locale, where the C library itself would read and write "12,5".
#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Switches the C library's locale for the life of the object.
struct CLocale {
    explicit CLocale(const char* name) : saved(std::setlocale(LC_ALL, nullptr)), ok(std::setlocale(LC_ALL, name)) {}
    ~CLocale() { std::setlocale(LC_ALL, saved.c_str()); }
    std::string saved;
    bool ok;
};

const char* const g_NumberTexts[] = {
    "12.5", "  -3.25xyz", "+7", "abc", "", ".5", "5.", "1e3", "1e-400", "1e400", "-0", "0x1A",
    "0x", "0x.8p1", "inf", "-infinity", "nan", "12,5", "\t42", "3,25", "918000.5", "99999999999",
    "-99999999999999999999", "2147483648", "- 5", "1.2.3", "00012", "0.35",
};

}  // namespace

TEST(NumberText, ReadsAndWritesLikeTheCLibraryInTheCLocale)
{
    CLocale c("C");
    for (const char* text : g_NumberTexts) {
        SCOPED_TRACE(text);
        double expected = std::atof(text);
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(q4::AtoF(text)));
        else
            EXPECT_EQ(q4::AtoF(text), expected);
        EXPECT_EQ(q4::AtoI(text), std::atoi(text));
        EXPECT_EQ(q4::AtoL(text), std::atol(text));
    }
    const double values[] = {0, -0.0, 12.5, -12.5, 0.05, 0.125, 0.35, 1.005, 2.675, 918000, 1e20, 12.45,
                             0.15, 250 * 0.05, 1 * 0.05, 20 * 0.05, 123456789, 1e-5};
    char buf[512];
    for (double v : values) {
        SCOPED_TRACE(v);
        for (int decimals = 1; decimals <= 3; ++decimals) {
            std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
            EXPECT_EQ(q4::FormatF(v, decimals), buf);
        }
        std::snprintf(buf, sizeof buf, "%2g", v);
        EXPECT_EQ(q4::Format2g(v), buf);
        std::snprintf(buf, sizeof buf, "%d", static_cast<int>(v));
        EXPECT_EQ(q4::FormatD(static_cast<int>(v)), buf);
    }
}

TEST(NumberText, DecimalCommaLocaleDoesNotChangeTheResults)
{
    CLocale de("de_DE.UTF-8");
    if (!de.ok)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    // The C library itself now reads "12.5" as 12 and writes 12,5.
    ASSERT_EQ(std::atof("12.5"), 12.0);
    EXPECT_EQ(q4::AtoF("12.5"), 12.5);
    EXPECT_EQ(q4::AtoF("12,5"), 12.0);
    EXPECT_EQ(q4::FormatF(12.5, 1), "12.5");
    EXPECT_EQ(q4::FormatF(-3.25, 2), "-3.25");
    EXPECT_EQ(q4::Format2g(250 * 0.05), "12.5");
    EXPECT_EQ(q4::Format2g(0), " 0");
    EXPECT_EQ(q4::Format2g(1), " 1");
}

// What a person may give a number cell: the text stored, or nothing for a refusal.
TEST(NumberText, NumberEntryTakesNumbersOnly)
{
    struct Case {
        const char* typed;
        bool integer;
        const char* stored;  // null: refused
    } const cases[] = {
        {"12", true, "12"},       {" 07 ", true, "07"},     {"-5", true, "-5"},       {"+5", true, "+5"},
        {"12x", true, nullptr},   {"1.5", true, nullptr},   {"", true, nullptr},      {"-", true, nullptr},
        {"1 2", true, nullptr},   {"2,5", false, "2.5"},    {" 2,5 ", false, "2.5"},  {".5", false, ".5"},
        {"-.5", false, "-.5"},    {"1e3", false, "1e3"},    {"1.5E-2", false, "1.5E-2"}, {"1e+3", false, "1e+3"},
        {"5.", false, nullptr},   {"e3", false, nullptr},   {"1e", false, nullptr},   {"1.2.3", false, nullptr},
        {"abc", false, nullptr},  {"12abc", false, nullptr}, {"2,5,", false, nullptr}, {"--1", false, nullptr},
        {"0x1A", false, nullptr}, {"inf", false, nullptr},  {"\t1", false, nullptr},  {"   ", false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        std::optional<std::string> stored = q4::NumberEntry(c.typed, c.integer);
        ASSERT_EQ(stored.has_value(), c.stored != nullptr);
        if (stored) {
            EXPECT_EQ(*stored, c.stored);
        }
    }
}

TEST(NumberText, PlainNumberReadsOnlyWholeNumbers)
{
    EXPECT_EQ(q4::PlainNumber(" 0"), 0.0);
    EXPECT_EQ(q4::PlainNumber("0.300"), q4::PlainNumber("0.3"));
    EXPECT_EQ(q4::PlainNumber("+1e2"), 100.0);
    EXPECT_EQ(q4::PlainNumber("-0"), 0.0);
    for (const char* text : {"12x", "2,5", "", "1e400", "nan", "- 1"})
        EXPECT_FALSE(q4::PlainNumber(text).has_value()) << text;
}
