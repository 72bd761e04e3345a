#pragma once
// Automation as the host runs it: an automation client (a script, a macro, the
// command line) calls one of a module's automation commands by name. Its
// arguments travel as an automation call's do (DISPPARAMS, positional
// arguments last first) to the command's message class, which makes the
// message (IMsgIdMessageClassObject::CreateMessage); the script recorder, when
// one listens, records the message as text; the dispatcher delivers it to the
// document.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/Framework.h"
#include "host/framework/ScriptRecorder.h"
#include "platform/vantrel/IMessageHandler.h"
#include "platform/win32/variant.h"

namespace Vantrel {

// One automation argument, owning what it holds.
class Argument {
public:
    Argument() { VariantInit(&mValue); }
    static Argument Number(double value);
    static Argument Long(LONG value);
    static Argument Bool(bool value);
    static Argument Text(std::u16string_view text);
    Argument(const Argument& other);
    Argument& operator=(const Argument& other);
    ~Argument() { VariantClear(&mValue); }
    const VARIANT& Value() const { return mValue; }

private:
    VARIANT mValue;
};

struct AutomationResult {
    HRESULT creation = S_OK;    // what the message class answered
    HRESULT delivery = S_FALSE; // S_OK when the document handled the message
};

class Automation {
public:
    // document: the module's document (its message handler); recorder: records each call, may be null.
    Automation(Framework& framework, IMessageHandler& document, ScriptRecorder* recorder = nullptr);

    // Calls the command of that name (as its class names itself) with the arguments in order, and
    // named arguments as given (DISPPARAMS' named part, which the module refuses).
    AutomationResult Call(std::u16string_view name, std::span<const Argument> arguments,
                          std::span<const Argument> named = {});
    // The registered class of that name, or null.
    IMsgIdMessageClassObject* Find(std::u16string_view name) const;

private:
    Framework& mFramework;
    IMessageHandler& mDocument;
    ScriptRecorder* mRecorder;
};

// A recorded macro replayed: each "Call Doc.Name(param:=value, ...)" line is called with its values
// in order (numbers as doubles, "text" as texts, True and False as booleans); blank lines and
// comments (') are skipped. Throws std::runtime_error naming the line for any other statement or a
// value it cannot read, and for a call the module refuses or does not handle.
void RunMacro(std::u16string_view macro, Automation& automation);

} // namespace Vantrel
