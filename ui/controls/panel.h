#pragma once
// TPanel: a coloured rectangle that holds children; may be clipped to a rounded region.

#include "ui/control.h"

namespace ui {

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b);
    // A rounded-rectangle region over the whole panel (CreateRoundRectRgn + SetWindowRgn).
    void SetRoundRegion(int ellipseWidth, int ellipseHeight);
    int RegionEllipseWidth() const { return regionW_; }
    bool HitTest(Point p) const override;
    void Paint(gfx::Painter& painter) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int regionW_ = 0;
    int regionH_ = 0;
};

}  // namespace ui
