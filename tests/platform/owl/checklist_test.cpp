// The list box and the check list: what a user's clicks and keys do to the selection and the check
// marks, and what the parent hears.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/owl/TCheckList.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/user.h"

namespace {

constexpr int kList = 3001;

// A parent that notes each selection change with the selected item and the check marks then.
class Parent : public OWL::TWindow {
public:
    Parent() : OWL::TWindow(nullptr, u"parent") { Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 200, 200, 0}; }
    void SelChanged() {
        std::string heard = std::to_string(list->GetSelIndex()) + ":";
        for (int i = 0; i < list->GetCount(); ++i)
            heard += list->GetItem(i)->IsChecked() ? 'x' : '-';
        notes.push_back(heard);
    }
    OWL::TCheckList* list = nullptr;
    std::vector<std::string> notes;
    DECLARE_RESPONSE_TABLE(Parent);
};

DEFINE_RESPONSE_TABLE1(Parent, OWL::TWindow)
EV_LBN_SELCHANGE(kList, SelChanged), END_RESPONSE_TABLE;

class CheckList : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        parent.list = new OWL::TCheckList(&parent, kList, 10, 10, 60, 120);
        ASSERT_TRUE(parent.Create());
        for (auto& item : items)
            parent.list->AddItem(&item);
    }
    void TearDown() override { user::Desktop::Reset(); }
    // A point inside item index: on its box or on its text.
    POINT On(int index, bool box) const {
        return {box ? 6 : 40, index * OWL::TCheckList::kItemHeight + OWL::TCheckList::kItemHeight / 2};
    }
    std::string Marks() const {
        std::string marks;
        for (const auto& item : items)
            marks += item.IsChecked() ? 'x' : '-';
        return marks;
    }

    Parent parent;
    OWL::TCheckListItem items[4] = {OWL::TCheckListItem(u"1", true), OWL::TCheckListItem(u"2", true),
                                    OWL::TCheckListItem(u"3", false), OWL::TCheckListItem(u"4", true)};
};

TEST_F(CheckList, ClicksAndKeysSelectAndToggleAndTheParentHearsTheNewState) {
    struct Step {
        const char* what;
        enum { ClickBox, ClickText, Key } action;
        int value; // item, or key
        int selected;
        const char* marks;
        std::vector<std::string> heard; // notes added by this step
    };
    const Step steps[] = {
        {"a click on an item's text selects it", Step::ClickText, 1, 1, "xx-x", {"1:xx-x"}},
        {"a click on the selected item's text changes nothing", Step::ClickText, 1, 1, "xx-x", {}},
        {"a click on another item's box selects and toggles it", Step::ClickBox, 2, 2, "xxxx", {"2:xxxx"}},
        {"a click on the selected item's box toggles it", Step::ClickBox, 2, 2, "xx-x", {"2:xx-x"}},
        {"the space bar toggles the selected item", Step::Key, VK_SPACE, 2, "xxxx", {"2:xxxx"}},
        {"the down arrow selects the next item", Step::Key, VK_DOWN, 3, "xxxx", {"3:xxxx"}},
        {"the down arrow stops at the last item", Step::Key, VK_DOWN, 3, "xxxx", {}},
        {"Home selects the first item", Step::Key, VK_HOME, 0, "xxxx", {"0:xxxx"}},
        {"space unchecks it", Step::Key, VK_SPACE, 0, "-xxx", {"0:-xxx"}},
        {"a click below the last item does nothing", Step::ClickBox, 6, 0, "-xxx", {}},
    };
    user::Desktop& desktop = user::Desktop::Current();
    std::size_t heard = 0;
    for (const Step& s : steps) {
        if (s.action == Step::Key) {
            user::PressKey(s.value); // the space bar's WM_CHAR comes through the message loop
        } else {
            user::Click(*parent.list, On(s.value, s.action == Step::ClickBox));
        }
        desktop.Pump();
        EXPECT_EQ(parent.list->GetSelIndex(), s.selected) << s.what;
        EXPECT_EQ(Marks(), s.marks) << s.what;
        const std::vector<std::string> added(parent.notes.begin() + static_cast<std::ptrdiff_t>(heard),
                                             parent.notes.end());
        EXPECT_EQ(added, s.heard) << s.what;
        heard = parent.notes.size();
    }
}

TEST_F(CheckList, ItemsAreDetachedByPositionAndTheSelectionFollows) {
    OWL::TCheckList& list = *parent.list;
    list.SetSelIndex(2);
    EXPECT_TRUE(parent.notes.empty()) << "a selection from code is not reported";
    EXPECT_EQ(list.DetachItem(0), &items[0]);
    EXPECT_EQ(list.GetSelIndex(), 1) << "the selected item moves up with the list";
    EXPECT_EQ(list.GetItem(1), &items[2]);
    EXPECT_EQ(list.DetachItem(1), &items[2]);
    EXPECT_EQ(list.GetSelIndex(), -1) << "a detached selected item leaves nothing selected";
    EXPECT_EQ(list.DetachItem(5), nullptr);
    EXPECT_EQ(list.GetItem(-1), nullptr);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.SetSelIndex(7), LB_ERR);
    EXPECT_EQ(list.GetSelIndex(), -1);
    EXPECT_EQ(list.AddItem(&items[0]), 2);
    EXPECT_EQ(list.GetItem(2)->GetText(), u"1");
    user::Desktop::Current().Pump(); // the items paint through the list's own drawing
}

// A plain list box keeps texts and data words, inserts by position and scrolls to its selection.
TEST(ListBox, KeepsTextsAndDataAndScrollsToTheSelection) {
    user::Desktop::Reset();
    OWL::TWindow frame(nullptr, u"frame");
    frame.Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 200, 200, 0};
    auto* list = new OWL::TListBox(&frame, 7, 0, 0, 80, 50); // three items of 16 pixels show
    ASSERT_TRUE(frame.Create());
    for (const char16_t* text : {u"a", u"c", u"d", u"e", u"f"})
        list->AddString(text);
    EXPECT_EQ(list->InsertString(u"b", 1), 1);
    EXPECT_EQ(list->InsertString(u"x", 9), LB_ERR);
    EXPECT_EQ(list->SetItemData(1, 42), LB_OKAY);
    EXPECT_EQ(list->GetItemData(1), 42);
    WCHAR text[4] = {};
    EXPECT_EQ(SendMessageW(*list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 1);
    EXPECT_EQ(std::u16string(text), u"b");
    list->SetSelIndex(5);
    EXPECT_EQ(SendMessageW(*list, LB_GETTOPINDEX, 0, 0), 3) << "the selection is the last item shown";
    list->ClearList();
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(list->GetSelIndex(), -1);
    user::Desktop::Reset();
}

} // namespace
