#include "host/engine/UnitService.h"

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/StorageBinOStreamLite.h"
#include "core/String.h"
#include "platform/win32/com_ptr.h"

#include <gtest/gtest.h>

#include <sstream>

namespace Vantrel {
namespace {

struct Unit {
    LONG prefix = 0;
    std::string base;
};

Unit describe(IUnknown* unit) {
    ComPtr<IUnitName> name = ComPtr<IUnknown>(unit).Query<IUnitName>(IID_IUnitName);
    Unit result;
    Ovo::String base;
    name->GetPrefixCode(&result.prefix);
    name->GetBaseText(Ovo::OvoStringOutParam(base));
    result.base = base.ToUtf8();
    return result;
}

class UnitServiceTest : public ::testing::Test {
protected:
    ComPtr<IUnitName> create(LONG prefix, const char* base) {
        ComPtr<IUnitName> unit;
        auto text = ComPtr<IAutoOvoString>::Adopt(Ovo::String(base).GetInterface());
        EXPECT_EQ(service->CreateUnitName(prefix, text.Get(), unit.Put()), S_OK);
        return unit;
    }

    ComPtr<UnitService> service = ComPtr<UnitService>::Adopt(new UnitService);
};

TEST_F(UnitServiceTest, WritesAndReadsUnitsBack) {
    std::stringbuf bytes;
    Ovo::BinOStream out(&bytes, false);
    out.WriteU32(kStorageStreamHeader);
    for (auto [prefix, base] : {std::pair{6L, "l"}, {7L, "V"}, {1L, "mmHg"}})
        ASSERT_EQ(service->WriteUnit(&out, create(prefix, base).Get()), S_OK);
    Ovo::BinIStream in(&bytes, false);
    in.ReadHeader();
    for (auto [prefix, base] : {std::pair{6L, "l"}, {7L, "V"}, {1L, "mmHg"}}) {
        ComPtr<IUnknown> unit;
        ASSERT_EQ(service->ReadUnit(&in, unit.Put()), S_OK);
        EXPECT_EQ(describe(unit.Get()).prefix, prefix);
        EXPECT_EQ(describe(unit.Get()).base, base);
    }
    ComPtr<IUnknown> none;
    EXPECT_EQ(service->ReadUnit(&in, none.Put()), E_FAIL); // the stream has ended
    EXPECT_FALSE(none);
}

TEST_F(UnitServiceTest, RefusesBadPrefixesAndObjectsThatAreNoUnits) {
    ComPtr<IUnitName> unit;
    EXPECT_EQ(service->CreateUnitName(0, nullptr, unit.Put()), E_INVALIDARG);
    EXPECT_EQ(service->CreateUnitName(12, nullptr, unit.Put()), E_INVALIDARG);
    std::stringbuf bytes;
    Ovo::BinOStream out(&bytes, false);
    EXPECT_EQ(service->WriteUnit(&out, static_cast<IUnitService*>(service.Get())), E_INVALIDARG);
    out.WriteU32(kStorageStreamHeader);
    out.WriteU32(99);
    out.WriteStringRecord(Ovo::String("V"));
    out.WriteU32(1);
    out.WriteU32(0x80000001u); // a string record whose count and check do not agree
    out.WriteU32(5);
    out.WriteU32(5);
    Ovo::BinIStream in(&bytes, false);
    in.ReadHeader();
    ComPtr<IUnknown> read;
    EXPECT_EQ(service->ReadUnit(&in, read.Put()), E_FAIL); // prefix 99
    EXPECT_EQ(service->ReadUnit(&in, read.Put()), E_FAIL); // malformed base text
    EXPECT_FALSE(read);
    ComPtr<IUnknown> fallback;
    ASSERT_EQ(service->GetDefaultUnit(3, fallback.Put()), S_OK);
    EXPECT_EQ(describe(fallback.Get()).base, "V");
    EXPECT_EQ(describe(fallback.Get()).prefix, 1);
}

} // namespace
} // namespace Vantrel
