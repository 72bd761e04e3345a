// The record-data pixmap over a table's stored rows.

#include <gtest/gtest.h>

#include <limits>

#include "platform/win32/com_ptr.h"
#include "tableview/TVF_PixMap.h"
#include "tests/support/TestTable.h"

namespace TarvikTest {
namespace {

class PixMapTest : public ::testing::Test {
protected:
    PixMapTest() : table(9, 3), map(ComPtr<TVF_PixMap>(new TVF_PixMap(&table, 1, 1, 8))) {}

    TestTable table; // 10 stored rows with the title row
    ComPtr<TVF_PixMap> map;
};

TEST_F(PixMapTest, TenStoredRowsWithOrigin1AreOneRecordOfNinePositions) {
    LONGLONG total = 0;
    EXPECT_EQ(map->GetTotal(&total), S_OK);
    EXPECT_EQ(total, 9);
    LONG records = 0;
    map->GetRecordCount(&records);
    EXPECT_EQ(records, 1);

    PixMapPosition at{};
    LONGLONG end = 0;
    EXPECT_EQ(map->FindRecord(3, &at, &end), S_OK);
    EXPECT_EQ(at.record, 0);
    EXPECT_EQ(at.offset, 3);
    EXPECT_EQ(end, 9);
    EXPECT_EQ(map->FindRecord(9, &at, &end), S_FALSE) << "the record's end lies outside it";

    LONGLONG first = 0;
    EXPECT_EQ(map->GetRecordRange(1, &first, &end), S_FALSE);
    EXPECT_EQ(first, std::numeric_limits<LONGLONG>::min());
    EXPECT_EQ(end, std::numeric_limits<LONGLONG>::min());
    EXPECT_EQ(map->GetRecordRange(0, &first, &end), S_OK);
    EXPECT_EQ(end, 9);
}

TEST_F(PixMapTest, ASetterMakesTheNextQueryReadTheRowsAgain) {
    LONGLONG total = 0;
    map->GetTotal(&total);
    table.storedRows = 21;
    map->GetTotal(&total);
    EXPECT_EQ(total, 20) << "the last record's end reads the rows at each call";
    EXPECT_EQ(map->SetGap(3, 5), E_INVALIDARG);
    EXPECT_EQ(map->SetGap(0, 2), S_OK);
    map->GetTotal(&total);
    EXPECT_EQ(total, 22);
    LONGLONG position = 0;
    EXPECT_EQ(map->GetEndPosition(0, &position), S_FALSE) << "outside a sequence";
    EXPECT_EQ(position, 24);
    map->BeginSequence();
    EXPECT_EQ(map->GetEndPosition(0, &position), S_OK);
    EXPECT_EQ(position, 2);
    map->EndSequence();
}

TEST_F(PixMapTest, APositionInTheFirstGapStaysOnTheFirstRecord) {
    map->SetGap(0, 4);
    LONGLONG offset = 0;
    PixMapPosition at{};
    EXPECT_EQ(map->LocatePosition(1, 1, &offset, &at), S_OK);
    EXPECT_EQ(offset, -3);
    EXPECT_EQ(at.record, 0);
    EXPECT_EQ(at.offset, 0);
    EXPECT_EQ(map->LocatePosition(0, 6, &offset, &at), S_OK);
    EXPECT_EQ(at.offset, 2);
}

TEST_F(PixMapTest, ItAnswersItsOwnInterfaceOnly) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(map->QueryInterface(IID_ITableDataManager, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    ComPtr<IRecordDataPixMap> itf = QueryInterfacePtr<IRecordDataPixMap>(map.Get(), IID_IRecordDataPixMap);
    EXPECT_TRUE(itf);
    EXPECT_EQ(map->Reserved5(), E_NOTIMPL);
    EXPECT_EQ(map->Reserved33(), S_OK);
}

} // namespace
} // namespace TarvikTest
