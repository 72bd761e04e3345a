#pragma once
// Tarvik::WorkflowPanel: the content of the workflow view. A header with the
// title "Tarvik Workflow" and a close image, a column of accordion sections
// (one per step of the current workflow: 8 for small mammals, 7 for large
// mammals, the set-up step alone otherwise) and a footer with "Automatically
// tile views" (1) and a help button (2).
//
// Opening a section closes the others, makes the step's dialog in it
// (CreateStepDlgById) and records the step-dialog id in parameter 25 of the
// workflow-view model. The panel observes every step model: a step whose
// model has no objection to being applied shows its title in dark green, and
// a change of the workflow kind rebuilds every section after the first, which
// keeps its open dialog.

#include <deque>
#include <functional>
#include <memory>
#include <set>

#include "controls/Accordion.h"
#include "document/TarvikDocument.h"
#include "platform/atl/CWindowImpl.h"
#include "platform/vantrel/Subject.h"
#include "workflow/ModelMessages.h"

namespace Tarvik {

class WorkflowPanel;

// The parent of the sections: lays them out in a column and scrolls it.
class AccordionLayout
    : public ATL::CWindowImpl<AccordionLayout, ATL::CWindow, ATL::CWinTraits<0x56000000, 0>> {
public:
    explicit AccordionLayout(WorkflowPanel& panel) : mPanel(panel) {}

    BEGIN_MSG_MAP(AccordionLayout)
    MESSAGE_HANDLER(WM_NOTIFY, OnNotify)
    MESSAGE_HANDLER(WM_SIZE, OnSize)
    MESSAGE_HANDLER(WM_VSCROLL, OnVScroll)
    END_MSG_MAP()

    // Places the sections 10 pixels apart and 10 pixels inside the left and right edges, shifted
    // by the scroll position.
    void Layout();
    // 10 + the sum of (section height + 10).
    int ContentHeight() const;
    int ScrollPosition() const { return mPosition; }
    // A scroll request (SB_LINEUP ...); the position stays within 0 to content height - page.
    void Scroll(int request, int trackPosition = 0);

private:
    LRESULT OnNotify(UINT, WPARAM, LPARAM lParam, BOOL&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnVScroll(UINT, WPARAM wParam, LPARAM, BOOL&);
    int Page() const;

    WorkflowPanel& mPanel;
    int mPosition = 0;
};

class WorkflowPanel
    : public ATL::CWindowImpl<WorkflowPanel, ATL::CWindow, ATL::CWinTraits<0x56000000, 0x10000>> {
public:
    explicit WorkflowPanel(TarvikDocument& document);
    ~WorkflowPanel() override;

    BEGIN_MSG_MAP(WorkflowPanel)
    MESSAGE_HANDLER(WM_CREATE, OnCreate)
    MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    MESSAGE_HANDLER(WM_SIZE, OnSize)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
    MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
    MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
    MESSAGE_HANDLER(WM_LBUTTONUP, OnLButtonUp)
    MESSAGE_HANDLER(WM_COMMAND, OnCommand)
    MESSAGE_HANDLER(WM_CTLCOLORBTN, OnControlColour)
    END_MSG_MAP()

    // The accordions' notifications, passed on by the layout window.
    LRESULT OnSectionNotify(OvoControls::AccordionNotify& notify);
    // A step model's change of the ids (the workflow-view model's included).
    void OnModelChanged(const ModelParamSet& changed);

    std::size_t SectionCount() const { return mSections.size(); }
    OvoControls::Accordion& Section(std::size_t index) { return *mSections[index]; }
    AccordionLayout& Layout() { return mLayout; }
    // The band height of the header and the footer.
    int BandHeight() const { return mBand; }
    RECT CloseButtonRect() const;

    // Shows a help topic of the help file; by default nothing is shown (the host's help is
    // reached by whoever installs a handler).
    using HelpHandler = std::function<void(const Ovo::String& topic, const Ovo::String& file)>;
    static void SetHelpHandler(HelpHandler handler);

private:
    class Observer;

    LRESULT OnCreate(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnPaint(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, BOOL&) { return 1; }
    LRESULT OnMouseMove(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnLButtonUp(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnCommand(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnControlColour(UINT, WPARAM, LPARAM, BOOL&);

    void BuildSections();
    void RemoveSections(bool all);
    void Observe(const ModelPtr& model);
    void ShowHelp();

    TarvikDocument& mDocument;
    ModelPtr mWorkflowModel;
    std::unique_ptr<Observer> mObserver;
    std::set<Model*> mObserved;
    std::deque<std::unique_ptr<OvoControls::Accordion>> mSections;
    AccordionLayout mLayout;
    HWND mTileBox = nullptr;
    HWND mHelpButton = nullptr;
    HFONT mFont = nullptr;
    HFONT mBoldFont = nullptr;
    int mBand = 0;
    bool mHot = false;
};

} // namespace Tarvik
