#include "platform/win32/stream.h"

#include <gtest/gtest.h>

namespace {

LARGE_INTEGER Offset(LONGLONG v) {
    LARGE_INTEGER l;
    l.QuadPart = v;
    return l;
}

TEST(MemoryStream, ReadsWritesAndSeeksWithSixtyFourBitPositions) {
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ULONG n = 0;
    EXPECT_EQ(stream->Write("abcdef", 6, &n), S_OK);
    EXPECT_EQ(n, 6u);
    ULARGE_INTEGER position{};
    EXPECT_EQ(stream->Seek(Offset(-2), STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 4u);
    char buf[8] = {};
    EXPECT_EQ(stream->Read(buf, 8, &n), S_OK); // reading past the end reads what is there
    EXPECT_EQ(n, 2u);
    EXPECT_EQ(std::string(buf, 2), "ef");
    EXPECT_EQ(stream->Seek(Offset(-7), STREAM_SEEK_CUR, &position), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Seek(Offset(8), STREAM_SEEK_SET, &position), S_OK); // past the end
    EXPECT_EQ(stream->Write("z", 1, &n), S_OK);
    STATSTG stat;
    EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, 9u);
    EXPECT_EQ(stat.grfMode, STGM_READWRITE);
    EXPECT_EQ(static_cast<MemoryStream*>(stream)->Bytes()[6], 0); // the gap is zero-filled
    ULARGE_INTEGER size{};
    size.QuadPart = 3;
    EXPECT_EQ(stream->SetSize(size), S_OK);
    EXPECT_EQ(static_cast<MemoryStream*>(stream)->Bytes().size(), 3u);
    EXPECT_EQ(stream->Release(), 0u);
    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, &stream), E_INVALIDARG);
}

TEST(MemoryStream, InjectedFaultsFailOrCutShortTheChosenCall) {
    MemoryStream* stream = MemoryStream::Create({1, 2, 3, 4, 5, 6, 7, 8}, STGM_READ);
    BYTE buf[8];
    ULONG n = 99;
    stream->InjectFault(StreamOp::Read, 1);
    EXPECT_EQ(stream->Read(buf, 2, &n), S_OK); // skipped once
    EXPECT_EQ(stream->Read(buf, 2, &n), STG_E_READFAULT);
    EXPECT_EQ(n, 0u);
    stream->InjectFault(StreamOp::Read, 0, true);
    EXPECT_EQ(stream->Read(buf, 8, &n), S_OK);
    EXPECT_EQ(n, 3u); // half of the 6 bytes left
    stream->InjectFault(StreamOp::Write, 0, true);
    EXPECT_EQ(stream->Write(buf, 4, &n), S_OK);
    EXPECT_EQ(n, 2u);
    stream->InjectFault(StreamOp::Seek);
    EXPECT_EQ(stream->Seek(Offset(0), STREAM_SEEK_SET, nullptr), E_FAIL);
    stream->InjectFault(StreamOp::Stat);
    STATSTG stat;
    EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), E_FAIL);
    stream->ClearFault();
    EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.grfMode, STGM_READ);
    stream->Release();
}

} // namespace
