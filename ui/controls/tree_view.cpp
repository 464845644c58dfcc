#include "ui/controls/tree_view.h"

#include "ui/controls/image_list.h"
#include "ui/gfx/painter.h"

#include <functional>

namespace ui {
TTreeNode::TTreeNode(TTreeView* view, TTreeNode* parent)
    : view_(view), parent_(parent), alive_(std::make_shared<TTreeNode*>(this))
{
}

TTreeNode::~TTreeNode() = default;

void TTreeNode::Changed()
{
    if (!deleted_) {
        view_->NodesChanged();
    }
}

void TTreeNode::SetText(std::u16string text)
{
    if (text != text_) {
        text_ = std::move(text);
        Changed();
    }
}

void TTreeNode::SetImageIndex(int i)
{
    if (i != imageIndex_) {
        imageIndex_ = i;
        Changed();
    }
}

void TTreeNode::SetSelectedIndex(int i)
{
    if (i != selectedIndex_) {
        selectedIndex_ = i;
        Changed();
    }
}

void TTreeNode::SetStateIndex(int i)
{
    if (i != stateIndex_) {
        stateIndex_ = i;
        Changed();
    }
}

TTreeNode* TTreeNode::Item(int index) const
{
    return index >= 0 && index < Count() ? children_[index].get() : nullptr;
}

int TTreeNode::Index() const
{
    if (deleted_) {
        return -1;
    }
    const auto& siblings = view_->items_.SiblingsOf(parent_);
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == this) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TTreeNode* TTreeNode::getNextSibling() const
{
    int i = Index();
    if (i < 0) {
        return nullptr;
    }
    const auto& siblings = view_->items_.SiblingsOf(parent_);
    return i + 1 < static_cast<int>(siblings.size()) ? siblings[i + 1].get() : nullptr;
}

TTreeNode* TTreeNode::getPrevSibling() const
{
    int i = Index();
    return i > 0 ? view_->items_.SiblingsOf(parent_)[i - 1].get() : nullptr;
}

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode* p = parent_; p != nullptr; p = p->parent_) {
        ++level;
    }
    return level;
}

void TTreeNode::SetHasChildren(bool on)
{
    if (on != hasChildren_) {
        hasChildren_ = on;
        Changed();
    }
}

void TTreeNode::SetExpanded(bool on)
{
    if (!deleted_) {
        view_->NodeExpanding(this, on);
    }
}

void TTreeNode::Expand(bool recurse)
{
    TTreeNodeRef self(this);
    SetExpanded(true);
    if (!recurse || !self) {
        return;
    }
    for (int i = 0; i < Count(); ++i) {
        TTreeNodeRef child(Item(i));
        if (child) {
            child->Expand(true);
        }
    }
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse) {
        for (auto& child : children_) {
            child->Collapse(true);
        }
    }
}

bool TTreeNode::Selected() const
{
    return !deleted_ && view_->Selected() == this;
}

void TTreeNode::SetSelected(bool on)
{
    if (deleted_) {
        return;
    }
    if (on) {
        view_->SetSelected(this);
    } else if (Selected()) {
        view_->SetSelected(nullptr);
    }
}

void TTreeNode::Delete()
{
    if (!deleted_) {
        view_->items_.Delete(this);
    }
}

void TTreeNode::DeleteChildren()
{
    while (!children_.empty()) {
        children_.back()->Delete();
    }
}

TTreeNodeRef::TTreeNodeRef(TTreeNode* node) : node_(node)
{
    if (node != nullptr) {
        alive_ = node->AliveToken();
    }
}

TTreeNode* TTreeNodeRef::get() const
{
    return alive_.expired() ? nullptr : node_;
}

TTreeNodes::TTreeNodes(TTreeView* view) : view_(view)
{
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(TTreeNode* parent)
{
    return parent != nullptr ? parent->children_ : roots_;
}

TTreeNode* TTreeNodes::Insert(TTreeNode* parent, std::u16string text, void* data)
{
    if (parent != nullptr && parent->deleted_) {
        return nullptr;
    }
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(view_, parent));
    node->text_ = std::move(text);
    node->data_ = data;
    TTreeNode* raw = node.get();
    SiblingsOf(parent).push_back(std::move(node));
    view_->NodesChanged();
    return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, std::u16string text)
{
    return AddObject(sibling, std::move(text), nullptr);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, std::u16string text, void* data)
{
    return Insert(sibling != nullptr ? sibling->Parent() : nullptr, std::move(text), data);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, std::u16string text)
{
    return AddChildObject(parent, std::move(text), nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, std::u16string text, void* data)
{
    return Insert(parent, std::move(text), data);
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (node == nullptr || node->deleted_) {
        return;
    }
    auto& siblings = SiblingsOf(node->parent_);
    auto it = std::find_if(siblings.begin(), siblings.end(), [node](const auto& p) { return p.get() == node; });
    if (it == siblings.end()) {
        return;
    }
    std::unique_ptr<TTreeNode> owned = std::move(*it);
    siblings.erase(it);
    view_->NodeUnlinked(std::move(owned));
}

void TTreeNodes::Clear()
{
    while (!roots_.empty()) {
        Delete(roots_.back().get());
    }
}

int TTreeNodes::Count() const
{
    int count = 0;
    std::vector<const TTreeNode*> stack;
    for (const auto& r : roots_) {
        stack.push_back(r.get());
    }
    while (!stack.empty()) {
        const TTreeNode* n = stack.back();
        stack.pop_back();
        ++count;
        for (const auto& c : n->children_) {
            stack.push_back(c.get());
        }
    }
    return count;
}

TTreeNode* TTreeNodes::Item(int absoluteIndex) const
{
    int index = 0;
    std::function<TTreeNode*(const std::vector<std::unique_ptr<TTreeNode>>&)> walk =
        [&](const std::vector<std::unique_ptr<TTreeNode>>& nodes) -> TTreeNode* {
        for (const auto& n : nodes) {
            if (index++ == absoluteIndex) {
                return n.get();
            }
            if (TTreeNode* found = walk(n->children_)) {
                return found;
            }
        }
        return nullptr;
    };
    return absoluteIndex < 0 ? nullptr : walk(roots_);
}

TTreeNode* TTreeNodes::GetFirstNode() const
{
    return roots_.empty() ? nullptr : roots_.front().get();
}

TTreeNode* TTreeNodes::Top(int index) const
{
    return index >= 0 && index < TopCount() ? roots_[index].get() : nullptr;
}

void TTreeNodes::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0) {
        view_->NodesChanged();
    }
}

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), items_(this)
{
    bounds_ = Rect::FromSize(0, 0, 121, 97);
    SetColor(clWindow);
}

TTreeView::~TTreeView()
{
    items_.Clear();
}

void TTreeView::NodeUnlinked(std::unique_ptr<TTreeNode> node)
{
    std::vector<TTreeNode*> stack{node.get()};
    while (!stack.empty()) {
        TTreeNode* n = stack.back();
        stack.pop_back();
        n->alive_.reset();
        n->deleted_ = true;
        for (auto& c : n->children_) {
            stack.push_back(c.get());
        }
    }
    NodesChanged();
    auto holder = std::make_shared<std::unique_ptr<TTreeNode>>(std::move(node));
    DeferUntilIdle([holder] { holder->reset(); });
}

void TTreeView::NodesChanged()
{
    if (items_.updating_ == 0) {
        int rows = static_cast<int>(VisibleNodes().size());
        topIndex_ = std::clamp(topIndex_, 0, std::max(0, rows - 1));
        Invalidate();
    }
}

void TTreeView::NodeExpanding(TTreeNode* node, bool expand)
{
    if (node->expanded_ == expand) {
        return;
    }
    TTreeNodeRef ref(node);
    HandlerScope scope;
    if (expand) {
        if (!node->HasChildren()) {
            return;
        }
        bool allow = true;
        if (OnExpanding) {
            OnExpanding(this, node, allow);
        }
        if (!allow || !ref) {
            return;
        }
        if (node->children_.empty()) {
            node->hasChildren_ = false;
            NodesChanged();
            return;
        }
        node->expanded_ = true;
        NodesChanged();
        if (OnExpanded) {
            OnExpanded(this, node);
        }
    } else {
        bool allow = true;
        if (OnCollapsing) {
            OnCollapsing(this, node, allow);
        }
        if (!allow || !ref) {
            return;
        }
        node->expanded_ = false;
        NodesChanged();
        if (OnCollapsed) {
            OnCollapsed(this, node);
        }
    }
}

void TTreeView::SetSelected(TTreeNode* node)
{
    if (node == selected_.get()) {
        return;
    }
    selected_ = TTreeNodeRef(node);
    Invalidate();
    if (OnChange) {
        HandlerScope scope;
        OnChange(this, node);
    }
}

void TTreeView::SetImages(TImageList* list)
{
    images_ = list;
    Invalidate();
}

void TTreeView::SetStateImages(TImageList* list)
{
    stateImages_ = list;
    Invalidate();
}

void TTreeView::SetIndent(int px)
{
    if (px != indent_) {
        indent_ = px;
        Invalidate();
    }
}

void TTreeView::SetShowLines(bool on)
{
    if (on != showLines_) {
        showLines_ = on;
        Invalidate();
    }
}

void TTreeView::SetShowButtons(bool on)
{
    if (on != showButtons_) {
        showButtons_ = on;
        Invalidate();
    }
}

void TTreeView::SetShowRoot(bool on)
{
    if (on != showRoot_) {
        showRoot_ = on;
        Invalidate();
    }
}

void TTreeView::SetRowSelect(bool on)
{
    if (on != rowSelect_) {
        rowSelect_ = on;
        Invalidate();
    }
}

void TTreeView::SetBorderStyle(TBorderStyle s)
{
    if (s != borderStyle_) {
        borderStyle_ = s;
        Invalidate();
    }
}

int TTreeView::ItemHeight() const
{
    int h = std::max(16, Font().TextHeight(u"Ag") + 2);
    if (images_ != nullptr) {
        h = std::max(h, images_->Height());
    }
    if (stateImages_ != nullptr) {
        h = std::max(h, stateImages_->Height());
    }
    return h;
}

void TTreeView::SetTopIndex(int row)
{
    int rows = static_cast<int>(VisibleNodes().size());
    row = std::clamp(row, 0, std::max(0, rows - 1));
    if (row != topIndex_) {
        topIndex_ = row;
        Invalidate();
    }
}

TTreeNode* TTreeView::TopItem() const
{
    auto rows = VisibleNodes();
    return topIndex_ < static_cast<int>(rows.size()) ? rows[topIndex_] : nullptr;
}

std::vector<TTreeNode*> TTreeView::VisibleNodes() const
{
    std::vector<TTreeNode*> rows;
    std::function<void(const std::vector<std::unique_ptr<TTreeNode>>&)> walk =
        [&](const std::vector<std::unique_ptr<TTreeNode>>& nodes) {
            for (const auto& n : nodes) {
                rows.push_back(n.get());
                if (n->expanded_) {
                    walk(n->children_);
                }
            }
        };
    walk(items_.roots_);
    return rows;
}

TTreeView::RowLayout TTreeView::LayoutOf(const TTreeNode* node) const
{
    RowLayout l{};
    int columns = node->Level() + (showRoot_ ? 1 : 0);
    int base = columns * indent_;
    l.buttonLeft = columns > 0 ? base - indent_ : base;
    l.stateLeft = base;
    bool hasState = stateImages_ != nullptr && node->stateIndex_ > 0;
    l.iconLeft = l.stateLeft + (hasState ? stateImages_->Width() : 0);
    bool hasIcon = images_ != nullptr && node->imageIndex_ >= 0;
    l.labelLeft = l.iconLeft + (hasIcon ? images_->Width() + 2 : 0);
    l.labelRight = l.labelLeft + Font().TextWidth(node->text_) + 4;
    return l;
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const
{
    THitTests hit = GetHitTestInfoAt(x, y);
    if (!hit.Contains(htOnItem) && !(rowSelect_ && (hit.Contains(htOnRight) || hit.Contains(htOnIndent)))) {
        return nullptr;
    }
    auto rows = VisibleNodes();
    return rows[topIndex_ + y / ItemHeight()];
}

THitTests TTreeView::GetHitTestInfoAt(int x, int y) const
{
    THitTests hit;
    if (y < 0) {
        hit.Include(htAbove);
    } else if (y >= Height()) {
        hit.Include(htBelow);
    }
    if (x < 0) {
        hit.Include(htToLeft);
    } else if (x >= Width()) {
        hit.Include(htToRight);
    }
    if (hit.bits != 0) {
        return hit;
    }
    auto rows = VisibleNodes();
    int row = topIndex_ + y / ItemHeight();
    if (row >= static_cast<int>(rows.size())) {
        hit.Include(htNowhere);
        return hit;
    }
    const TTreeNode* node = rows[row];
    RowLayout l = LayoutOf(node);
    if (x < l.buttonLeft) {
        hit.Include(htOnIndent);
    } else if (x < l.stateLeft) {
        hit.Include(node->HasChildren() && showButtons_ ? htOnButton : htOnIndent);
    } else if (x < l.iconLeft) {
        hit.Include(htOnStateIcon);
    } else if (x < l.labelLeft) {
        hit.Include(htOnIcon);
    } else if (x < l.labelRight) {
        hit.Include(htOnLabel);
    } else {
        hit.Include(htOnRight);
    }
    if (hit.Contains(htOnStateIcon) || hit.Contains(htOnIcon) || hit.Contains(htOnLabel)) {
        hit.Include(htOnItem);
    }
    return hit;
}

Rect TTreeView::NodeRect(const TTreeNode* node) const
{
    auto rows = VisibleNodes();
    for (int i = topIndex_; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i] == node) {
            int y = (i - topIndex_) * ItemHeight();
            return Rect{0, y, Width(), y + ItemHeight()};
        }
    }
    return Rect{};
}

void TTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    THitTests hit = GetHitTestInfoAt(x, y);
    auto rows = VisibleNodes();
    int row = topIndex_ + std::max(0, y) / ItemHeight();
    TTreeNodeRef node(row < static_cast<int>(rows.size()) ? rows[row] : nullptr);
    if (node && hit.Contains(htOnButton) && button == TMouseButton::mbLeft) {
        node->SetExpanded(!node->Expanded());
    } else if (TTreeNode* at = GetNodeAt(x, y)) {
        SetSelected(at);
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TTreeView::DblClick()
{
    TTreeNodeRef node(Selected());
    TWinControl::DblClick();
    if (node) {
        node->SetExpanded(!node->Expanded());
    }
}

void TTreeView::KeyDown(WORD& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    auto rows = VisibleNodes();
    TTreeNode* sel = Selected();
    auto it = std::find(rows.begin(), rows.end(), sel);
    int index = it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
    switch (key) {
    case VK_UP:
        if (index > 0) {
            SetSelected(rows[index - 1]);
        }
        break;
    case VK_DOWN:
        if (index + 1 < static_cast<int>(rows.size())) {
            SetSelected(rows[index + 1]);
        }
        break;
    case VK_RIGHT:
        if (sel != nullptr) {
            sel->Expand(false);
        }
        break;
    case VK_LEFT:
        if (sel != nullptr) {
            sel->Collapse(false);
        }
        break;
    default:
        break;
    }
}

const ScrollBar& TTreeView::VerticalScrollBar()
{
    int page = Height() / ItemHeight();
    vbar_.SetRange(static_cast<int>(VisibleNodes().size()), page, topIndex_);
    vbar_.SetBounds(Rect{Width() - ScrollBar::kThickness, 0, Width(), Height()});
    return vbar_;
}

void TTreeView::WndProc(TMessage& m)
{
    VerticalScrollBar();
    if (vbar_.HandleMouse(m, [this](int row) {
            SetTopIndex(row);
            Invalidate();
        })) {
        return;
    }
    if (m.Msg == WM_MOUSEWHEEL) {
        SetTopIndex(topIndex_ - static_cast<std::int16_t>(m.WParam >> 16) / 120 * 3);
    }
    TWinControl::WndProc(m);
}

void TTreeView::Paint(gfx::Painter& painter)
{
    Rect client = ClientRect();
    painter.FillRect(client, Color());
    auto rows = VisibleNodes();
    int h = ItemHeight();
    gfx::FontSpec fontSpec = Font().Spec();
    for (int i = topIndex_, y = 0; i < static_cast<int>(rows.size()) && y < client.bottom; ++i, y += h) {
        const TTreeNode* node = rows[i];
        RowLayout l = LayoutOf(node);
        bool selected = node == Selected();
        if (showLines_) {
            PaintLines(painter, node, y, h);
        }
        if (showButtons_ && node->HasChildren() && l.stateLeft > l.buttonLeft) {
            int cx = l.buttonLeft + indent_ / 2;
            int cy = y + h / 2;
            painter.FillRect(Rect{cx - 4, cy - 4, cx + 5, cy + 5}, Color());
            painter.FrameRect(Rect{cx - 4, cy - 4, cx + 5, cy + 5}, clGray);
            painter.Line(Point{cx - 2, cy}, Point{cx + 3, cy}, clBlack);
            if (!node->expanded_) {
                painter.Line(Point{cx, cy - 2}, Point{cx, cy + 3}, clBlack);
            }
        }
        if (stateImages_ != nullptr && node->stateIndex_ > 0) {
            stateImages_->Draw(painter, l.stateLeft, y + (h - stateImages_->Height()) / 2, node->stateIndex_);
        }
        if (images_ != nullptr && node->imageIndex_ >= 0) {
            int image = selected && node->selectedIndex_ >= 0 ? node->selectedIndex_ : node->imageIndex_;
            images_->Draw(painter, l.iconLeft, y + (h - images_->Height()) / 2, image);
        }
        Rect label{l.labelLeft, y, rowSelect_ ? client.right : l.labelRight, y + h};
        gfx::FontSpec text = fontSpec;
        if (selected) {
            painter.FillRect(label, Focused() ? clHighlight : clBtnFace);
            text.color = Focused() ? clHighlightText : fontSpec.color;
        }
        using gfx::TextFlags;
        TextFlags flags = TextFlags::SingleLine | TextFlags::VCenter;
        if (ExStyle() & WS_EX_RTLREADING) {
            flags = flags | TextFlags::RtlReading;
        }
        painter.DrawText(Rect{label.left + 2, y, label.right, y + h}, node->text_, text, flags);
    }
    if (VerticalScrollBar().Needed()) {
        vbar_.Paint(painter);
    }
}

// Dotted connecting lines: the node's own elbow, and the through-lines of its ancestors that have
// siblings below.
void TTreeView::PaintLines(gfx::Painter& painter, const TTreeNode* node, int y, int h) const
{
    // Dots on even coordinates, so that the pieces of neighbouring rows meet.
    auto vertical = [&painter](int x, int from, int to) {
        for (int yy = from + (from & 1); yy <= to; yy += 2) {
            painter.FillRect(Rect{x, yy, x + 1, yy + 1}, clGray);
        }
    };
    auto horizontal = [&painter](int yy, int from, int to) {
        for (int x = from + (from & 1); x <= to; x += 2) {
            painter.FillRect(Rect{x, yy, x + 1, yy + 1}, clGray);
        }
    };
    auto column = [this](const TTreeNode* n) { return LayoutOf(n).buttonLeft + indent_ / 2; };
    int cy = y + h / 2;
    if (node->Level() > 0 || showRoot_) {
        int cx = column(node);
        bool first = node->parent_ == nullptr && node->Index() == 0;
        vertical(cx, first ? cy : y, node->getNextSibling() != nullptr ? y + h - 1 : cy);
        horizontal(cy, cx, LayoutOf(node).stateLeft - 1);
    }
    for (const TTreeNode* a = node->parent_; a != nullptr; a = a->parent_) {
        if ((a->Level() > 0 || showRoot_) && a->getNextSibling() != nullptr) {
            int ax = column(a);
            vertical(ax, y, y + h - 1);
        }
    }
}

}  // namespace ui
