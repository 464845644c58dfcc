#pragma once
// TLabel: a caption drawn on its parent. Transparent labels over images take the mouse.

#include "ui/control.h"

namespace ui {

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    TEllipsisPosition EllipsisPosition() const { return ellipsisPosition_; }
    void SetEllipsisPosition(TEllipsisPosition position);

    void SetText(std::u16string text) override;
    void Paint(gfx::Painter& painter) override;
    // How the caption is placed and broken when drawn.
    gfx::TextFlags DrawFlags() const;

protected:
    void FontChanged() override;

private:
    void AdjustSize();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool transparent_ = false;
    TEllipsisPosition ellipsisPosition_ = TEllipsisPosition::epNone;
};

using TTntLabel = TLabel;

}  // namespace ui
