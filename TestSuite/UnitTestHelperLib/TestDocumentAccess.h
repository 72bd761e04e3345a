#pragma once
// The host objects the test routines build on: the ids of the host's formula
// calculation and of its test-document factory, and new, empty test documents.

#include "platform/vantrel/ITestDocumentFactory.h"

namespace ExtLib {

/// The class id of the host's formula calculation (number 0 in the space of
/// {88736FEF-F85F-4B09-862A-B4E59B348DE4}): the class whose enumerators evaluate a whole formula
/// text on a document, and whose sample formulas are the test documents' channel sources.
DWORD GetCalcGuidMsgId0();
/// The class registry's kind word of the test-document factory.
DWORD GetDocFactoryMsgId0();
/// The message id the configuration texts of a test are sent with (number 0 in the space of
/// {C3397303-5AAD-11D3-AB07-00A0CC40B4CE}).
DWORD GetExtGuidMsgId0();

/// The host's test-document factory, fetched once from the class registry and kept without a
/// reference; null while the host cannot give it (asked again next time).
ITestDocumentFactory* GetTestDocumentFactory();

/// Releases what *document holds and puts a new, empty test document there (its IRecordData, with
/// one reference). Fails the check "TestDataAdder, Line 80 [GetTestDocumentFactory()]" when the host
/// gives no document.
void NewTestDocument(IUnknown** document);

} // namespace ExtLib
