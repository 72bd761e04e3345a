#include "core/XOvo.h"

#include <gtest/gtest.h>

#include "core/ResourceStrings.h"
#include "resources/HostResources.h"

namespace {

using Ovo::String;

class XOvoTest : public ::testing::Test {
protected:
    void SetUp() override { Vantrel::RegisterHostResources(); }
    void TearDown() override { UnregisterResources(nullptr); }
};

TEST_F(XOvoTest, ErrorTableMapsModuleCodesToHostTexts) {
    struct Case {
        std::uint32_t code;
        UINT id; // 0: no text
    };
    const Case cases[] = {{0xA0048200, 0xE001}, {0xA0048201, 0xE002}, {0xA0048202, 0xE003},
                          {0xA0048203, 0xE004}, {0xA0048204, 0xE005}, {0xA0048205, 0xE005},
                          {0xA0048206, 0xE008}, {0xA0048207, 0xE006}, {0xA0048208, 0xE007},
                          {0xA0048209, 0xE00A}, {0xA004820A, 0},      {0xA004820C, 0},
                          {0xA004820F, 0},      {0xA0048210, 0},      {0xA0048211, 0},
                          {0xA0048212, 0xE00E}, {0xA0048219, 0},      {0xA004821A, 0}};
    for (const Case& c : cases) {
        String expected;
        if (c.id != 0)
            Ovo::LoadResString(expected, nullptr, c.id, true);
        EXPECT_EQ(XOvo::CodeText(MakeHResult(c.code)), expected) << std::hex << c.code;
        EXPECT_EQ(c.id == 0, expected.IsEmpty()) << std::hex << c.code;
    }
    EXPECT_EQ(XOvo::CodeText(OVO_E_STRING_RECORD), String(u"A text stored in the data is damaged."));
    // Placeholders in the host's texts are substituted.
    EXPECT_EQ(XOvo::CodeText(MakeHResult(0xA0048200)), String(u"Vantrel reported an internal error."));
    EXPECT_EQ(XOvo::CodeText(MakeHResult(0x80030105)), XOvo::CodeText(OVO_E_PERSISTED_DATA));
}

TEST_F(XOvoTest, SystemCodesGetTheSystemTextEndingWithAPeriod) {
    EXPECT_EQ(XOvo::CodeText(E_FAIL), String(u"Unspecified error."));
    // Win32 codes are looked up by their error number; a text's own period is kept.
    EXPECT_EQ(XOvo::CodeText(MakeHResult(0x80070002)), String(u"The system cannot find the file specified."));
    EXPECT_EQ(XOvo::CodeText(E_OUTOFMEMORY),
              String(u"Not enough memory resources are available to complete this operation."));
    EXPECT_TRUE(XOvo::CodeText(MakeHResult(0x8765ABCD)).IsEmpty());
}

TEST_F(XOvoTest, MessageIsTheTextFollowedByTheCodeText) {
    struct Case {
        std::uint32_t code;
        const char16_t* message;
    };
    for (const Case& c :
         {Case{0, u"Units size mismatch"}, Case{0xA0048210, u"Units size mismatch"},
          Case{0xA0048211, u"Units size mismatch"}, Case{0xA004820F, u"Units size mismatch\n"},
          Case{0x80004005, u"Units size mismatch\nUnspecified error."},
          Case{0xA0048203, u"Units size mismatch\nA text stored in the data is damaged."}}) {
        const XOvo e(String(u"Units size mismatch"), MakeHResult(c.code));
        EXPECT_EQ(e.Message(), String(c.message)) << std::hex << c.code;
        EXPECT_EQ(e.Code(), MakeHResult(c.code));
    }
}

TEST_F(XOvoTest, CarriesItsCodeAndANarrowMessage) {
    try {
        throw XOvo(OVO_E_STRING_RECORD);
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "A text stored in the data is damaged.");
        EXPECT_EQ(dynamic_cast<const XOvo&>(e).Code(), OVO_E_STRING_RECORD);
    }
    const XOvo accented(String(u"Druck \u00FCber Grenze"), 0);
    EXPECT_STREQ(accented.what(), "Druck \xFC"
                                  "ber Grenze");
}

} // namespace
