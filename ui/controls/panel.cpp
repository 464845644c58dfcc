#include "ui/controls/panel.h"

#include "ui/gfx/painter.h"
#include "ui/gfx/region.h"

namespace ui {

TPanel::TPanel(TComponent* owner) : TWinControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 185, 41);
    SetTabStop(false);
}

void TPanel::SetBevelOuter(TBevelCut b)
{
    if (b != bevelOuter_) {
        bevelOuter_ = b;
        Invalidate();
    }
}

void TPanel::SetBevelInner(TBevelCut b)
{
    if (b != bevelInner_) {
        bevelInner_ = b;
        Invalidate();
    }
}

void TPanel::SetRoundRegion(int ellipseWidth, int ellipseHeight)
{
    regionW_ = ellipseWidth;
    regionH_ = ellipseHeight;
    Invalidate();
}

bool TPanel::HitTest(Point p) const
{
    return gfx::InRoundRect(Width(), Height(), regionW_, regionH_, p);
}

void TPanel::Paint(gfx::Painter& painter)
{
    Rect r = ClientRect();
    if (regionW_ > 0 || regionH_ > 0) {
        painter.FillRoundRect(r, regionW_, regionH_, Color());
    } else {
        painter.FillRect(r, Color());
    }
    if (bevelOuter_ == TBevelCut::bvRaised || bevelOuter_ == TBevelCut::bvLowered) {
        bool raised = bevelOuter_ == TBevelCut::bvRaised;
        painter.Line(Point{0, 0}, Point{r.right, 0}, raised ? clWhite : clGray);
        painter.Line(Point{0, 0}, Point{0, r.bottom}, raised ? clWhite : clGray);
        painter.Line(Point{0, r.bottom - 1}, Point{r.right, r.bottom - 1}, raised ? clGray : clWhite);
        painter.Line(Point{r.right - 1, 0}, Point{r.right - 1, r.bottom}, raised ? clGray : clWhite);
    }
}

}  // namespace ui
