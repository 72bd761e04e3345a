#include "resources/tools/StringTableParser.h"

#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "resources/HostResources.h"
#include "resources/ModuleResources.h"

namespace {

using Tarvik::Resources::ParsedString;
using Tarvik::Resources::ParseStringTable;

std::vector<ParsedString> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseStringTable(in);
}

TEST(StringTableParser, ReadsSectionsIdsAndEscapes) {
    const auto entries = Parse("# comment\n"
                               "[language 0x0409]\n"
                               "0xE004 =  Line one\\nline two\\t\\\\ %1  \n"
                               "\n"
                               "17=\\sspaced\\s\n"
                               "[ language 1031 ]\n"
                               "17 = Gr\xC3\xB6\xC3\x9F"
                               "e \\u00B5m\r\n");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].id, 0xE004u);
    EXPECT_EQ(entries[0].language, 0x0409);
    EXPECT_EQ(entries[0].text, u"Line one\nline two\t\\ %1");
    EXPECT_EQ(entries[1].text, u" spaced ");
    EXPECT_EQ(entries[2].language, 1031);
    EXPECT_EQ(entries[2].text, u"Gr\u00F6\u00DFe \u00B5m");
}

TEST(StringTableParser, RefusesMistakesNamingTheLine) {
    const char* bad[] = {
        "12 = before any section\n",
        "[language 0x0409]\n12 text without equals\n",
        "[language 0x0409]\n12 = a\n12 = twice\n",
        "[language 0x0409]\n0 = id zero\n",
        "[language 0x0409]\n65536 = too large\n",
        "[language 0x0409]\nx1 = not a number\n",
        "[language 0x0409]\n12 = bad \\q escape\n",
        "[language 0x0409]\n12 = short \\u12\n",
        "[lang 9]\n",
    };
    for (const char* text : bad) {
        try {
            Parse(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind("line ", 0), 0u) << e.what();
        }
    }
}

TEST(StringTables, TheHostTableHoldsTheErrorAndLocaleTexts) {
    std::vector<UINT> ids;
    for (const StringResource& s : Vantrel::HostStringTable()) {
        EXPECT_EQ(s.language, 0x0409);
        EXPECT_FALSE(s.text.empty());
        ids.push_back(s.id);
    }
    for (UINT id : {0xE001u, 0xE004u, 0xE005u, 0xE00Eu, 20007u, 20018u})
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
}

TEST(StringTables, TheModuleVersionCarriesTheExtensionEntries) {
    const VersionInfo info = Tarvik::ModuleVersionInfo();
    auto value = [&](const std::u16string& key) {
        for (const auto& [k, v] : info.strings)
            if (k == key)
                return v;
        return std::u16string(u"<missing>");
    };
    EXPECT_EQ(value(u"ExtensionType"), u"Module");
    EXPECT_EQ(value(u"ExtensionCLSID"), u"{6B2CBAC1-E243-4BC9-8E7E-3E3FB5062DED}");
    EXPECT_EQ(value(u"FileDescription"), u"Tarvik");
    EXPECT_EQ(value(u"FileVersion"), u"2.0");
    EXPECT_LT(info.fixed.dwFileVersionLS & 0xFFFF, 1024u);
}

} // namespace
