#pragma once
// TTreeView and its nodes. Expand/Collapse fire OnExpanding/OnExpanded/OnCollapsing also when
// called by code. A deleted node is unlinked at once but its memory lives on until no handler runs,
// so a suspended handler's pointer stays readable (Deleted() tells); TTreeNodeRef turns null.

#include "ui/control.h"
#include "ui/controls/scroll_bar.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TTreeView;
class TImageList;

class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    TTreeView* TreeView() const { return view_; }
    const std::u16string& Text() const { return text_; }
    void SetText(std::u16string text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int i);
    // Index into the view's StateImages; 0 or less shows none (the program uses 1 and 3).
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int i);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    std::intptr_t DataInt() const { return reinterpret_cast<std::intptr_t>(data_); }

    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int index) const;
    TTreeNode* getFirstChild() const { return Item(0); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TTreeNode* getNextSibling() const;
    TTreeNode* getPrevSibling() const;
    int Index() const;
    int Level() const;
    // True when the node has children or was marked as having some (shows the expand button).
    bool HasChildren() const { return !children_.empty() || hasChildren_; }
    void SetHasChildren(bool on);

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool on);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool on);

    // Unlinks the node and its subtree from the view.
    void Delete();
    void DeleteChildren();
    bool Deleted() const { return deleted_; }

    std::weak_ptr<TTreeNode*> AliveToken() const { return alive_; }

private:
    friend class TTreeView;
    friend class TTreeNodes;
    TTreeNode(TTreeView* view, TTreeNode* parent);
    void Changed();

    TTreeView* view_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    std::u16string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    int stateIndex_ = -1;
    void* data_ = nullptr;
    bool hasChildren_ = false;
    bool expanded_ = false;
    bool deleted_ = false;
    std::shared_ptr<TTreeNode*> alive_;
};

// A node handle that is null once the node has been deleted.
class TTreeNodeRef {
public:
    TTreeNodeRef() = default;
    TTreeNodeRef(TTreeNode* node);
    TTreeNode* get() const;
    TTreeNode* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }

private:
    std::weak_ptr<TTreeNode*> alive_;
    TTreeNode* node_ = nullptr;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView* view);
    // Appends a top-level node when sibling is null, else a node after sibling's last sibling.
    TTreeNode* Add(TTreeNode* sibling, std::u16string text);
    TTreeNode* AddObject(TTreeNode* sibling, std::u16string text, void* data);
    // Appends a last child; a null parent appends a top-level node.
    TTreeNode* AddChild(TTreeNode* parent, std::u16string text);
    TTreeNode* AddChildObject(TTreeNode* parent, std::u16string text, void* data);
    void Delete(TTreeNode* node);
    void Clear();
    // All nodes in depth-first order.
    int Count() const;
    TTreeNode* Item(int absoluteIndex) const;
    TTreeNode* GetFirstNode() const;
    int TopCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode* Top(int index) const;
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

private:
    friend class TTreeView;
    friend class TTreeNode;
    std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(TTreeNode* parent);
    TTreeNode* Insert(TTreeNode* parent, std::u16string text, void* data);

    TTreeView* view_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    int updating_ = 0;
};

// GetHitTestInfoAt: a set of these bits (1 << value, the class library's ordinals).
enum THitTest {
    htAbove,
    htBelow,
    htNowhere,
    htOnItem,
    htOnButton,
    htOnIcon,
    htOnIndent,
    htOnLabel,
    htOnRight,
    htOnStateIcon,
    htToLeft,
    htToRight,
};
struct THitTests {
    unsigned bits = 0;
    bool Contains(THitTest t) const { return (bits & (1u << t)) != 0; }
    void Include(THitTest t) { bits |= 1u << t; }
};

using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TTreeView : public TWinControl {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    TTreeNodes& Items() { return items_; }
    TTreeNode* Selected() const { return selected_.get(); }
    void SetSelected(TTreeNode* node);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* list);
    TImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TImageList* list);
    int Indent() const { return indent_; }
    void SetIndent(int px);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool on);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool on);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool on);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    int ItemHeight() const;

    // The first visible row.
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int row);
    TTreeNode* TopItem() const;
    // The visible rows in display order (expanded ancestors only); one traversal shared by
    // painting, hit testing and scrolling.
    std::vector<TTreeNode*> VisibleNodes() const;
    TTreeNode* GetNodeAt(int x, int y) const;
    THitTests GetHitTestInfoAt(int x, int y) const;
    // The row rectangle of a visible node (client coordinates); empty when not shown.
    Rect NodeRect(const TTreeNode* node) const;
    // The vertical bar, laid out for the current rows; shown while the rows overflow the view.
    const ScrollBar& VerticalScrollBar();

    void Paint(gfx::Painter& painter) override;

    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVChangedEvent OnChange;

protected:
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    struct RowLayout {
        int buttonLeft;
        int stateLeft;
        int iconLeft;
        int labelLeft;
        int labelRight;
    };
    RowLayout LayoutOf(const TTreeNode* node) const;
    void PaintLines(gfx::Painter& painter, const TTreeNode* node, int y, int h) const;
    void NodeExpanding(TTreeNode* node, bool expand);
    void NodeUnlinked(std::unique_ptr<TTreeNode> node);
    void NodesChanged();

    TTreeNodes items_;
    TTreeNodeRef selected_;
    TImageList* images_ = nullptr;
    TImageList* stateImages_ = nullptr;
    int indent_ = 19;
    bool showLines_ = true;
    bool showButtons_ = true;
    bool showRoot_ = true;
    bool readOnly_ = false;
    bool rowSelect_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    int topIndex_ = 0;
    ScrollBar vbar_{ScrollBar::Orientation::Vertical};
};

using TTntTreeView = TTreeView;

}  // namespace ui
