#include "document/TarvikDocument.h"
#include "host/framework/CommandService.h"
#include "module/MessageIds.h"
#include "module/ZARDocumentClass.h"
#include "module/ZARProxyEventHandler.h"
#include "tests/support/ModuleHost.h"
#include "workflow/ModelParamTable.h"

namespace {

using namespace Tarvik;
using TarvikTest::ModuleHost;
using TarvikTest::RefCount;

constexpr GUID kClassGuid = MakeGuid("{D6F52E84-B34D-11D3-80C7-005004AD3C53}");

// A document class like the one registration makes, held for the test.
struct DocClass {
    ZARDocumentClass<TarvikDocument>* p;
    explicit DocClass(const char16_t* name = u"Tarvik Document")
        : p(new ZARDocumentClass<TarvikDocument>(Ovo::String(name), kClassGuid, TarvikDocumentGUID, 0, 1,
                                                 0)) {
        p->AddRef();
    }
    ~DocClass() { p->Release(); }
    ZARDocumentClass<TarvikDocument>* operator->() const { return p; }
};

class DocumentClass : public ModuleHost {};

TEST_F(DocumentClass, NameQueriesFreeTheCallersTextAndToleratesNullOut) {
    DocClass named;
    EXPECT_EQ(named->GetName(nullptr), S_OK);
    BSTR name = SysAllocString(u"old");
    EXPECT_EQ(named->GetName(&name), S_OK);
    EXPECT_EQ(std::u16string(name), u"Tarvik Document");
    SysFreeString(name);

    DocClass unnamed(u"");
    name = SysAllocString(u"old");
    EXPECT_EQ(unnamed->GetName(&name), S_OK);
    EXPECT_EQ(name, nullptr) << "an empty name frees the old text and leaves null";
}

TEST_F(DocumentClass, IsTypeGuidByPointerOrByValue) {
    DocClass cls;
    const GUID* own = nullptr;
    cls->GetTypeGuid(&own);
    const GUID copy = kClassGuid;
    EXPECT_EQ(cls->IsTypeGuid(own), S_OK);
    EXPECT_EQ(cls->IsTypeGuid(&copy), S_OK);
    EXPECT_EQ(cls->IsTypeGuid(&TarvikDocumentGUID), S_FALSE);
    EXPECT_EQ(cls->IsTypeGuid(nullptr), S_FALSE);
    DWORD id = 0;
    cls->GetClassId(&id);
    EXPECT_EQ(id, DocMsgId<0>());
}

TEST_F(DocumentClass, TheHostsInnerPartAnswersWhatTheMapDoesNot) {
    DocClass cls;
    EXPECT_EQ(Zar().DocClasses().InnersCreated(), 1);
    ASSERT_NE(cls->Inner(), nullptr);
    EXPECT_NE(cls->HostHandler(), nullptr);
    void* out = nullptr;
    ASSERT_EQ(cls->QueryInterface(IID_IHostDocHandler, &out), S_OK) << "from the inner part";
    static_cast<IUnknown*>(out)->Release();
    EXPECT_EQ(cls->QueryInterface(IID_IMessageFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(RefCount(cls->Identity()), 1u) << "the construction left no reference behind";
}

TEST_F(DocumentClass, WithoutTheDocClassServiceTheClassHasNoInnerPart) {
    Zar().Classes().RemoveService(kDocClassServiceKind);
    DocClass cls;
    EXPECT_EQ(cls->Inner(), nullptr);
    void* out = &out;
    EXPECT_EQ(cls->QueryInterface(IID_IHostDocHandler, &out), E_NOINTERFACE);
    EXPECT_EQ(cls->OnCommand(DocMsgId<21>()), S_FALSE) << "no host handler, no rows";
}

TEST_F(DocumentClass, AttachingACommandTargetTwiceKeepsTheSecondCommandObject) {
    DocClass cls;
    auto* target = new Vantrel::CommandState; // answers no command handler
    EXPECT_EQ(cls->AttachCommandTarget(target, 0), S_OK);
    EXPECT_EQ(cls->Command(), nullptr);
    target->Release();

    auto* handler = new ZARProxyEventHandler; // a command handler of the host's
    IUnknown* handlerObject = handler->HandlerPart();
    handlerObject->AddRef();
    cls->AttachCommandTarget(handlerObject, 7);
    cls->AttachCommandTarget(handlerObject, 8);
    ASSERT_EQ(Zar().Commands().Commands().size(), 2u);
    EXPECT_EQ(cls->Command(), Zar().Commands().Commands()[1]);
    EXPECT_EQ(Zar().Commands().Commands()[1]->Context(), 8u);
    EXPECT_EQ(RefCount(Zar().Commands().Commands()[0]), 1u) << "the first was let go";
    EXPECT_EQ(Zar().Commands().Commands()[1]->Space(), TarvikDocumentGUID);
    handlerObject->Release();
}

TEST_F(DocumentClass, CreatesDocumentsThatTheHostRegisters) {
    DocClass cls;
    EXPECT_EQ(cls->CreateDocument(0, nullptr, 0, nullptr, 0), E_POINTER);
    IUnknown* document = Zar().Documents().OpenDocument(cls.p, 0x40000001);
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(Zar().Documents().Registered().size(), 1u);
    EXPECT_EQ(Zar().Documents().Registered()[0].document, document);
    EXPECT_EQ(Zar().Documents().Registered()[0].owner, cls->Identity());
    EXPECT_EQ(Zar().Documents().Registered()[0].flag, 1u) << "bit 30 of the flags";
    ICustomDocument* custom = nullptr;
    ASSERT_EQ(document->QueryInterface(IID_ICustomDocument, reinterpret_cast<void**>(&custom)), S_OK);
    DWORD flags = 0;
    WORD kind = 0;
    custom->GetCreationFlags(&flags);
    custom->GetKind(&kind);
    EXPECT_EQ(flags, 0x40000001u);
    EXPECT_EQ(kind, 0xFFFF);
    custom->Release();
}

TEST_F(DocumentClass, AMenuCommandReachesTheActiveDocumentAndItsAutomationMessage) {
    DocClass cls;
    Zar().Documents().OpenDocument(cls.p);
    EXPECT_EQ(cls->OnCommand(DocMsgId<21>()), S_OK);
    ASSERT_EQ(Zar().Dispatcher().Dispatched().size(), 1u);
    EXPECT_EQ(Zar().Dispatcher().Dispatched()[0].id, DocMsgId<257>());
    EXPECT_TRUE(Zar().Dispatcher().Dispatched()[0].handled);
    EXPECT_EQ(cls->OnCommand(DocMsgId<29>()), S_FALSE) << "no row for command 29";
}

TEST_F(DocumentClass, ADocumentMakesItsSetUpModelAndEachOtherModelOnFirstRequest) {
    DocClass cls;
    auto* document = dynamic_cast<TarvikDocument*>(Zar().Documents().OpenDocument(cls.p));
    ASSERT_NE(document, nullptr);
    const ModelPtr setup = document->FindModel();
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->GetModelId(), kSetupModel);
    EXPECT_EQ(document->GetModel(kSetupModel), setup);
    for (std::int32_t id : {4, 7, 8, 9, 12}) {
        const ModelPtr model = document->GetModel(id);
        ASSERT_TRUE(model) << id;
        EXPECT_EQ(model->GetModelId(), id);
        EXPECT_EQ(document->GetModel(id), model) << "kept";
    }
    EXPECT_FALSE(document->GetModel(13));
    EXPECT_EQ(document->FindModel(), setup) << "never another";
}

} // namespace
