#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "module/ActiveDocumentMessages.h"

namespace {

using Ovo::ActiveDocSpecificMessage;

// A message held for the length of a test.
struct Message {
    ActiveDocSpecificMessage* p;
    Message(DWORD id, DWORD flags) : p(new ActiveDocSpecificMessage(id, flags)) { p->AddRef(); }
    ~Message() { p->Release(); }
    DWORD Flags() const { return p->Flags(); }
};

std::string Saved(ActiveDocSpecificMessage& message) {
    std::stringbuf buffer;
    Ovo::BinOStream out(&buffer, false);
    EXPECT_EQ(message.Save(&out), S_OK);
    return buffer.str();
}

TEST(Message, PersistsTheFlagsAfterAZeroWordAndOrsThemInOnLoad) {
    Message saved(0x01230105, 5);
    const std::string bytes = Saved(*saved.p);
    EXPECT_EQ(bytes, std::string("\0\0\0\0\x05\0\0\0", 8)) << "the id is not part of the record";

    Message loaded(0x01230200, 2);
    std::stringbuf buffer(bytes);
    Ovo::BinIStream in(&buffer, false);
    EXPECT_EQ(loaded.p->Load(&in), S_OK);
    EXPECT_EQ(loaded.Flags(), 7u);
    EXPECT_EQ(loaded.p->Id(), 0x01230200u);
}

TEST(Message, AShortRecordFailsAndLeavesTheFlags) {
    Message loaded(1, 2);
    std::stringbuf buffer(std::string("\0\0\0\0\x05\0", 6));
    Ovo::BinIStream in(&buffer, false);
    EXPECT_EQ(loaded.p->Load(&in), E_FAIL);
    EXPECT_EQ(loaded.Flags(), 2u);
}

TEST(Message, StreamsOfAnotherKindAreRefused) {
    struct ForeignStream : IBinOutStream {
        HRESULT QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
        ULONG AddRef() override { return 1; }
        ULONG Release() override { return 1; }
        HRESULT GetStatus() override { return S_OK; }
        HRESULT Tell(DWORD*) override { return S_OK; }
        HRESULT Seek(LONG) override { return S_OK; }
        HRESULT WriteU8(BYTE) override { return ++writes, S_OK; }
        HRESULT WriteU16(DWORD) override { return ++writes, S_OK; }
        HRESULT WriteU32(DWORD) override { return ++writes, S_OK; }
        HRESULT WriteFloat(float) override { return ++writes, S_OK; }
        HRESULT WriteDouble(double) override { return ++writes, S_OK; }
        HRESULT WriteBytes(const void*, ULONG) override { return ++writes, S_OK; }
        HRESULT WriteString(IAutoOvoString*) override { return ++writes, S_OK; }
        HRESULT Write8(DWORD, DWORD) override { return ++writes, S_OK; }
        int writes = 0;
    } foreign;
    Message message(1, 5);
    EXPECT_EQ(message.p->Save(&foreign), E_FAIL);
    EXPECT_EQ(foreign.writes, 0);
}

TEST(Message, TargetIdsFlagsAndCopies) {
    Message message(0x00400021, 0);
    VARIANT_BOOL match = VARIANT_FALSE;
    message.p->IsTargetId(0, &match);
    EXPECT_EQ(match, VARIANT_TRUE) << "a new message has target id 0";
    message.p->SetTargetId(77);
    message.p->IsTargetId(77, &match);
    EXPECT_EQ(match, VARIANT_TRUE);
    message.p->IsTargetId(78, &match);
    EXPECT_EQ(match, VARIANT_FALSE);

    message.p->AddFlags(0x9);
    message.p->RemoveFlags(0x6);
    EXPECT_EQ(message.Flags(), 0x9u) << "removing bits that are not set changes nothing";

    IMessage* copy = nullptr;
    ASSERT_EQ(message.p->Clone(&copy), S_OK);
    DWORD id = 0, flags = 1;
    copy->GetId(&id);
    copy->GetFlags(&flags);
    EXPECT_EQ(id, 0x00400021u);
    EXPECT_EQ(flags, 0u) << "a copy starts with no flags";
    copy->Release();
}

TEST(Message, AnswersItsInterfaceMapAndNoOther) {
    Message message(1, 0);
    const IID* answered[] = {&IID_IUnknown,       &IID_IMessage,       &IID_ISettingsMessage,
                             &IID_IPersistObject, &IID_IModifyMessage, &IID_IModifyMessageEx};
    for (const IID* iid : answered) {
        void* out = nullptr;
        EXPECT_EQ(message.p->QueryInterface(*iid, &out), S_OK) << GuidToString(*iid);
        static_cast<IUnknown*>(out)->Release();
    }
    void* out = &out;
    EXPECT_EQ(message.p->QueryInterface(IID_IMessageSource, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    const void* data = &data;
    EXPECT_EQ(message.p->GetData(&data), E_NOTIMPL);
    EXPECT_EQ(data, nullptr);
}

} // namespace
