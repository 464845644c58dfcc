#pragma once
// Small placement helpers of the page builders: edges of a control, a label used as a filled
// rectangle, a caption font, and the look of the file trees.

#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/SystemIcons.h"

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

// What differs between the file trees of the Manual Backup, Manual Restore, Delete and Favorites
// pages; the rest of their look is one.
struct FileTreeLook {
    ui::TColor Color;
    const char16_t* FontName;
    bool ShowLines;
};

// Styles a file tree: borderless, read-only, double-buffered, no row select, 15-pixel font in the
// form's charset, indent 21, the system icons and the check pictures (both lists filled here).
inline void StyleFileTree(TMainForm& form, TTreeView* tree, const FileTreeLook& look)
{
    constexpr int kTreeFontHeight = 15;
    constexpr int kTreeIndent = 21;
    tree->SetColor(look.Color);
    tree->Font().SetName(look.FontName);
    tree->Font().SetHeight(kTreeFontHeight);
    tree->Font().SetCharset(form.FontCharset);
    tree->SetRowSelect(false);
    tree->SetShowLines(look.ShowLines);
    tree->SetDoubleBuffered(true);
    tree->SetBorderStyle(ui::TBorderStyle::bsNone);
    tree->SetReadOnly(true);
    tree->SetIndent(kTreeIndent);
    AttachSystemImageList(*form.SystemIcon_ImgList);
    FillCheckImageList(*form.Check_ImgList);
    tree->SetImages(form.SystemIcon_ImgList);
    tree->SetStateImages(form.Check_ImgList);
}
