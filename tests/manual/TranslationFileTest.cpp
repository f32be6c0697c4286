// The reader of the translators' .ts files, which gives the manual the program's words.
#include "manual/ManualBuilder.h"
#include "manual/TranslationFile.h"

#include <gtest/gtest.h>

namespace {

const char* const TS = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Headings</name>
    <message>
        <source>&lt;&gt;&#xB1;</source>
        <translatorcomment>the sign</translatorcomment>
        <translation>&lt;&gt;±</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Blockierung</translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Block</source>
        <translation>Sperre &amp; Block</translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s)</source>
        <translation><numerusform>%n Zelle</numerusform><numerusform>%n Zellen</numerusform></translation>
    </message>
    <message>
        <source>Hysteresis</source>
        <translation/>
    </message>
</context>
</TS>
)";

}  // namespace

TEST(TranslationFile, GivesTheFinishedTranslationsByContextAndSource)
{
    const auto translations = ReadTranslationFile(TS);
    const std::map<std::pair<std::string, std::string>, std::string> expected = {
        {{"Headings", "<>\xC2\xB1"}, "<>\xC2\xB1"},
        {{"Headings", "Block"}, "Blockierung"},
        {{"Messages", "Block"}, "Sperre & Block"},
    };
    EXPECT_EQ(translations, expected);  // the unfinished, the plural and the empty left out
}

TEST(TranslationFile, RefusesWhatIsNoTranslationFile)
{
    const char* const broken[] = {
        "<html><body>no translations</body></html>",
        "<TS><context><name>Sheets</name><message><source>General</source><translation>Allgemein",
        "<TS><context><name>Sheets</name><message><source>A &unknown; entity</source><translation>x</translation></message></context></TS>",
    };
    for (const char* text : broken)
        EXPECT_THROW(ReadTranslationFile(text), ManualError) << text;
}
