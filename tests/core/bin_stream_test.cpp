#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"

#include <fstream>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "core/XOvo.h"

namespace {

using Bytes = std::vector<BYTE>;
using Ovo::String;

// A memory stream released at the end of the test.
struct Stream {
    explicit Stream(Bytes bytes = {}, DWORD mode = STGM_READWRITE)
        : s(MemoryStream::Create(std::move(bytes), mode)) {}
    ~Stream() { s->Release(); }
    MemoryStream* operator->() const { return s; }
    operator IStream*() const { return s; }
    MemoryStream* s;
};

Bytes ReadHexFixture(const std::string& name) {
    std::ifstream file(std::string(TARVIK_TEST_DATA_DIR) + "/core/" + name);
    Bytes bytes;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream hex(line.substr(0, line.find('#')));
        for (unsigned b; hex >> std::hex >> b;)
            bytes.push_back(static_cast<BYTE>(b));
    }
    return bytes;
}

Bytes Words(std::initializer_list<DWORD> words) {
    Bytes bytes;
    for (DWORD w : words)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<BYTE>(w >> (8 * i)));
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Bytes kHeader = {0xAA, 0xAA, 0x14, 0x55};

TEST(StorageBinStream, WritesAndReadsTheGoldenFixture) {
    const Bytes golden = ReadHexFixture("storage-stream-v20.hex");
    ASSERT_EQ(golden.size(), 65u);
    Stream stream;
    {
        StorageBinOStreamLite out(stream, false);
        EXPECT_EQ(out.WriteU8(0x7F), S_OK);
        out.WriteU16(0x12345);
        out.WriteU32(0xDEADBEEF);
        out.WriteFloat(1.5f);
        out.WriteDouble(-2.0);
        out.Write8(1, 2);
        out.WriteBytes("ab", 2);
        out.WriteStringRecord(String());
        Ovo::IOvoString* text = String(u"\u00B5V").GetInterface();
        EXPECT_EQ(out.WriteString(text), S_OK);
        text->Release();
        EXPECT_EQ(out.GetStatus(), S_OK);
    }
    EXPECT_EQ(stream->Bytes(), golden);

    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    StorageBinIStreamLite in(stream);
    DWORD version = 0, u32 = 0, low = 0, high = 0;
    BYTE u8 = 0;
    WORD u16 = 0;
    float f = 0;
    double d = 0;
    char run[2] = {};
    in.GetVersion(&version);
    EXPECT_EQ(version, 20u);
    in.ReadU8(&u8);
    in.Read2(&u16);
    in.ReadU32(&u32);
    in.Read4(&f);
    in.Read8(&d);
    in.Read8(&low, &high);
    in.ReadBytes(run, 2);
    String empty(u"not read"), micro;
    in.ReadString(empty);
    IAutoOvoString* handed = nullptr;
    EXPECT_EQ(in.ReadString(&handed), S_OK);
    micro.Adopt(handed);
    EXPECT_EQ(in.GetStatus(), S_OK);
    EXPECT_EQ(u8, 0x7F);
    EXPECT_EQ(u16, 0x2345);
    EXPECT_EQ(u32, 0xDEADBEEFu);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(d, -2.0);
    EXPECT_EQ(low, 1u);
    EXPECT_EQ(high, 2u);
    EXPECT_EQ(std::string(run, 2), "ab");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(micro, String(u"\u00B5V"));
    EXPECT_EQ(in.ReadU8(&u8), E_FAIL); // past the end
}

TEST(StorageBinStream, ANewStreamHoldsOnlyTheHeader) {
    Stream stream;
    { StorageBinOStreamLite out(stream, false); }
    EXPECT_EQ(stream->Bytes(), kHeader);
}

TEST(StorageBinStream, AStreamWithoutHeaderIsVersionOne) {
    Stream plain(Words({0x12345678}));
    StorageBinIStreamLite in(plain);
    DWORD version = 0;
    in.GetVersion(&version);
    EXPECT_EQ(version, 1u);
    EXPECT_EQ(in.ReadU32(), 0x12345678u);

    Stream tiny(Bytes{0xAA, 0xAA, 0x14});
    StorageBinIStreamLite short_(tiny);
    short_.GetVersion(&version);
    EXPECT_EQ(version, 1u);
    EXPECT_EQ(short_.State(), Ovo::BinStream::kShort);

    for (DWORD header : {0x5509AAAAu, 0x5500AAAAu, 0x55FFAAAAu}) {
        Stream s(Words({header}));
        StorageBinIStreamLite other(s);
        other.GetVersion(&version);
        EXPECT_EQ(version, (header >> 16) & 0xFF);
    }
}

// Reads one string record from a stream of the given header.
String ReadRecord(DWORD header, const Bytes& record, HRESULT* thrown = nullptr, HRESULT* status = nullptr) {
    Stream stream(Words({header}) + record);
    StorageBinIStreamLite in(stream);
    String text(u"previous");
    try {
        in.ReadString(text);
    } catch (const XOvo& e) {
        if (thrown != nullptr)
            *thrown = e.Code();
    }
    if (status != nullptr)
        *status = in.GetStatus();
    return text;
}

TEST(StorageBinStream, StringRecordsAreChecked) {
    const Bytes abc = {'a', 0, 'b', 0, 'c', 0};
    HRESULT thrown = S_OK, status = S_OK;
    EXPECT_EQ(ReadRecord(0x5514AAAA, Words({0x80000001, 3, 0xFFFFFFFD}) + abc, &thrown), String(u"abc"));
    EXPECT_EQ(thrown, S_OK);
    EXPECT_EQ(ReadRecord(0x5514AAAA, Words({0x80000001, 3, 0xFFFFFFFC}) + abc, &thrown, &status), String());
    EXPECT_EQ(thrown, OVO_E_STRING_RECORD);
    EXPECT_EQ(status, S_OK); // the throw leaves the stream state alone
    // Without a final NUL the terminator is added: n characters.
    EXPECT_EQ(ReadRecord(0x5514AAAA, Words({0x80000001, 2, 0xFFFFFFFE}) + Bytes{'x', 0, 'y', 0}),
              String(u"xy"));
    // A non-negative marker means 8-bit ANSI text.
    EXPECT_EQ(ReadRecord(0x5514AAAA, Words({1, 3, 0xFFFFFFFD}) + Bytes{0x80, 'x', 0}), String(u"\u20ACx"));
}

TEST(StorageBinStream, OldStringRecordsAreCountedBytes) {
    HRESULT thrown = S_OK;
    EXPECT_EQ(ReadRecord(0x5509AAAA, Words({4}) + Bytes{'a', 'b', 'c', 0}), String(u"abc"));
    EXPECT_EQ(ReadRecord(0x5509AAAA, Words({64001}) + Bytes(64001, 'x'), &thrown), String());
    EXPECT_EQ(thrown, OVO_E_STRING_RECORD);
    thrown = S_OK;
    EXPECT_EQ(ReadRecord(0x5509AAAA, Words({64000}) + Bytes(64000, 'x'), &thrown).Length(), 64000);
    EXPECT_EQ(thrown, S_OK);
}

TEST(StorageBinStream, CountsBeyondTheDataAreMalformedNotAllocated) {
    struct Case {
        const char* what;
        Bytes record;
    };
    const Case cases[] = {
        {"wide text longer than the stream", Words({0x80000001, 100, 0u - 100}) + Bytes(10, 'x')},
        {"wide count whose byte size wraps", Words({0x80000001, 0x80000001, 0x7FFFFFFF}) + Bytes(8, 'x')},
        {"count whose terminator wraps", Words({0x80000001, 0xFFFFFFFF, 1})},
        {"8-bit text longer than the stream", Words({1, 0x40000000, 0xC0000000}) + Bytes(3, 'x')},
    };
    for (const Case& c : cases) {
        HRESULT thrown = S_OK;
        EXPECT_EQ(ReadRecord(0x5514AAAA, c.record, &thrown), String()) << c.what;
        EXPECT_EQ(thrown, OVO_E_STRING_RECORD) << c.what;
    }
}

TEST(StorageBinStream, AStreamFailingInsideARecordsWordsIsAFailureNotAMalformedRecord) {
    // The count ends the first 1024-byte block; reading the check word needs the next one, which fails.
    const Bytes data =
        Words({0x5514AAAA}) + Bytes(1012, 'p') + Words({0x80000001, 3, 0xFFFFFFFD}) + Bytes(6, 'x');
    Stream stream(data);
    stream->InjectFault(StreamOp::Read, 1);
    StorageBinIStreamLite in(stream);
    std::vector<BYTE> padding(1012);
    in.ReadBytes(padding.data(), 1012);
    String text(u"previous");
    EXPECT_NO_THROW(in.ReadString(text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(in.State(), Ovo::BinStream::kShort);
}

TEST(StorageBinStream, AShortReadOfTheTextEmptiesTheTarget) {
    const DWORD n = 1000; // 2000 bytes of text: more than one buffer load
    Stream stream(Words({0x5514AAAA, 0x80000001, n, 0u - n}) + Bytes(2 * n, 'z'));
    stream->InjectFault(StreamOp::Read, 1); // the second buffer load fails
    StorageBinIStreamLite in(stream);
    String text(u"previous");
    in.ReadString(text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(in.GetStatus(), E_FAIL);
}

// After a failure every operation answers E_FAIL and leaves its target alone.
void ExpectStickyIn(Ovo::BinIStream& in, const char* what) {
    EXPECT_EQ(in.GetStatus(), E_FAIL) << what;
    DWORD u32 = 77, position = 77;
    WORD u16 = 77;
    double d = 7.5;
    BYTE u8 = 77;
    EXPECT_EQ(in.ReadU32(&u32), E_FAIL) << what;
    EXPECT_EQ(in.Read2(&u16), E_FAIL) << what;
    EXPECT_EQ(in.Read8(&d), E_FAIL) << what;
    EXPECT_EQ(in.Tell(&position), E_FAIL) << what;
    EXPECT_EQ(in.ReadU8(&u8), E_FAIL) << what;
    EXPECT_EQ(u32, 77u) << what;
    EXPECT_EQ(u16, 77) << what;
    EXPECT_EQ(d, 7.5) << what;
    EXPECT_EQ(position, 77u) << what;
    EXPECT_EQ(u8, 0) << what;
    EXPECT_EQ(in.ReadU32(), 0u) << what;
    String s(u"kept?");
    in.ReadString(s);
    EXPECT_TRUE(s.IsEmpty()) << what;
}

void ExpectStickyOut(Ovo::BinOStream& out, const char* what) {
    EXPECT_EQ(out.GetStatus(), E_FAIL) << what;
    DWORD position = 77;
    EXPECT_EQ(out.WriteU32(1), E_FAIL) << what;
    EXPECT_EQ(out.WriteDouble(1.0), E_FAIL) << what;
    EXPECT_EQ(out.Write8(1, 2), E_FAIL) << what;
    EXPECT_EQ(out.Seek(0), E_FAIL) << what;
    EXPECT_EQ(out.Tell(&position), E_FAIL) << what;
    EXPECT_EQ(position, 77u) << what;
}

// A fault of the memory stream, the state it leaves and what triggers it.
template <class BinStreamType> struct FaultCase {
    const char* what;
    StreamOp op;
    int skip;
    bool cutShort;
    std::int32_t state;
    std::function<void(BinStreamType&)> use;
};

TEST(StorageBinStream, EveryFailingInputStreamCallIsSticky) {
    using Case = FaultCase<Ovo::BinIStream>;
    const Bytes data = Words({0x5514AAAA, 1, 2, 0x80000001, 2, 0xFFFFFFFE}) + Bytes{'o', 0, 'k', 0};
    const Case cases[] = {
        {"Stat fails at attach", StreamOp::Stat, 0, false, Ovo::BinStream::kSetupFailed, nullptr},
        {"Seek fails at attach", StreamOp::Seek, 0, false, Ovo::BinStream::kSetupFailed, nullptr},
        {"Read fails", StreamOp::Read, 0, false, Ovo::BinStream::kShort, nullptr},
        {"Read falls short", StreamOp::Read, 0, true, Ovo::BinStream::kShort,
         [](Ovo::BinIStream& in) {
             for (int i = 0; i < 8; ++i)
                 in.ReadU32();
         }},
        {"Seek fails while sizing a string", StreamOp::Seek, 1, false, Ovo::BinStream::kShort,
         [](Ovo::BinIStream& in) {
             in.ReadU32();
             in.ReadU32();
             String s;
             in.ReadString(s);
             EXPECT_TRUE(s.IsEmpty());
         }},
    };
    for (const Case& c : cases) {
        Stream stream(data);
        stream->InjectFault(c.op, c.skip, c.cutShort);
        StorageBinIStreamLite in(stream);
        if (c.use)
            c.use(in);
        EXPECT_EQ(in.State(), c.state) << c.what;
        ExpectStickyIn(in, c.what);
    }
}

TEST(StorageBinStream, EveryFailingOutputStreamCallIsSticky) {
    using Case = FaultCase<Ovo::BinOStream>;
    const Bytes big(3000, 'b');
    const Case cases[] = {
        {"Stat fails at attach", StreamOp::Stat, 0, false, Ovo::BinStream::kSetupFailed, nullptr},
        {"Seek fails at attach", StreamOp::Seek, 0, false, Ovo::BinStream::kSetupFailed, nullptr},
        {"Write fails at flush", StreamOp::Write, 0, false, Ovo::BinStream::kSetupFailed,
         [](Ovo::BinOStream& out) { out.Flush(); }},
        {"Write falls short when the buffer fills", StreamOp::Write, 0, true, Ovo::BinStream::kShort,
         [&](Ovo::BinOStream& out) { out.WriteBytes(big.data(), 3000); }},
        {"Seek fails outside the buffer", StreamOp::Seek, 1, false, Ovo::BinStream::kShort,
         [](Ovo::BinOStream& out) {
             out.Flush();
             out.Seek(0);
         }},
    };
    for (const Case& c : cases) {
        Stream stream;
        stream->InjectFault(c.op, c.skip, c.cutShort);
        StorageBinOStreamLite out(stream, false);
        if (c.use)
            c.use(out);
        EXPECT_EQ(out.State(), c.state) << c.what;
        ExpectStickyOut(out, c.what);
    }
}

TEST(StorageBinStream, SeekingBackInsideUnflushedOutputOverwrites) {
    Stream stream;
    {
        StorageBinOStreamLite out(stream, false);
        out.WriteU32(1);
        out.WriteU32(2);
        out.WriteU32(3);
        out.Seek(4);
        DWORD position = 0;
        out.Tell(&position);
        EXPECT_EQ(position, 4u);
        out.WriteU32(9);
        out.Tell(&position);
        EXPECT_EQ(position, 8u);
    }
    EXPECT_EQ(stream->Bytes(), kHeader + Words({9, 2, 3}));
}

TEST(StorageBinStream, RewindTruncatesWithoutANewHeader) {
    Stream stream;
    {
        StorageBinOStreamLite out(stream, false);
        out.WriteU32(1);
        out.Flush();
        out.Rewind();
        EXPECT_TRUE(stream->Bytes().empty());
        out.WriteU32(5);
    }
    EXPECT_EQ(stream->Bytes(), Words({5}));
}

TEST(StorageBinStream, RewindDropsOutputNotYetFlushedAndReportsAFailedTruncation) {
    Stream stream;
    {
        StorageBinOStreamLite out(stream, false);
        out.WriteU32(1);
        out.Seek(0); // inside the unflushed output
        out.Rewind();
        out.WriteU32(5);
        out.Flush();
        EXPECT_EQ(out.GetStatus(), S_OK);
    }
    EXPECT_EQ(stream->Bytes(), Words({5}));

    Stream stuck;
    StorageBinOStreamLite out(stuck, false);
    out.Flush();
    stuck->InjectFault(StreamOp::SetSize);
    out.Rewind();
    EXPECT_EQ(out.State(), Ovo::BinStream::kShort);
    EXPECT_EQ(stuck->Bytes(), kHeader);
}

TEST(StorageBinStream, AccessFollowsTheStreamMode) {
    Stream readOnly(Bytes{}, STGM_READ);
    {
        StorageBinOStreamLite out(readOnly, false);
        EXPECT_EQ(out.State(), Ovo::BinStream::kShort); // the header cannot be written
    }
    {
        StorageBinOStreamLite forced(readOnly, true);
        EXPECT_EQ(forced.GetStatus(), S_OK);
    }
    EXPECT_EQ(readOnly->Bytes(), kHeader);
}

} // namespace
