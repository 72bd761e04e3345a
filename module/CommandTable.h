#pragma once
// Command tables: each class that receives commands, command-state queries,
// observer notifications or messages from the host has one static table that
// maps an id and an event kind to a member function of that class.
//
// A row holds its kind, a match word, id accessors (resolved into the row's
// ids by the first lookup or walk of the table) and one invoker, generated from
// the handler's signature, that unpacks the event's data and calls the handler.
// Lookups are linear, in table order; the first row of the asked kind whose
// test passes wins. A class whose table has no row for an event asks its base
// class's table (see ZAREventHandlerBase).

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/String.h"
#include "module/MessageIds.h"
#include "platform/vantrel/CommandHandler.h"
#include "platform/vantrel/Message.h"
#include "platform/vantrel/Subject.h"

namespace Tarvik {

enum EntryKind : std::uint8_t {
    kEndRow = 0,
    kHeaderRow = 1,
    kCommandRow = 2,
    kEnablerRow = 3,
    kObserverRow = 4,
    kMessageRow = 5,
    kCommandEventRow = 6,  // one word
    kCommandEvent2Row = 7, // two words
};

// Match words of command rows.
inline constexpr std::uint16_t kMatchExact = 0;
inline constexpr std::uint16_t kMatchRange = 1;
// The match word of message rows: the whole id.
inline constexpr std::uint16_t kMatchWholeId = 0xFFFF;
// Header flag: the table's ids are not resolved yet.
inline constexpr std::uint8_t kUnresolved = 2;

using IdAccessor = TarvikMessageId (*)();

// What an event hands to a row's handler.
struct CommandEvent {
    DWORD id = 0;
    ICommandState* state = nullptr;
    ISubject* subject = nullptr;
    ULONG_PTR data = 0; // an observer notification's data word: the address of its words
    IMessage* message = nullptr;
    ULONG_PTR word1 = 0;
    ULONG_PTR word2 = 0;
};

// Calls the row's handler on the table owner's object.
using RowInvoker = HRESULT (*)(void* object, const CommandEvent& event);

struct ZARCommandEntry {
    std::uint8_t kind = kEndRow;
    std::uint8_t flags = 0;
    std::uint16_t match = 0;
    DWORD id = 0;
    DWORD secondId = 0; // the exclusive end of a range row
    DWORD reserved = 0;
    IdAccessor idAccessor = nullptr;
    IdAccessor secondAccessor = nullptr;
    RowInvoker invoke = nullptr;
};

class EventTrigger {
public:
    virtual ~EventTrigger() = default;
    virtual std::uint8_t Kind() const = 0;
    virtual bool Matches(const ZARCommandEntry& entry) const = 0;
};

class CommandTrigger : public EventTrigger {
public:
    CommandTrigger(DWORD id, std::uint8_t kind) : mId(id), mKind(kind) {}
    std::uint8_t Kind() const override { return mKind; }
    bool Matches(const ZARCommandEntry& entry) const override;

private:
    DWORD mId;
    std::uint8_t mKind;
};

class ObserverEventTrigger : public EventTrigger {
public:
    explicit ObserverEventTrigger(DWORD id) : mId(id) {}
    std::uint8_t Kind() const override { return kObserverRow; }
    bool Matches(const ZARCommandEntry& entry) const override { return entry.id == mId; }

private:
    DWORD mId;
};

class MsgEventTrigger : public EventTrigger {
public:
    MsgEventTrigger(DWORD id, DWORD flags) : mId(id), mFlags(flags) {}
    std::uint8_t Kind() const override { return kMessageRow; }
    // The row's match word names the low bits that must match; the space always must.
    bool Matches(const ZARCommandEntry& entry) const override;

private:
    DWORD mId;
    DWORD mFlags;
};

class TableEntryAction {
public:
    virtual ~TableEntryAction() = default;
    virtual void Apply(const ZARCommandEntry& entry) = 0;
};

// Subscribes an observer to every notification row of a table.
class RegisterAction : public TableEntryAction {
public:
    RegisterAction(ISubjectService* registry, IObserver* observer)
        : mRegistry(registry), mObserver(observer) {}
    void Apply(const ZARCommandEntry& entry) override;

private:
    ISubjectService* mRegistry;
    IObserver* mObserver;
};

class ZARCommandTable {
public:
    // The rows after the header; the header and the end row are added.
    ZARCommandTable(std::initializer_list<ZARCommandEntry> rows);

    // The first row of the trigger's kind that matches, or null.
    const ZARCommandEntry* Find(const EventTrigger& trigger);
    // Applies the action to every row from the header to the row before the end.
    void Resolve(TableEntryAction& action);
    // Resolved in the current numbering of the host's message spaces (ids of a numbering the module
    // has since forgotten, ResetMessageIds, are resolved again).
    bool IsResolved() const;
    const std::vector<ZARCommandEntry>& Rows() const { return mRows; }

private:
    // Writes every row's ids once. A module id whose space the host did not
    // number yet leaves the table unresolved, to be tried again.
    void ResolveIds();

    std::vector<ZARCommandEntry> mRows;
    std::uint32_t mGeneration = 0; // of the message ids the rows were resolved with
};

// An id accessor of a fixed host id.
template <DWORD Id> TarvikMessageId FixedId() {
    return Id;
}
// An id accessor of number N in a space.
template <const GUID& Space, WORD N> TarvikMessageId SpaceId() {
    return MsgIdClass<Space, N>::Id();
}
template <WORD N> TarvikMessageId DocId() {
    return MsgIdClass<TarvikDocumentGUID, N>::Id();
}

namespace detail {

template <class M> struct MemberTraits;
template <class R, class C, class... A> struct MemberTraits<R (C::*)(A...)> {
    using Result = R;
    using Args = std::tuple<std::decay_t<A>...>;
    static constexpr std::size_t arity = sizeof...(A);
};

// Reads the message's values in order from after its type code word.
class ValueReader {
public:
    explicit ValueReader(const void* block) : mAt(static_cast<const std::uint8_t*>(block) + sizeof(DWORD)) {}
    template <class T> T Next();

private:
    template <class T> T Raw() {
        T value;
        std::memcpy(&value, mAt, sizeof value);
        mAt += sizeof value;
        return value;
    }
    const std::uint8_t* mAt;
};

template <> inline std::int32_t ValueReader::Next<std::int32_t>() {
    return Raw<std::int32_t>();
}
template <> inline std::uint32_t ValueReader::Next<std::uint32_t>() {
    return Raw<std::uint32_t>();
}
template <> inline double ValueReader::Next<double>() {
    return Raw<double>();
}
template <> inline bool ValueReader::Next<bool>() {
    return Raw<std::uint32_t>() != 0;
}
template <> inline Ovo::String ValueReader::Next<Ovo::String>() {
    return Ovo::String(Raw<IAutoOvoString*>());
}

template <class T, auto M, class... A>
HRESULT CallWithValues(T* object, const void* block, std::tuple<A...>*) {
    ValueReader reader(block);
    // Braced initialisation reads the values in order.
    std::tuple<A...> values{reader.Next<A>()...};
    return std::apply([object](auto&&... v) { return (object->*M)(v...); }, values);
}

template <class T, auto M, class... A, std::size_t... I>
void CallWithWords(T* object, const std::uint32_t* words, std::tuple<A...>*, std::index_sequence<I...>) {
    (object->*M)(static_cast<A>(words[I])...);
}

template <class T, auto M, class... A>
void CallWithWords(T* object, const std::uint32_t* words, std::tuple<A...>* args) {
    CallWithWords<T, M>(object, words, args, std::index_sequence_for<A...>{});
}

} // namespace detail

// Rows of the table of class T. Handlers: commands void(), enablers
// void(ICommandState&), notifications void(), void(u32...) taking the
// notification's first words, void(const R*) taking its data as a record R or void(ULONG_PTR) taking
// the data word itself, messages HRESULT() or HRESULT
// of their values (double, bool, Ovo::String, std::int32_t for long, std::uint32_t for unsigned long),
// command events HRESULT(ULONG_PTR) or HRESULT(ULONG_PTR, ULONG_PTR).
template <class T> struct TableRows {
    template <auto M> static ZARCommandEntry Command(IdAccessor id) {
        return Row(kCommandRow, kMatchExact, id, nullptr, [](void* o, const CommandEvent&) {
            (static_cast<T*>(o)->*M)();
            return S_OK;
        });
    }
    template <auto M> static ZARCommandEntry CommandRange(IdAccessor first, IdAccessor end) {
        ZARCommandEntry row = Command<M>(first);
        row.match = kMatchRange;
        row.secondAccessor = end;
        return row;
    }
    template <auto M> static ZARCommandEntry Enabler(IdAccessor id) {
        return Row(kEnablerRow, kMatchExact, id, nullptr, [](void* o, const CommandEvent& e) {
            if (e.state != nullptr)
                (static_cast<T*>(o)->*M)(*e.state);
            return S_OK;
        });
    }
    template <auto M> static ZARCommandEntry Observer(IdAccessor id) {
        return Row(kObserverRow, kMatchWholeId, id, nullptr, [](void* o, const CommandEvent& e) {
            using Traits = detail::MemberTraits<decltype(M)>;
            auto* words = reinterpret_cast<const std::uint32_t*>(e.data);
            if constexpr (Traits::arity == 0) {
                (static_cast<T*>(o)->*M)();
            } else if constexpr (Traits::arity == 1 &&
                                 std::is_same_v<std::tuple_element_t<0, typename Traits::Args>, ULONG_PTR>) {
                (static_cast<T*>(o)->*M)(e.data);
            } else if constexpr (Traits::arity == 1 &&
                                 std::is_pointer_v<std::tuple_element_t<0, typename Traits::Args>>) {
                if (e.data != 0)
                    (static_cast<T*>(o)->*M)(
                        reinterpret_cast<std::tuple_element_t<0, typename Traits::Args>>(e.data));
            } else if (words != nullptr) {
                detail::CallWithWords<T, M>(static_cast<T*>(o), words,
                                            static_cast<typename Traits::Args*>(nullptr));
            }
            return S_OK;
        });
    }
    template <auto M> static ZARCommandEntry Message(IdAccessor id) {
        return Row(kMessageRow, kMatchWholeId, id, nullptr, [](void* o, const CommandEvent& e) -> HRESULT {
            using Traits = detail::MemberTraits<decltype(M)>;
            if constexpr (Traits::arity == 0) {
                return (static_cast<T*>(o)->*M)();
            } else {
                const void* block = nullptr;
                if (e.message == nullptr || FAILED(e.message->GetData(&block)) || block == nullptr)
                    return E_INVALIDARG;
                return detail::CallWithValues<T, M>(static_cast<T*>(o), block,
                                                    static_cast<typename Traits::Args*>(nullptr));
            }
        });
    }
    template <auto M> static ZARCommandEntry CommandKind(IdAccessor id) {
        using Traits = detail::MemberTraits<decltype(M)>;
        constexpr std::uint8_t kind = Traits::arity == 1 ? kCommandEventRow : kCommandEvent2Row;
        return Row(kind, kMatchExact, id, nullptr, [](void* o, const CommandEvent& e) -> HRESULT {
            if constexpr (Traits::arity == 1)
                return (static_cast<T*>(o)->*M)(e.word1);
            else
                return (static_cast<T*>(o)->*M)(e.word1, e.word2);
        });
    }

private:
    static ZARCommandEntry Row(std::uint8_t kind, std::uint16_t match, IdAccessor id, IdAccessor second,
                               RowInvoker invoke) {
        ZARCommandEntry row;
        row.kind = kind;
        row.match = match;
        row.idAccessor = id;
        row.secondAccessor = second;
        row.invoke = invoke;
        return row;
    }
};

} // namespace Tarvik
