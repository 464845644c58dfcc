#include "ui/controls/popup_menu_form.h"

#include "ui/application.h"
#include "ui/controls/menu.h"
#include "ui/gfx/painter.h"

namespace ui {
namespace {

constexpr int kTextPadding = 20;
constexpr int kMinWidth = 120;

}  // namespace

TPopupMenuForm::TPopupMenuForm(TPopupMenu& menu, Point screen) : TForm(&App()), menu_(menu)
{
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetColor(clWindow);
    SetBiDiMode(menu.BiDiMode());
    int width = kMinWidth;
    for (const TMenuItem* item : Rows()) {
        width = std::max(width, Font().TextWidth(item->Caption()) + 2 * kTextPadding);
    }
    int height = static_cast<int>(Rows().size()) * RowHeight() + 2;
    // A right-to-left menu opens to the left of the point; both stay on the work area.
    Rect area = Screen->WorkAreaRect();
    int left = UseRightToLeftAlignment() ? screen.x - width : screen.x;
    int top = screen.y;
    if (left + width > area.right) {
        left = area.right - width;
    }
    if (top + height > area.bottom) {
        top = screen.y - height;
    }
    SetBounds(std::max(area.left, left), std::max(area.top, top), width, height);
}

std::vector<TMenuItem*> TPopupMenuForm::Rows() const
{
    std::vector<TMenuItem*> rows;
    for (int i = 0; i < menu_.Count(); ++i) {
        if (menu_.Items(i)->Visible()) {
            rows.push_back(menu_.Items(i));
        }
    }
    return rows;
}

int TPopupMenuForm::RowHeight() const
{
    return std::max(20, Font().TextHeight(u"Ag") + 6);
}

TMenuItem* TPopupMenuForm::ItemAt(int y) const
{
    if (y < 1) {
        return nullptr;
    }
    auto rows = Rows();
    std::size_t row = static_cast<std::size_t>((y - 1) / RowHeight());
    return row < rows.size() ? rows[row] : nullptr;
}

void TPopupMenuForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TForm::MouseUp(button, shift, x, y);
    TMenuItem* item = ClientRect().Contains(Point{x, y}) ? ItemAt(y) : nullptr;
    if (item != nullptr && item->Enabled()) {
        menu_.CloseUp();
        item->Click();
    }
}

void TPopupMenuForm::MouseMove(TShiftState shift, int x, int y)
{
    TForm::MouseMove(shift, x, y);
    TMenuItem* item = ItemAt(y);
    if (item != hot_ && (item == nullptr || item->Enabled())) {
        hot_ = item;
        Invalidate();
    }
}

void TPopupMenuForm::KeyDown(WORD& key, TShiftState shift)
{
    TForm::KeyDown(key, shift);
    auto rows = Rows();
    std::erase_if(rows, [](const TMenuItem* item) { return !item->Enabled(); });
    auto at = std::find(rows.begin(), rows.end(), hot_);
    switch (key) {
    case VK_ESCAPE:
        menu_.CloseUp();
        break;
    case VK_RETURN:
        if (TMenuItem* item = hot_) {
            menu_.CloseUp();
            item->Click();
        }
        break;
    case VK_DOWN:
        if (!rows.empty()) {
            hot_ = at == rows.end() || at + 1 == rows.end() ? rows.front() : *(at + 1);
            Invalidate();
        }
        break;
    case VK_UP:
        if (!rows.empty()) {
            hot_ = at == rows.end() || at == rows.begin() ? rows.back() : *(at - 1);
            Invalidate();
        }
        break;
    default:
        break;
    }
}

void TPopupMenuForm::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    painter.FillRect(r, Color());
    painter.FrameRect(r, clGray);
    using gfx::TextFlags;
    TextFlags flags = TextFlags::SingleLine | TextFlags::VCenter;
    if (UseRightToLeftAlignment()) {
        flags = flags | TextFlags::Right;
    }
    if (UseRightToLeftReading()) {
        flags = flags | TextFlags::RtlReading;
    }
    int h = RowHeight();
    int y = 1;
    for (const TMenuItem* item : Rows()) {
        Rect line{1, y, r.right - 1, y + h};
        gfx::FontSpec fontSpec = Font().Spec();
        if (!item->Enabled()) {
            fontSpec.color = clGrayText;
        } else if (item == hot_) {
            painter.FillRect(line, clHighlight);
            fontSpec.color = clHighlightText;
        }
        painter.DrawText(line.Inflate(-kTextPadding, 0), item->Caption(), fontSpec, flags);
        y += h;
    }
}

}  // namespace ui
