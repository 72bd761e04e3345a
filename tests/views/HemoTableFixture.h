#pragma once
// The bundled occlusion recording (made by tools/pvsim) open in the host with the module's document
// set up and, on request, analysed; the document's table data source made as the library makes it.

#include <string>

#include "library/DocumentUiInstall.h"
#include "tests/document/RecordingFixture.h"
#include "views/TarvikHemodynamicsTableViewData.h"

namespace TarvikTest {

class HemoTableFixture : public RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        Tarvik::InstallDocumentUi();
        recording = ImportSample("mouse-occlusion");
    }
    void TearDown() override {
        data = nullptr;
        RecordingFixture::TearDown();
    }

    // The document opened with the stored set-up (no analysis yet) and its table data.
    Tarvik::TarvikDocument& OpenDocument() {
        Tarvik::TarvikDocument& document = OpenWithStoredSetUp(*recording);
        data = dynamic_cast<Tarvik::TarvikHemodynamicsTableViewData*>(
            static_cast<ITableDataManager*>(document.GetHemodynamicsTableData()));
        return document;
    }
    // Runs AnalyzeTarvikNow.
    void Analyse() { ASSERT_TRUE(recordingDocument->sendMessage(Tarvik::DocMsgId<257>())); }

    DWORD Columns() {
        DWORD n = 0;
        data->GetColumnCount(0, &n);
        return n;
    }
    DWORD Rows(DWORD table) {
        DWORD n = 0;
        data->GetRowCount(table, &n);
        return n;
    }
    std::u16string Cell(DWORD table, DWORD row, DWORD column) {
        return data->CellText(table, row, column).ToU16String();
    }
    // The model of the table's settings.
    Tarvik::ModelPtr Table(Tarvik::TarvikDocument& document) {
        return document.GetModel(Tarvik::kHemoTableModel);
    }

    std::unique_ptr<Vantrel::Recording> recording;
    Tarvik::TarvikHemodynamicsTableViewData* data = nullptr; // the document holds it
};

} // namespace TarvikTest
