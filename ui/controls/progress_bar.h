#pragma once
// TProgressBar: a horizontal bar filled from Min to Position of Max, in blocks or smooth. Its bar
// colour is set with the PBM_SETBARCOLOR message (LParam the colour, the old one comes back).

#include "ui/control.h"

inline constexpr UINT PBM_SETBARCOLOR = WM_USER + 9;
// The bar colour PBM_SETBARCOLOR restores the default with.
inline constexpr ui::TColor CLR_DEFAULT = 0xFF000000;

namespace ui {

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return min_; }
    int Max() const { return max_; }
    // Keeps Min <= Position <= Max; a Max below Min is raised to it.
    void SetRange(int min, int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt() { SetPosition(position_ + step_); }
    void StepBy(int delta) { SetPosition(position_ + delta); }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool on);
    TColor BarColor() const { return barColor_; }

    void Paint(gfx::Painter& painter) override;

protected:
    void WndProc(TMessage& message) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool smooth_ = false;
    TColor barColor_ = clHighlight;
};

}  // namespace ui
