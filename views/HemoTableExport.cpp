#include "views/HemoTableExport.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "module/ModuleInstance.h"
#include "module/ProgressIndicator.h"
#include "platform/shell/shlobj.h"
#include "platform/user/commdlg_api.h"
#include "platform/user/msgbox_api.h"
#include "platform/win32/codepage.h"
#include "platform/win32/modules.h"
#include "platform/win32/utf.h"

namespace Tarvik {

namespace {

namespace fs = std::filesystem;

constexpr DWORD kMainGrid = 0;
constexpr DWORD kSummaryGrid = 0x10;
constexpr UINT kCaption = 174;       // "Tarvik"
constexpr UINT kWriteFailed = 22970; // "The table could not be written to %1."

// The file being written, beside the chosen one; it replaces the chosen file only when complete and
// is removed otherwise.
class ReplacingFile {
public:
    explicit ReplacingFile(const Ovo::String& name) : mTarget(win32::Utf16ToUtf8(name.ToU16String())) {
        std::error_code error;
        if (fs::is_symlink(mTarget, error))
            mTarget = fs::canonical(mTarget, error); // the file the link names is replaced
        mPartial = mTarget;
        mPartial += ".partial";
        mOut.open(mPartial, std::ios::binary | std::ios::trunc);
    }
    ~ReplacingFile() {
        if (!mDone) {
            mOut.close();
            std::error_code ignored;
            fs::remove(mPartial, ignored);
        }
    }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool Good() const { return mOut.good(); }
    void Write(const std::string& bytes) {
        mOut.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // Closes the file and puts it in the chosen one's place, with its permissions; false, leaving the
    // chosen file as it was, when anything failed.
    bool Commit() {
        mOut.close();
        if (mOut.fail())
            return false;
        std::error_code error;
        const fs::file_status target = fs::status(mTarget, error);
        if (fs::exists(target))
            fs::permissions(mPartial, target.permissions(), error);
        fs::rename(mPartial, mTarget, error);
        mDone = !error;
        return mDone;
    }

private:
    fs::path mTarget;
    fs::path mPartial;
    std::ofstream mOut;
    bool mDone = false;
};

// One byte a character, in the ANSI code page.
std::string Narrow(const std::u16string& line) {
    if (line.empty())
        return {};
    std::string bytes(line.size(), '\0');
    const int n = WideCharToMultiByte(CP_ACP, 0, line.data(), static_cast<int>(line.size()), bytes.data(),
                                      static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return bytes;
}

std::u16string RowLine(ITableDataManager& data, DWORD grid, DWORD row, DWORD columns) {
    std::u16string line;
    for (DWORD c = 0; c < columns; ++c) {
        if (c > 0)
            line += u'\t';
        IAutoOvoString* text = nullptr;
        data.GetCellText(grid, row, c, &text);
        Ovo::String cell;
        cell.AssignAndRelease(text);
        line += cell.ToU16String();
    }
    return line + u"\r\n";
}

// The percentage of rows written, shown as text when it changed; true when the user cancelled.
class ExportProgress {
public:
    explicit ExportProgress(DWORD total)
        : mIndicator(Ovo::String(), Ovo::String(u"Exporting Table View")), mTotal(total) {}

    bool RowWritten() {
        ++mWritten;
        const LONG percent =
            mTotal == 0 ? 100 : static_cast<LONG>(static_cast<unsigned long long>(mWritten) * 100 / mTotal);
        if (percent != mShown) {
            mShown = percent;
            mIndicator.SetText(Ovo::String(std::to_wstring(percent) + L" %"));
        }
        return mIndicator.SetPercent(percent);
    }

private:
    ProgressIndicator mIndicator;
    DWORD mTotal;
    DWORD mWritten = 0;
    LONG mShown = -1;
};

void ReportWriteFailure(HWND owner, const Ovo::String& fileName) {
    std::u16string text = LoadModuleString(kWriteFailed).ToU16String();
    if (const auto at = text.find(u"%1"); at != std::u16string::npos)
        text.replace(at, 2, fileName.ToU16String());
    MessageBoxW(owner, text.c_str(), LoadModuleString(kCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

TableExportResult WriteTabSeparatedTable(ITableDataManager& data, ITableStoredRowInfo& rows,
                                         const Ovo::String& fileName, bool includeSummary) {
    DWORD columns = 0, mainRows = 0, summaryRows = 0;
    data.GetColumnCount(kMainGrid, &columns);
    rows.GetRowCount(kMainGrid, &mainRows);
    rows.GetRowCount(kSummaryGrid, &summaryRows);
    const DWORD total = mainRows + (includeSummary ? summaryRows : 0);
    ExportProgress progress(total);
    ReplacingFile file(fileName);
    if (!file.Good())
        return TableExportResult::Failed;
    for (DWORD r = 0; r < mainRows; ++r) {
        file.Write(Narrow(RowLine(data, kMainGrid, r, columns)));
        if (progress.RowWritten())
            return TableExportResult::Cancelled;
    }
    if (includeSummary) {
        file.Write("\r\n");
        for (DWORD r = 0; r < summaryRows; ++r) {
            file.Write(Narrow(RowLine(data, kSummaryGrid, r, columns)));
            if (progress.RowWritten())
                return TableExportResult::Cancelled;
        }
    }
    return file.Commit() ? TableExportResult::Written : TableExportResult::Failed;
}

void RunTableExport(HWND owner, ITableViewManager* manager, ITableDataManager& data,
                    ITableStoredRowInfo& rows, bool includeSummary) {
    WCHAR folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(owner, CSIDL_PERSONAL, nullptr, 0, folder)))
        return;
    WCHAR file[256] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = u"Tarvik Table View Text File (*.txt)\0*.txt\0"
                         u"CSV (Comma delimited) (*.csv)\0*.csv\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = 256;
    dialog.lpstrInitialDir = folder;
    dialog.lpstrTitle = u"Export Tarvik Table View Data";
    dialog.lpstrDefExt = u"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog))
        return;
    const Ovo::String name(file);
    const std::u16string path = name.ToU16String();
    const auto dot = path.rfind(u'.');
    bool written = true;
    if (dot != std::u16string::npos && path.substr(dot + 1) == u"csv") {
        const auto text = ComPtr<IAutoOvoString>::Adopt(name.GetInterface());
        written = manager != nullptr && SUCCEEDED(manager->ExportCsv(0, text.Get()));
    } else {
        written = WriteTabSeparatedTable(data, rows, name, includeSummary) != TableExportResult::Failed;
    }
    if (!written)
        ReportWriteFailure(owner, name);
}

} // namespace Tarvik
