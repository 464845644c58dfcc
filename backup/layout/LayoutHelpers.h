#pragma once
// Small placement helpers of the page builders: edges of a control, a label used as a filled
// rectangle, and a caption font.

#include "backup/frame/MainWin.h"

inline int RightOf(const TControl* c)
{
    return c->Left() + c->Width();
}

inline int BottomOf(const TControl* c)
{
    return c->Top() + c->Height();
}

inline void SetLeftWidth(TControl* c, int left, int width)
{
    c->SetBounds(left, c->Top(), width, c->Height());
}

inline void SetTopHeight(TControl* c, int top, int height)
{
    c->SetBounds(c->Left(), top, c->Width(), height);
}

// An opaque label with no caption: one of the grey frames or white grounds the pages draw.
inline void MakeGround(TLabel* label, ui::TColor color)
{
    label->SetTransparent(false);
    label->SetColor(color);
    label->SetCaption(u"");
}

inline void SetCaptionFont(TControl* control, ui::TColor color, int height, BYTE charset)
{
    control->Font().SetColor(color);
    control->Font().SetHeight(height);
    control->Font().SetCharset(charset);
}
