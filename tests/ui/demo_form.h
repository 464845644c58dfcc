#pragma once
// A form with one of each kind of control the programs use, skinned from the packed pictures:
// labels, still and animated images, a tree with check boxes, a report list, a combo box, a
// progress bar and a button that asks a modal question.

#include "ui/testing.h"

namespace ui::testing {

inline constexpr TColor kDeepPurple = 0x480529;
inline constexpr TColor kPurple = 0x922E62;

// A flat button: a coloured panel with a centred caption that clicks with it.
inline TPanel* FlatButton(TWinControl* parent, std::string name, Rect r, std::u16string caption, TColor color)
{
    auto* button = Place<TPanel>(parent, std::move(name), r);
    button->SetBevelOuter(TBevelCut::bvNone);
    button->SetColor(color);
    button->SetRoundRegion(10, 10);
    button->SetCursor(crHandPoint);
    auto* label = Place<TLabel>(button, button->Name() + "_Lab", Rect{0, 0, r.Width(), r.Height()});
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetAlignment(TAlignment::taCenter);
    label->SetLayout(TTextLayout::tlCenter);
    label->Font().SetColor(clWhite);
    label->Font().SetStyle(TFontStyle::fsBold);
    label->SetCaption(std::move(caption));
    label->OnClick = [button](TObject*) { button->Click(); };
    return button;
}

inline TImage* Skin(TWinControl* parent, std::string name, Point at, int resourceId)
{
    auto* image = Place<TImage>(parent, std::move(name), Rect{at.x, at.y, at.x + 1, at.y + 1});
    image->SetAutoSize(true);
    image->SetTransparent(true);
    (void)image->Picture().LoadFromResourceId(resourceId);
    return image;
}

inline TLabel* Caption(TWinControl* parent, std::string name, Rect r, std::u16string caption, TColor color = clBlack)
{
    auto* label = Place<TLabel>(parent, std::move(name), r);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetWordWrap(true);
    label->Font().SetColor(color);
    label->SetCaption(std::move(caption));
    return label;
}

class DemoBox : public TForm {
public:
    explicit DemoBox(TComponent* owner) : TForm(owner)
    {
        SetBounds(0, 0, 340, 150);
        SetPosition(TPosition::poMainFormCenter);
        SetColor(kDeepPurple);
        SetRoundRegion(16, 16);
        auto* body = Place<TPanel>(this, "Body", Rect{3, 30, 337, 147});
        body->SetBevelOuter(TBevelCut::bvNone);
        body->SetColor(clWhite);
        body->SetRoundRegion(14, 14);
        TLabel* title = ui::testing::Caption(this, "Title", Rect{14, 7, 320, 27}, u"Harbex Solo+", clWhite);
        title->Font().SetStyle(TFontStyle::fsBold);
        Skin(body, "Icon", Point{12, 12}, 24021);
        ui::testing::Caption(body, "Message", Rect{82, 26, 320, 60}, u"Start the backup to E:\\ now?");
        FlatButton(body, "Yes", Rect{128, 74, 218, 104}, u"Yes", kPurple)->OnClick = [this](TObject*) {
            SetModalResult(mrYes);
        };
        FlatButton(body, "No", Rect{230, 74, 320, 104}, u"No", clGray)->OnClick = [this](TObject*) {
            SetModalResult(mrNo);
        };
    }
};

class DemoForm : public TForm {
public:
    explicit DemoForm(TComponent* owner) : TForm(owner)
    {
        SetName("Demo");
        SetCaption(u"Harbex Solo+");
        SetBounds(80, 60, 620, 420);
        SetColor(kDeepPurple);
        SetRoundRegion(20, 20);
        Skin(this, "Logo", Point{14, 9}, 21026);
        TLabel* title = ui::testing::Caption(this, "Caption", Rect{240, 14, 600, 34}, u"Easy Backup", clWhite);
        title->Font().SetStyle(TFontStyle::fsBold);

        auto* work = Place<TPanel>(this, "Work", Rect{12, 48, 608, 408});
        work->SetBevelOuter(TBevelCut::bvNone);
        work->SetColor(clWhite);
        work->SetRoundRegion(20, 20);
        Skin(work, "PageIcon", Point{14, 10}, 23031);
        TLabel* heading = ui::testing::Caption(work, "Heading", Rect{124, 14, 580, 34}, u"Choose what to back up");
        heading->Font().SetStyle(TFontStyle::fsBold);
        ui::testing::Caption(work, "Description", Rect{124, 36, 580, 66},
                             u"Tick the folders to copy. The list shows the files of the last backup run.", clGray);

        checks = new TImageList(this);
        checks->SetWidth(18);
        checks->SetHeight(18);
        for (int id : {23017, 23017, 23017, 23019}) {
            TPicture box;
            if (box.LoadFromResourceId(id)) {
                checks->AddIcon(box);
            }
        }
        tree = Place<TTreeView>(work, "Tree", Rect{14, 76, 274, 276});
        tree->SetStateImages(checks);
        TTreeNode* c = tree->Items().AddChild(nullptr, u"C:\\");
        TTreeNode* users = tree->Items().AddChild(c, u"Users");
        for (const char16_t* name : {u"Documents", u"Pictures", u"Music", u"Videos", u"Downloads"}) {
            tree->Items().AddChild(users, name)->SetStateIndex(name[0] == u'M' ? 1 : 3);
        }
        tree->Items().AddChild(c, u"Program Files")->SetStateIndex(1);
        TTreeNode* d = tree->Items().AddChild(nullptr, u"D:\\");
        tree->Items().AddChild(d, u"Projects")->SetStateIndex(3);
        for (TTreeNode* n : {c, users, d}) {
            n->SetStateIndex(3);
            n->Expand(false);
        }

        list = Place<TListView>(work, "List", Rect{286, 76, 582, 276});
        list->SetViewStyle(TViewStyle::vsReport);
        list->SetRowSelect(true);
        const std::pair<const char16_t*, int> columns[] = {{u"Name", 115}, {u"Size", 70}, {u"Date", 90}};
        for (auto [caption, width] : columns) {
            TListColumn* column = list->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(width);
        }
        const char16_t* files[] = {u"report.docx", u"budget.xlsx", u"holiday.jpg", u"notes.txt", u"song.mp3",
                                   u"thesis.pdf",  u"scan.png",    u"backup.ini",  u"draft.odt", u"video.mp4",
                                   u"photo2.jpg",  u"plan.pptx",   u"mail.eml",    u"todo.md"};
        int n = 0;
        for (const char16_t* file : files) {
            TListItem* item = list->Items().Add();
            item->SetCaption(file);
            item->SubItems().Add(std::u16string(1, static_cast<char16_t>(u'1' + n % 9)) + u"2 KB");
            item->SubItems().Add(u"2024-03-1" + std::u16string(1, static_cast<char16_t>(u'0' + n % 10)));
            ++n;
        }

        ui::testing::Caption(work, "DestLab", Rect{14, 292, 110, 312}, u"Destination:");
        combo = Place<TComboBox>(work, "Dest", Rect{110, 288, 290, 310});
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        for (const char16_t* drive : {u"E:\\ Backup", u"F:\\ Stick", u"G:\\ Archive"}) {
            combo->Items().Add(drive);
        }
        combo->SetItemIndex(0);
        busy = Skin(work, "Busy", Point{300, 290}, 23077);

        progress = Place<TProgressBar>(work, "Progress", Rect{14, 324, 400, 342});
        progress->SetRange(0, 10);
        progress->SetStep(1);
        progress->SetSmooth(true);
        progress->SetColor(clWhite);
        progress->Perform(PBM_SETBARCOLOR, 0, static_cast<std::intptr_t>(0x38051E));
        progress->SetPosition(4);
        status = ui::testing::Caption(work, "Status", Rect{14, 344, 400, 360}, u"Ready", clGray);

        start = FlatButton(work, "Start", Rect{430, 316, 582, 350}, u"Start", kPurple);
        start->OnClick = [this](TObject*) {
            DemoBox* box = CreateForm<DemoBox>(&App());
            answer = box->ShowModal();
            box->Release();
            status->SetCaption(answer == mrYes ? u"Backup started" : u"Not started");
        };
    }

    TImageList* checks = nullptr;
    TTreeView* tree = nullptr;
    TListView* list = nullptr;
    TComboBox* combo = nullptr;
    TImage* busy = nullptr;
    TProgressBar* progress = nullptr;
    TLabel* status = nullptr;
    TPanel* start = nullptr;
    TModalResult answer = mrNone;
};

}  // namespace ui::testing
