#include "ui/testing.h"

#include <gtest/gtest.h>

using namespace ui;
using ui::testing::UiTest;

namespace {

struct TreeFixture {
    TForm* form = new TForm(&App());
    TTreeView* tree = new TTreeView(form);
    TImageList* checks = new TImageList(form);
    TreeFixture()
    {
        tree->SetParent(form);
        tree->SetBounds(0, 0, 200, 200);
        tree->SetIndent(21);
        for (int i = 0; i < 4; ++i) {
            checks->Add(gfx::Bitmap(16, 16, gfx::ColorToPixel(0x808080)));
        }
        tree->SetStateImages(checks);
    }
};

}  // namespace

TEST(TreeView, NodeHandlesTurnNullAfterDeletionAndPointersStayReadableInHandlers)
{
    UiTest ui;
    TreeFixture f;
    TTreeNode* root = f.tree->Items().AddChild(nullptr, u"C:\\");
    TTreeNode* child = f.tree->Items().AddChild(root, u"Users");
    TTreeNodeRef childRef(child);
    TTreeNodeRef rootRef(root);

    bool deletedSeen = false;
    auto* timer = new TTimer(f.form);
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        child->Delete();
        deletedSeen = child->Deleted();  // unlinked, memory still valid in this handler
    };
    ui.Advance(10);
    EXPECT_TRUE(deletedSeen);
    EXPECT_FALSE(childRef);
    EXPECT_TRUE(rootRef);
    EXPECT_EQ(root->Count(), 0);

    f.tree->Items().Clear();
    EXPECT_FALSE(rootRef);
    EXPECT_EQ(f.tree->Items().Count(), 0);
}

TEST(TreeView, ExpandByCodeFiresTheEventsAndTheHandlerMayFillTheNode)
{
    UiTest ui;
    TreeFixture f;
    TTreeNode* root = f.tree->Items().AddChild(nullptr, u"root");
    root->SetHasChildren(true);
    std::vector<std::string> events;
    f.tree->OnExpanding = [&](TObject*, TTreeNode* node, bool&) {
        events.push_back("expanding");
        f.tree->Items().AddChild(node, u"filled");
    };
    f.tree->OnExpanded = [&](TObject*, TTreeNode*) { events.push_back("expanded"); };
    f.tree->OnCollapsing = [&](TObject*, TTreeNode*, bool& allow) {
        events.push_back("collapsing");
        allow = false;
    };
    root->Expand(false);
    root->Collapse(false);
    EXPECT_EQ(events, (std::vector<std::string>{"expanding", "expanded", "collapsing"}));
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(f.tree->VisibleNodes().size(), 2u);
}

TEST(TreeView, HitTestTellsTheStateIconAndAPressSelectsBeforeMouseDown)
{
    UiTest ui;
    TreeFixture f;
    TTreeNode* a = f.tree->Items().AddChild(nullptr, u"a");
    TTreeNode* b = f.tree->Items().AddChild(nullptr, u"b");
    a->SetStateIndex(1);
    b->SetStateIndex(3);
    int h = f.tree->ItemHeight();
    struct Case {
        int x;
        int y;
        THitTest expected;
    };
    // ShowRoot: the button column is the first indent; the state icon follows.
    const Case cases[] = {
        {25, h + 3, htOnStateIcon}, {5, h + 3, htOnIndent}, {21 + 16 + 3, 3, htOnLabel},
        {190, 3, htOnRight},        {25, 5 * h, htNowhere},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(f.tree->GetHitTestInfoAt(c.x, c.y).Contains(c.expected)) << c.x << "," << c.y;
    }
    TTreeNode* selectedAtMouseDown = nullptr;
    f.tree->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        selectedAtMouseDown = f.tree->Selected();
    };
    ui::testing::Click(*f.tree, 25, h + 3);
    EXPECT_EQ(selectedAtMouseDown, b);
}
