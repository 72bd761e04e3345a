// The haemodynamics table's export: the bytes of the tab-separated file, its progress and cancel, a
// file that cannot be written, and the save dialog's choice between it and the framework's CSV.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/shell/shlobj.h"
#include "platform/user/Desktop.h"
#include "platform/user/commdlg_api.h"
#include "platform/user/msgbox_api.h"
#include "tests/views/HemoTableFixture.h"
#include "views/HemoTableExport.h"

namespace {

using namespace Tarvik;
namespace fs = std::filesystem;

// A table of fixed texts: main rows by row, the summary grid's rows after them.
class FixedTable : public ITableDataManager, public ITableStoredRowInfo {
public:
    FixedTable(std::vector<std::vector<std::u16string>> main,
               std::vector<std::vector<std::u16string>> summary)
        : mMain(std::move(main)), mSummary(std::move(summary)) {}

    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetCellText(DWORD table, DWORD row, DWORD column, IAutoOvoString** text) override {
        const auto& rows = table & 0x10 ? mSummary : mMain;
        *text = row < rows.size() && column < rows[row].size() && !rows[row][column].empty()
                    ? Ovo::String(rows[row][column]).GetInterface()
                    : nullptr;
        return S_OK;
    }
    HRESULT GetCellFlags(DWORD, DWORD, DWORD, DWORD* flags) override {
        *flags = 0x1000;
        return S_OK;
    }
    HRESULT GetColumnCount(DWORD, DWORD* count) override {
        *count = static_cast<DWORD>(mMain.front().size());
        return S_OK;
    }
    HRESULT GetSourceName(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetTitle(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetRowCount(DWORD table, DWORD* count) override {
        *count = static_cast<DWORD>((table & 0x10 ? mSummary : mMain).size());
        return S_OK;
    }

private:
    std::vector<std::vector<std::u16string>> mMain, mSummary;
};

FixedTable SmallTable() {
    return FixedTable(
        {{u"", u"SV (\u00B5L)", u"HR (bpm)"}, {u"1", u"21.52", u" "}, {u"2", u"21.50", u"500.0"}},
        {{u"", u"SV (\u00B5L)", u"HR (bpm)"},
         {u"Avg", u"21.51", u"500.0"},
         {u"Min", u"21.50", u"500.0"},
         {u"Max", u"21.52", u"500.0"},
         {u"Count", u"2", u"1"}});
}

class HemoTableExport : public TarvikTest::HemoTableFixture {
protected:
    void SetUp() override {
        HemoTableFixture::SetUp();
        user::Desktop::Reset();
        folder = fs::temp_directory_path() / ("tarvik-export-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        shell::SetFolderPath(CSIDL_PERSONAL, folder.u16string());
    }
    void TearDown() override {
        fs::remove_all(folder);
        shell::ResetFolders();
        user::Desktop::Reset();
        HemoTableFixture::TearDown();
    }

    static std::string Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    Ovo::String Name(const char* file) const { return Ovo::String((folder / file).u16string()); }
    std::vector<fs::path> Files() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path().filename());
        return files;
    }

    fs::path folder;
};

TEST_F(HemoTableExport, TheTabSeparatedFileHoldsTheGridsCellByCellOneByteACharacter) {
    FixedTable table = SmallTable();
    const std::string main = "\tSV (\xB5L)\tHR (bpm)\r\n"
                             "1\t21.52\t \r\n"
                             "2\t21.50\t500.0\r\n";
    EXPECT_EQ(WriteTabSeparatedTable(table, table, Name("a.txt"), false), TableExportResult::Written);
    EXPECT_EQ(Bytes(folder / "a.txt"), main);
    EXPECT_EQ(WriteTabSeparatedTable(table, table, Name("a.txt"), true), TableExportResult::Written);
    EXPECT_EQ(Bytes(folder / "a.txt"), main + "\r\n"
                                              "\tSV (\xB5L)\tHR (bpm)\r\n"
                                              "Avg\t21.51\t500.0\r\n"
                                              "Min\t21.50\t500.0\r\n"
                                              "Max\t21.52\t500.0\r\n"
                                              "Count\t2\t1\r\n");
    EXPECT_EQ(Files(), std::vector<fs::path>{"a.txt"}) << "the file written beside it is gone";
}

TEST_F(HemoTableExport, WithoutAnAnalysisTheFileIsATitleLineOfEmptyCells) {
    OpenDocument();
    DWORD columns = 0;
    data->GetColumnCount(0, &columns);
    const std::string title = std::string(columns - 1, '\t') + "\r\n";
    EXPECT_EQ(WriteTabSeparatedTable(*data, *data, Name("t.txt"), true), TableExportResult::Written);
    EXPECT_EQ(Bytes(folder / "t.txt"),
              title + "\r\n" + title + "Avg" + title + "Min" + title + "Max" + title + "Count" + title);
}

TEST_F(HemoTableExport, AnAnalysedTableHasTheSameNumberOfCellsOnEveryLine) {
    OpenDocument();
    Analyse();
    EXPECT_EQ(WriteTabSeparatedTable(*data, *data, Name("loops.txt"), true), TableExportResult::Written);
    std::ifstream in(folder / "loops.txt", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line, '\n');)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 66u + 1 + 5);
    const auto tabs = std::count(lines[0].begin(), lines[0].end(), '\t');
    EXPECT_EQ(tabs, 26);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i].back(), '\r') << i;
        if (i != 66)
            EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), tabs) << i;
    }
    EXPECT_EQ(lines[66], "\r");
    EXPECT_EQ(lines[1].substr(0, 2), "1\t");
    EXPECT_EQ(lines[71].substr(0, 9), "Count\t65\t");
}

TEST_F(HemoTableExport, ProgressShowsEachWholePercentOnceAndACancelLeavesTheOldFile) {
    std::vector<std::vector<std::u16string>> rows(200, {u"1", u"2"});
    FixedTable table(rows, {});
    EXPECT_EQ(WriteTabSeparatedTable(table, table, Name("p.txt"), false), TableExportResult::Written);
    const auto& opened = Zar().Progress().opened();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0]->texts.front(), u"Exporting Table View");
    std::vector<std::u16string> expected{u"Exporting Table View"};
    for (int p = 0; p <= 100; ++p)
        expected.push_back(Ovo::String(std::to_wstring(p) + L" %").ToU16String());
    EXPECT_EQ(opened[0]->texts, expected) << "200 rows: 0 % after the first, then every percent once";
    EXPECT_TRUE(opened[0]->closed);
    const std::string complete = Bytes(folder / "p.txt");

    Zar().Progress().cancelAt(50);
    std::vector<std::vector<std::u16string>> other(200, {u"3", u"4"});
    FixedTable changed(other, {});
    EXPECT_EQ(WriteTabSeparatedTable(changed, changed, Name("p.txt"), false), TableExportResult::Cancelled);
    EXPECT_EQ(Bytes(folder / "p.txt"), complete) << "the earlier export stays whole";
    EXPECT_EQ(WriteTabSeparatedTable(changed, changed, Name("new.txt"), false), TableExportResult::Cancelled);
    EXPECT_EQ(Files(), std::vector<fs::path>{"p.txt"}) << "a cancelled export leaves no file";
}

TEST_F(HemoTableExport, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    FixedTable table = SmallTable();
    user::Desktop::Current().FileDialogs().Choose((folder / "missing" / "t.txt").u16string());
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    RunTableExport(nullptr, nullptr, table, table, false);
    const auto& boxes = user::Desktop::Current().MessageBoxes().Shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              u"The table could not be written to " + (folder / "missing" / "t.txt").u16string() + u".");
    EXPECT_EQ(boxes[0].caption, u"Tarvik");
    EXPECT_TRUE(Files().empty());
}

TEST_F(HemoTableExport, TheSaveDialogStartsInTheDocumentsFolderAndOnlyALowerCaseCsvGoesToTheCsvExport) {
    FixedTable table = SmallTable();
    auto& dialogs = user::Desktop::Current().FileDialogs();
    dialogs.Choose((folder / "upper.CSV").u16string());
    RunTableExport(nullptr, nullptr, table, table, false);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    const user::FileDialogShown& shown = dialogs.Shown()[0];
    EXPECT_EQ(shown.filter, (std::vector<std::u16string>{u"Tarvik Table View Text File (*.txt)", u"*.txt",
                                                         u"CSV (Comma delimited) (*.csv)", u"*.csv"}));
    EXPECT_EQ(shown.filterIndex, 1u);
    EXPECT_EQ(shown.initialName, u"");
    EXPECT_EQ(shown.initialDir, folder.u16string());
    EXPECT_EQ(shown.title, u"Export Tarvik Table View Data");
    EXPECT_EQ(shown.defaultExtension, u"txt");
    EXPECT_EQ(shown.flags, static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY));
    EXPECT_EQ(Bytes(folder / "upper.CSV").substr(0, 4), "\tSV ") << "written as tab-separated text";

    // "csv" goes to the manager's CSV export; without a manager's grid that fails, and says so.
    dialogs.Choose((folder / "lower.csv").u16string());
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    RunTableExport(nullptr, nullptr, table, table, false);
    EXPECT_FALSE(fs::exists(folder / "lower.csv"));
    EXPECT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);

    // Cancelled, or without a documents folder, nothing happens.
    dialogs.Cancel();
    RunTableExport(nullptr, nullptr, table, table, false);
    shell::SetFolderFailure(CSIDL_PERSONAL, E_FAIL);
    RunTableExport(nullptr, nullptr, table, table, false);
    EXPECT_EQ(dialogs.Shown().size(), 3u) << "no dialog without the folder";
    EXPECT_EQ(Files().size(), 1u);
}

} // namespace
