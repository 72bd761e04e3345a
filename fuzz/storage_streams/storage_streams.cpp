// The binary storage streams over an IStream whose Read, Write, Seek, SetSize and Stat calls fail
// or fall short where the input says. A failed stream stays failed: every later operation answers
// E_FAIL and leaves its target as it was (ReadU8 gives 0, a string read gives the empty string). A
// write that reports success after Flush has put exactly the bytes written into the IStream, and
// reading them back gives every value again. Arbitrary bytes read as a stream never crash and never
// make the reader allocate beyond what the stream holds.

#include "core/StorageBinIStreamLite.h"
#include "core/StorageBinOStreamLite.h"
#include "core/XOvo.h"
#include "fuzz/support/FaultyStream.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "platform/win32/com_ptr.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;
using Ovo::String;

enum class Kind { U8, U16, U32, Float, Double, Pair, Run, Text, Count };

struct Value {
    Kind kind = Kind::U8;
    std::uint64_t bits = 0; // the scalars, little-endian in their width
    Bytes run;              // Run
    std::u16string text;    // Text
};

std::size_t width(Kind kind) {
    switch (kind) {
    case Kind::U8:
        return 1;
    case Kind::U16:
        return 2;
    case Kind::U32:
    case Kind::Float:
        return 4;
    default:
        return 8;
    }
}

Value value(Fuzz::Input& in) {
    Value v;
    v.kind = static_cast<Kind>(in.below(static_cast<std::size_t>(Kind::Count)));
    if (v.kind == Kind::Run) {
        const std::string run = in.bytes(2100); // may cross the 1024-byte blocks of the buffer
        v.run.assign(run.begin(), run.end());
    } else if (v.kind == Kind::Text) {
        for (std::size_t n = in.below(700); n > 0; --n)
            v.text += in.raw<char16_t>();
    } else {
        v.bits = in.raw<std::uint64_t>() & (width(v.kind) == 8 ? ~0ULL : (1ULL << (8 * width(v.kind))) - 1);
    }
    return v;
}

// The bytes the stream format gives the value.
void encode(const Value& v, Bytes& out) {
    const auto word = [&out](std::uint64_t bits, std::size_t bytes) {
        for (std::size_t i = 0; i < bytes; ++i)
            out.push_back(static_cast<BYTE>(bits >> (8 * i)));
    };
    if (v.kind == Kind::Run) {
        out.insert(out.end(), v.run.begin(), v.run.end());
    } else if (v.kind == Kind::Text) {
        const auto n = static_cast<std::uint32_t>(v.text.size() + 1);
        word(0x80000001, 4);
        word(n, 4);
        word(0u - n, 4);
        for (const char16_t unit : v.text)
            word(unit, 2);
        word(0, 2);
    } else {
        word(v.bits, width(v.kind));
    }
}

HRESULT write(Ovo::BinOStream& out, const Value& v) {
    switch (v.kind) {
    case Kind::U8:
        return out.WriteU8(static_cast<BYTE>(v.bits));
    case Kind::U16:
        return out.WriteU16(static_cast<DWORD>(v.bits) | 0xABCD0000u); // the high half is not written
    case Kind::U32:
        return out.WriteU32(static_cast<DWORD>(v.bits));
    case Kind::Float: {
        float f;
        const auto bits = static_cast<std::uint32_t>(v.bits);
        std::memcpy(&f, &bits, 4);
        return out.WriteFloat(f);
    }
    case Kind::Double: {
        double d;
        std::memcpy(&d, &v.bits, 8);
        return out.WriteDouble(d);
    }
    case Kind::Pair:
        return out.Write8(static_cast<DWORD>(v.bits), static_cast<DWORD>(v.bits >> 32));
    case Kind::Run:
        return out.WriteBytes(v.run.data(), static_cast<ULONG>(v.run.size()));
    case Kind::Text:
    case Kind::Count:
        break;
    }
    const String text(v.text);
    auto rep = ComPtr<IAutoOvoString>::Adopt(text.GetInterface());
    return out.WriteString(rep.Get());
}

// Reads a value of v's kind (and length) into got; got keeps what it held when the read fails.
HRESULT read(Ovo::BinIStream& in, const Value& v, Value& got, bool viaInterface) {
    got.kind = v.kind;
    HRESULT hr = S_OK;
    switch (v.kind) {
    case Kind::U8: {
        BYTE b = 0x5A;
        hr = in.ReadU8(&b);
        got.bits = b;
        return hr;
    }
    case Kind::U16: {
        WORD w = static_cast<WORD>(got.bits);
        hr = in.Read2(&w);
        got.bits = w;
        return hr;
    }
    case Kind::U32:
    case Kind::Float: {
        DWORD d = static_cast<DWORD>(got.bits);
        hr = in.ReadU32(&d);
        got.bits = d;
        return hr;
    }
    case Kind::Double: {
        double d;
        std::memcpy(&d, &got.bits, 8);
        hr = in.Read8(&d);
        std::memcpy(&got.bits, &d, 8);
        return hr;
    }
    case Kind::Pair: {
        DWORD low = static_cast<DWORD>(got.bits), high = static_cast<DWORD>(got.bits >> 32);
        hr = in.Read8(&low, &high);
        got.bits = low | (std::uint64_t{high} << 32);
        return hr;
    }
    case Kind::Run:
        got.run.resize(v.run.size(), 0x5A);
        return in.ReadBytes(got.run.data(), static_cast<ULONG>(got.run.size()));
    case Kind::Text:
    case Kind::Count:
        break;
    }
    if (viaInterface) {
        IAutoOvoString* rep = nullptr;
        hr = in.ReadString(&rep);
        String text;
        text.Adopt(rep);
        got.text = text.ToU16String();
        return hr;
    }
    String text(u"kept?");
    in.ReadString(text);
    got.text = text.ToU16String();
    return in.GetStatus();
}

bool same(const Value& a, const Value& b) {
    return a.kind == b.kind && a.bits == b.bits && a.run == b.run && a.text == b.text;
}

// A value for a message: its kind, bits and lengths.
std::string shown(const Value& v) {
    return "kind " + std::to_string(static_cast<int>(v.kind)) + ", bits " + std::to_string(v.bits) + ", " +
           std::to_string(v.run.size()) + " bytes, " + std::to_string(v.text.size()) + " units";
}

// What a read of v must leave in got after the stream has failed: the target as it was, except
// ReadU8 (0) and string reads (empty).
Value untouched(const Value& v, const Value& before) {
    Value expected = before;
    expected.kind = v.kind;
    if (v.kind == Kind::U8)
        expected.bits = 0;
    if (v.kind == Kind::Run)
        expected.run.assign(v.run.size(), 0x5A);
    if (v.kind == Kind::Text)
        expected.text.clear();
    return expected;
}

// Reads the values back through a stream faulted by script; each read that succeeds gives its
// value, and from the first failure on every read fails and leaves its target alone.
void readBack(const Bytes& bytes, const std::vector<Value>& values, std::string script, bool viaInterface) {
    auto memory = Fuzz::faultyStream(bytes, std::move(script), STGM_READ);
    StorageBinIStreamLite in(memory.Get());
    bool failed = in.GetStatus() != S_OK;
    DWORD version = 0;
    in.GetVersion(&version);
    FUZZ_CHECK(failed || version == 20, "the header gives version 20");
    for (const Value& v : values) {
        Value got;
        if (v.kind != Kind::Run && v.kind != Kind::Text) // a scalar target holds an old value
            got.bits =
                0x1234567890ABCDEFULL & (width(v.kind) == 8 ? ~0ULL : (1ULL << (8 * width(v.kind))) - 1);
        const Value before = got;
        const HRESULT hr = read(in, v, got, viaInterface);
        FUZZ_CHECK(hr == in.GetStatus(), "an operation answers the stream's state");
        if (failed) {
            FUZZ_CHECK(hr == E_FAIL, "a failed stream stays failed");
            FUZZ_CHECK(same(got, untouched(v, before)), "a failed stream leaves the target alone");
        } else if (hr == S_OK) {
            FUZZ_CHECK(same(got, v), "a read that succeeds gives the value written: " + shown(v) +
                                         " read as " + shown(got));
        }
        failed = failed || hr != S_OK;
        DWORD position = 77;
        if (failed) {
            FUZZ_CHECK(in.Tell(&position) == E_FAIL && position == 77, "Tell on a failed stream");
        }
    }
}

// Writes the values through a stream faulted by the input; returns the bytes when the writer
// reported success after its Flush.
std::optional<Bytes> save(const std::vector<Value>& values, std::string script, bool forceWrite) {
    auto memory = Fuzz::faultyStream({}, std::move(script), forceWrite ? STGM_READ : STGM_WRITE);
    Bytes expected;
    {
        StorageBinOStreamLite out(memory.Get(), forceWrite);
        bool failed = out.GetStatus() != S_OK;
        if (!failed)
            expected = {0xAA, 0xAA, 0x14, 0x55};
        for (const Value& v : values) {
            const HRESULT hr = write(out, v);
            FUZZ_CHECK(hr == out.GetStatus(), "an operation answers the stream's state");
            FUZZ_CHECK(!failed || hr == E_FAIL, "a failed stream stays failed");
            failed = failed || hr != S_OK;
            encode(v, expected);
        }
        out.Flush();
        if (out.GetStatus() != S_OK)
            return std::nullopt;
        FUZZ_CHECK(!failed, "a stream that failed does not report success");
    }
    FUZZ_CHECK(memory->Bytes() == expected, "a save that reports success wrote exactly its bytes");
    return expected;
}

// Positioned writes: Seek, Tell, Rewind and writes against a plain model of the stream's bytes.
void seekAndWrite(Fuzz::Input& in, std::string script) {
    auto memory = Fuzz::faultyStream({}, std::move(script));
    Bytes model;
    std::size_t position = 0;
    bool failed = false;
    {
        StorageBinOStreamLite out(memory.Get(), false);
        failed = out.GetStatus() != S_OK;
        if (!failed) {
            model = {0xAA, 0xAA, 0x14, 0x55};
            position = 4;
        }
        for (std::size_t n = in.below(24); n > 0; --n) {
            HRESULT hr = S_OK;
            switch (in.below(4)) {
            case 0: {
                const auto to = static_cast<LONG>(in.below(2200)) - 10;
                hr = out.Seek(to);
                if (!failed && to >= 0)
                    position = static_cast<std::size_t>(to);
                break;
            }
            case 1: {
                DWORD told = 77;
                hr = out.Tell(&told);
                if (!failed && hr == S_OK)
                    FUZZ_CHECK(told == position, "Tell gives the write position");
                if (failed)
                    FUZZ_CHECK(told == 77, "Tell on a failed stream leaves its target alone");
                break;
            }
            case 2:
                out.Rewind();
                hr = out.GetStatus();
                if (!failed) {
                    model.clear();
                    position = 0;
                }
                break;
            default: {
                const Value v = value(in);
                hr = write(out, v);
                Bytes bytes;
                encode(v, bytes);
                if (!failed && !bytes.empty()) { // nothing written does not fill a gap
                    if (model.size() < position + bytes.size())
                        model.resize(position + bytes.size());
                    std::copy(bytes.begin(), bytes.end(),
                              model.begin() + static_cast<std::ptrdiff_t>(position));
                    position += bytes.size();
                }
            }
            }
            FUZZ_CHECK(!failed || hr == E_FAIL, "a failed stream stays failed");
            failed = failed || hr != S_OK;
        }
        out.Flush();
        if (out.GetStatus() != S_OK)
            return;
    }
    const Bytes& bytes = memory->Bytes();
    const auto differ = std::mismatch(bytes.begin(), bytes.end(), model.begin(), model.end());
    FUZZ_CHECK(bytes == model, "positioned writes that report success put the bytes where they belong: " +
                                   std::to_string(bytes.size()) + " bytes written, " +
                                   std::to_string(model.size()) + " expected, the first difference at " +
                                   std::to_string(differ.first - bytes.begin()));
}

// Arbitrary bytes read as a stream: every outcome is a value, a failure or a refused string record.
void readAnything(Fuzz::Input& in, std::string script) {
    std::vector<Value> reads;
    for (std::size_t n = in.below(16); n > 0; --n)
        reads.push_back(value(in));
    const std::string_view rest = in.rest();
    auto memory = Fuzz::faultyStream(Bytes(rest.begin(), rest.end()), std::move(script), STGM_READ);
    StorageBinIStreamLite stream(memory.Get());
    bool failed = stream.GetStatus() != S_OK;
    for (const Value& v : reads) {
        Value got;
        HRESULT hr = S_OK;
        try {
            hr = read(stream, v, got, (v.bits & 1) != 0);
        } catch (const XOvo& error) {
            FUZZ_CHECK(error.Code() == OVO_E_STRING_RECORD && v.kind == Kind::Text,
                       "only a string record is refused");
            hr = stream.GetStatus();
        }
        FUZZ_CHECK(!failed || hr == E_FAIL, "a failed stream stays failed");
        failed = failed || hr != S_OK;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    const std::size_t mode = in.below(3);
    std::string writeFaults{in.bytes(24)};
    std::string readFaults{in.bytes(24)};
    if (mode == 0) {
        std::vector<Value> values;
        for (std::size_t n = in.below(12); n > 0; --n)
            values.push_back(value(in));
        const bool forceWrite = in.flag();
        const bool viaInterface = in.flag();
        if (const std::optional<Bytes> bytes = save(values, std::move(writeFaults), forceWrite)) {
            readBack(*bytes, values, {}, viaInterface);
            readBack(*bytes, values, std::move(readFaults), viaInterface);
        }
    } else if (mode == 1) {
        seekAndWrite(in, std::move(writeFaults));
    } else {
        readAnything(in, std::move(readFaults));
    }
    return 0;
}
