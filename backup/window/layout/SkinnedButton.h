#pragma once
// The skinned three-part buttons of the pages: two end pictures and a stretched middle under a caption.

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"

struct SkinnedButtonParts {
    TPanel* Panel;
    TImage* Left;
    TImage* Center;
    TImage* Right;
    TLabel* Caption;
};

// A skinned button in front on its panel: end pictures endWidth wide, the middle one stretched, and
// a centred hand-cursor caption over all; the caller sets the caption's font and text.
inline void LayoutSkinnedButton(const SkinnedButtonParts& b, ui::Rect bounds, int endWidth, const int (&skins)[3],
                                ui::TColor panelColor)
{
    const int width = bounds.Width();
    const int height = bounds.Height();
    b.Panel->SetBounds(bounds.left, bounds.top, width, height);
    b.Panel->SetColor(panelColor);
    b.Panel->SetDoubleBuffered(true);
    b.Panel->BringToFront();
    b.Panel->Show();
    for (TImage* piece : {b.Left, b.Center, b.Right}) {
        piece->SetStretch(true);
    }
    b.Left->SetBounds(0, 0, endWidth, height);
    LoadPngResource(b.Left, skins[0]);
    b.Center->SetBounds(endWidth, 0, width - 2 * endWidth, height);
    LoadPngResource(b.Center, skins[1]);
    b.Right->SetBounds(width - endWidth, 0, endWidth, height);
    LoadPngResource(b.Right, skins[2]);
    b.Caption->SetBounds(0, 0, width, height);
    b.Caption->SetCursor(ui::crHandPoint);
    b.Caption->SetAlignment(ui::TAlignment::taCenter);
    b.Caption->SetLayout(ui::TTextLayout::tlCenter);
}
