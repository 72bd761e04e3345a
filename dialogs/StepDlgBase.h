#pragma once
// The framework of the workflow's step dialogs: modeless child dialogs, one
// per step, each showing and editing its step model. A value the user enters
// goes straight into the model through its setter and SyncModel; the model
// validates and notifies, and the dialog redraws from the notification. The
// dialog keeps no copy of a value.
//
//   StepDlgCore          what every step dialog shares, independent of its class;
//   StepDlgBase<X, N>    the dialog class X of step-dialog id N;
//   StepDlgClassObj<X>   the class object through which CreateStepDlgById makes X.
//
// Start-up (WM_INITDIALOG): X's own preparations (PrepareDialog), then with
// the model's notifications suspended every parameter is shown
// (OnModelChanged) and OnDocumentChanged runs; then the children are walked in
// Z order: descriptions get the italic description font and are fitted to
// their text, selection buttons become bitmap buttons (bitmap 126), sampling
// placeholders get the sampling pane, and X's SetUpControl runs for every
// child; then the sampling label and the channel unit labels are set, and
// last the resize layout records the dialog's size. WM_DESTROY throws away
// input that does not validate (the model's open change is rolled back).

#include <memory>
#include <span>
#include <vector>

#include "controls/WhiteDlg.h"
#include "core/MsgData.h"
#include "dialogs/SamplingButton.h"
#include "dialogs/StepDlgModelHandler.h"
#include "module/SendDocMessage.h"
#include "platform/atl/CDialogImpl.h"
#include "platform/gdiplus/gdiplus.h"
#include "platform/user/combobox.h"
#include "platform/user/user.h"

namespace WTLControls {
class CWtlBitmapButton;
}

// LRESULT func(WORD notifyCode, WORD id, HWND control, BOOL& bHandled), for every id.
#ifndef COMMAND_CODE_HANDLER
#define COMMAND_CODE_HANDLER(code, func)                                                                     \
    if (uMsg == WM_COMMAND && HIWORD(static_cast<DWORD>(wParam)) == (code)) {                                \
        bHandled = TRUE;                                                                                     \
        lResult = func(HIWORD(static_cast<DWORD>(wParam)), LOWORD(static_cast<DWORD>(wParam)),               \
                       reinterpret_cast<HWND>(lParam), bHandled);                                            \
        if (bHandled)                                                                                        \
            return TRUE;                                                                                     \
    }
#endif

namespace Tarvik {

// Resize behaviour of a control: it stretches with the dialog's width, or moves with its right edge.
inline constexpr unsigned kSizeX = 0x1;
inline constexpr unsigned kMoveX = 0x2;

struct StepDlgResize {
    int id;
    unsigned flags;
};

// The channel whose unit a dialog's unit labels show.
enum class UnitLabelChannel { kPressure, kVolume };

// The control ids the start-up treats (each list may be empty).
struct StepDlgTables {
    std::span<const int> descriptions;
    std::span<const int> selectionButtons;
    std::span<const int> samplingButtons;
    std::span<const int> samplingLabels;
    std::span<const int> unitLabels;
    UnitLabelChannel unitChannel = UnitLabelChannel::kPressure;
    std::span<const StepDlgResize> resize;
};

// value * factor, a NaN passed on as it is (the empty and the not-a-number values differ only in
// their payload).
inline double ScaleValue(double value, double factor) {
    return value != value ? value : value * factor;
}

// The model of each step-dialog id (1 to 9); 0 for any other id.
std::int32_t StepDialogModelId(int stepDialogId);
// The dialog template of each step-dialog id; 0 for any other id.
WORD StepDialogTemplateId(int stepDialogId);

class StepDlgCore : public StepDlgModelHandler {
public:
    StepDlgCore(TarvikDocument& document, std::int32_t modelId);
    ~StepDlgCore() override;

    HWND Dialog() const { return StepWindow(); }
    virtual StepDlgTables Tables() const = 0;

    // Routines the start-up and the dialogs share.
    // The italic description font, made on first use (the icon-title font at the control's height).
    HFONT MakeDescriptionFont(HWND control);
    // The bold heading font, made on first use (the icon-title font at the control's height).
    HFONT MakeHeadingFont(HWND control);
    // Grows a word-wrapped static to its text's height, moving the controls below it down and
    // growing the dialog by as much; a static never shrinks.
    void FitStaticTextHeight(int id);
    // A separator spans from one pixel left of description 1074 to one pixel right of it.
    void AlignSeparator(int id, int to = 1074);
    // A selection button takes its edit's top - 1 and height + 2.
    void AlignSelectionButton(int buttonId, int editId);
    // The push button becomes a bitmap button showing bitmap resource bitmapId.
    void AddBitmapButton(int id, WORD bitmapId);
    // The sampling labels read "Stop sampling:" while the host samples, else "Start sampling:".
    void UpdateSamplingLabel();
    // The unit labels show the unit of the dialog's channel.
    void UpdateChannelUnitLabels();
    // The sampling pane in the placeholder's place.
    void CreateSamplingButton(int placeholderId);
    // The number in an edit: the empty value for an empty edit, the not-a-number value for text
    // that is not a number.
    double GetEditValue(int id) const;

    // The Apply check box: checking it validates the model and sets the apply parameter through
    // set; a refusal unchecks the box and shows the model's message as a balloon at it.
    void OnApplyClicked(int checkBoxId, const std::function<void(bool)>& set);

    // The number edit guard: set while the dialog writes an edit's value into the model.
    bool IsUpdatingModel() const { return mUpdating; }
    // Runs store (which sets parameters) with the guard set, then publishes the model's changes.
    void StoreFromEdit(const std::function<void()>& store);

    const OwlSamplingButton* SamplingButton() const { return mSamplingButton.get(); }

    // Sends a message record to the document, as its automation messages are sent.
    template <class Record> HRESULT SendToDocument(const Record& record, DWORD extraFlags = 0) {
        TarvikDocument& document = Document();
        return SendDocMessage(record, document, document.Target(), extraFlags);
    }
    // An automation message of the module's space without arguments.
    HRESULT SendAutomation(WORD number, DWORD flags = 0) {
        return SendToDocument(Ovo::MsgData0{MakeMessageId(MessageSpace(TarvikDocumentGUID), number), flags});
    }

protected:
    // X's preparations before the common start-up.
    virtual void PrepareDialog() {}
    // X's set-up of one child during the start-up walk.
    virtual void SetUpControl(HWND child, int id) {}

    LRESULT InitStepDialog();
    void DestroyStepDialog();
    void ResizeStepDialog(int width);

private:
    void SetUpChild(HWND child, int id);

    HFONT mDescriptionFont = nullptr;
    HFONT mHeadingFont = nullptr;
    std::vector<std::unique_ptr<WTLControls::CWtlBitmapButton>> mBitmapButtons;
    std::vector<std::unique_ptr<Gdiplus::Bitmap>> mBitmaps;
    std::unique_ptr<OwlSamplingButton> mSamplingButton;
    bool mUpdating = false;
    // The resize layout: the client width and the controls' rectangles at the end of the start-up.
    struct Placed {
        int id;
        unsigned flags;
        RECT rect;
    };
    std::vector<Placed> mPlaced;
    int mInitialWidth = -1;
};

template <class X, int N>
class StepDlgBase : public ATL::CDialogImpl<X>, public Ovo::WhiteDlg<X>, public StepDlgCore {
public:
    enum { IDD = 0 };
    static constexpr int kStepDialogId = N;

    explicit StepDlgBase(TarvikDocument& document) : StepDlgCore(document, StepDialogModelId(N)) {}

    BEGIN_MSG_MAP(StepDlgBase)
    MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
    MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    MESSAGE_HANDLER(WM_SIZE, OnSize)
    CHAIN_MSG_MAP(Ovo::WhiteDlg<X>)
    END_MSG_MAP()

    void OnFinalMessage(HWND) override { delete static_cast<X*>(this); }

    // The modeless dialog from template N as a child of parent; null when it cannot be made.
    HWND CreateStepDialog(HWND parent) { return this->CreateImpl(StepDialogTemplateId(N), parent, 0); }

protected:
    HWND StepWindow() const override { return this->m_hWnd; }

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, BOOL&) { return InitStepDialog(); }
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, BOOL& handled) {
        DestroyStepDialog();
        handled = FALSE;
        return 0;
    }
    LRESULT OnSize(UINT, WPARAM, LPARAM lParam, BOOL& handled) {
        ResizeStepDialog(LOWORD(static_cast<DWORD>(lParam)));
        handled = FALSE;
        return 0;
    }
};

// The class objects of the step dialogs form a list that CreateStepDlgById walks.
class StepDlgClassObjBase {
public:
    virtual ~StepDlgClassObjBase() = default;
    virtual HWND Create(HWND parent, TarvikDocument& document) = 0;
    virtual int GetId() const = 0;

protected:
    StepDlgClassObjBase();

private:
    friend HWND CreateStepDlgById(int id, HWND parent, TarvikDocument& document);
    StepDlgClassObjBase* mNext;
};

// The head of the class objects' list, the one made last first.
extern StepDlgClassObjBase* gStepDlgClassObjects;

template <class X> class StepDlgClassObj : public StepDlgClassObjBase {
public:
    HWND Create(HWND parent, TarvikDocument& document) override {
        auto* dialog = new X(document);
        HWND window = dialog->CreateStepDialog(parent);
        if (window == nullptr)
            delete dialog;
        return window;
    }
    int GetId() const override { return X::kStepDialogId; }
};

// The step dialog of id as a child of parent, over the document; null for an id without a class
// object or when the dialog cannot be made.
HWND CreateStepDlgById(int id, HWND parent, TarvikDocument& document);

} // namespace Tarvik
