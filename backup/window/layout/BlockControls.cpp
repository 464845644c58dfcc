#include "backup/window/layout/BlockControls.h"

#include "backup/skin/ControlFactory.h"

TImage* NewBlockImage(TMainForm& form, const std::string& name, TWinControl* parent)
{
    auto* image = NewControl<TImage>(&form, name, parent);
    image->SetStretch(true);
    image->SetTransparent(true);
    return image;
}

TLabel* NewBlockLabel(TMainForm& form, const std::string& name, TWinControl* parent)
{
    auto* label = NewControl<TLabel>(&form, name, parent);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    return label;
}

TPanel* NewBlockPanel(TMainForm& form, const std::string& name, TWinControl* parent)
{
    auto* panel = NewControl<TPanel>(&form, name, parent);
    panel->SetBevelOuter(ui::TBevelCut::bvNone);
    return panel;
}

TEdit* NewShownEdit(TMainForm& form, const std::string& name, TWinControl* parent)
{
    auto* edit = NewControl<TEdit>(&form, name, parent);
    edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    edit->SetReadOnly(true);
    return edit;
}

TListView* NewDeleteIconList(TMainForm& form, const std::string& name, TWinControl* parent,
                             std::initializer_list<const char16_t*> columns)
{
    auto* list = NewControl<TListView>(&form, name, parent);
    list->SetViewStyle(ui::TViewStyle::vsReport);
    list->SetBorderStyle(ui::TBorderStyle::bsNone);
    list->SetSmallImages(form.List_Delete_ImgList);
    for (const char16_t* column : columns) {
        list->Columns().Add()->SetCaption(column);
    }
    return list;
}
