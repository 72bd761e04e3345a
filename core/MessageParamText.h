#pragma once
// The parameter text form of automation messages and what the host's script
// recorder and line sink are given for it.
//
// A parameter text is a list of elements separated by ","; three elements make
// one parameter: type name, parameter name, value. A group "{{...}}" keeps its
// commas: an element that spans a group comes without its markers, its pieces
// joined by ", ". In a name ";" stands for ","; in a value ";;" does. The type
// name, lower-cased, gives the script type code: "string" 2, "safearray" 3,
// "rect" 4, "bool" 5, anything else 0 (a number).

#include <vector>

#include "core/String.h"
#include "platform/vantrel/ScriptRecorder.h"

namespace Ovo {

// With empty markers the text splits at every comma. A group still open at the
// end of the text is dropped; an empty text gives no element.
std::vector<String> SplitParamText(const String& text, const String& open, const String& close);
// Whether position (-1: the end of the text) lies inside a group. Groups do not nest: a group
// closes at the first close marker after its open marker, and the next one opens after that.
// Both take time in proportion to the text's length.
bool IsInsideGroup(const String& text, int position, const String& open, const String& close);
int ParamTypeCode(const String& lowerTypeName);

// Records one message as a call statement. A text that is not whole triples
// records nothing and answers E_INVALIDARG; a parameter of type 3 or 4 records
// the message in the block form instead.
HRESULT RecordMessage(const String& messageName, const String& paramText, IScriptRecorder* recorder,
                      DWORD flags);
// The block form: an opening comment line, one assignment (or array) per
// parameter, the call with the variables, a closing comment line. Answers the
// result of the last write.
HRESULT RecordMessageBlock(const String& messageName, const String& paramText, IScriptRecorder* recorder,
                           DWORD flags);
// Declares an array of the comma-separated items of value ("{{}}" as "0") and
// replaces value by the variable that holds it.
HRESULT RecordArrayArgument(IScriptRecorder* recorder, const String& name, String& value, DWORD flags);
// The "Name:", "Description:" and "Parameters:" lines.
HRESULT DescriptionText(const String& messageName, const String& description, const String& paramText,
                        ILineSink* sink, DWORD cookie);

} // namespace Ovo
