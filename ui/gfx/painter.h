#pragma once
// Software painting onto a Bitmap. Coordinates are relative to the current origin; everything is
// clipped to the current clip rectangle (initially the whole bitmap). Colours are TColor values;
// clNone paints nothing.

#include "ui/gfx/bitmap.h"
#include "ui/gfx/font.h"
#include "ui/gfx/geometry.h"
#include "ui/gfx/text_layout.h"

#include <string_view>
#include <vector>

namespace ui::gfx {

class Painter {
public:
    explicit Painter(Bitmap& target);

    // Saves clip and origin, then narrows the clip to r (in current coordinates). PopClip restores
    // both, so a Translate after a PushClip is undone by its PopClip.
    void PushClip(const Rect& r);
    void PopClip();
    void Translate(int dx, int dy);
    Point Origin() const { return state_.origin; }
    // The clip in current coordinates.
    Rect ClipRect() const { return state_.clip.Offset(-state_.origin.x, -state_.origin.y); }
    bool IsVisible(const Rect& r) const { return !ToDevice(r).Intersect(state_.clip).IsEmpty(); }

    void FillRect(const Rect& r, Color c, std::uint8_t opacity = 255);
    // A border of the given thickness inside r.
    void FrameRect(const Rect& r, Color c, int thickness = 1);
    // From a to b, b itself not drawn (as LineTo).
    void Line(Point a, Point b, Color c);
    // Rounded rectangle with corner ellipses of ellipseW x ellipseH, the same shape as RoundRectMask.
    void FillRoundRect(const Rect& r, int ellipseW, int ellipseH, Color c);

    // The src part of image stretched to dst (bilinear when the sizes differ), blended by its
    // alpha and opacity.
    void DrawImage(const Bitmap& image, const Rect& dst, const Rect& src, std::uint8_t opacity = 255);
    void DrawImage(const Bitmap& image, Point at, std::uint8_t opacity = 255);

    // Text in r, in font.color, clipped to r.
    void DrawText(const Rect& r, std::u16string_view text, const FontSpec& font, TextFlags flags);
    void DrawTextBlock(const Rect& r, const TextBlock& block, const FontSpec& font);

    Bitmap& Target() { return target_; }

private:
    struct State {
        Rect clip;
        Point origin;
    };
    Rect ToDevice(const Rect& r) const { return r.Offset(state_.origin.x, state_.origin.y); }

    Bitmap& target_;
    State state_;
    std::vector<State> saved_;
};

}  // namespace ui::gfx
