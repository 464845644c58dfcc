#include "backup/window/frame/About_Win.h"

#include "backup/base/Language.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"

namespace {

constexpr int kWidth = 423;
constexpr int kHeight = 210;
constexpr int kTextLeft = 15;
constexpr int kLineHeight = 16;

TLabel* FrontLabel(TAboutForm* form, const char* name)
{
    auto* label = NewControl<TLabel>(form, name, form);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    return label;
}

void SetWhiteFont(TLabel* label, int height, BYTE charset)
{
    label->Font().SetColor(ui::clWhite);
    label->Font().SetHeight(height);
    label->Font().SetCharset(charset);
}

}  // namespace

TAboutForm::TAboutForm(TComponent* owner) : TForm(owner)
{
    CreateControls();
    Layout();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    for (TImage* image : {BG_Img, Product_Logo}) {
        image->OnClick = [this](TObject* sender) { BG_ImgClick(sender); };
    }
    for (TLabel* label : {CopyRight_Lab, Version_Lab, Corporation_Lab, Address_Lab}) {
        label->OnClick = [this](TObject* sender) { CopyRight_LabClick(sender); };
    }
}

void TAboutForm::CreateControls()
{
    SetName("AboutForm");
    BG_Img = NewControl<TImage>(this, "BG_Img", this);
    Product_Logo = NewControl<TImage>(this, "Product_Logo", this);
    CopyRight_Lab = FrontLabel(this, "CopyRight_Lab");
    Version_Lab = FrontLabel(this, "Version_Lab");
    Corporation_Lab = FrontLabel(this, "Corporation_Lab");
    Address_Lab = FrontLabel(this, "Address_Lab");
}

void TAboutForm::Layout()
{
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetColor(ui::clBtnFace);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetDoubleBuffered(true);
    SetBounds(Left(), Top(), kWidth, kHeight);

    BG_Img->SetBounds(0, 0, kWidth, kHeight);
    LoadPngResource(BG_Img, 21034);
    Product_Logo->SetBounds(25, 32, 165, 20);
    LoadPngResource(Product_Logo, 26004);
    Product_Logo->Hide();

    const TStringList& table = *MainForm->LangTable;
    const BYTE charset = MainForm->FontCharset;
    CopyRight_Lab->SetBounds(kTextLeft, 52, 260, 160);
    CopyRight_Lab->SetWordWrap(true);
    SetWhiteFont(CopyRight_Lab, 15, charset);
    CopyRight_Lab->SetCaption(LookupText(table, 20200));

    const int logoBottom = Product_Logo->Top() + Product_Logo->Height();
    Version_Lab->SetBounds(292, logoBottom - 18, 100, 18);
    Version_Lab->Font().SetName(u"MS Sans Serif");
    Version_Lab->Font().SetStyle(ui::TFontStyle::fsBold);
    SetWhiteFont(Version_Lab, 18, charset);
    Version_Lab->SetCaption(MainForm->Version_Lab->Caption());

    Address_Lab->SetBounds(kTextLeft, kHeight - kLineHeight - 5, kWidth - kTextLeft - 8, kLineHeight);
    SetWhiteFont(Address_Lab, 15, charset);
    Address_Lab->SetCaption(LookupText(table, 20203));
    Corporation_Lab->SetBounds(kTextLeft, Address_Lab->Top() - kLineHeight, 400, kLineHeight);
    SetWhiteFont(Corporation_Lab, 15, charset);
    Corporation_Lab->SetCaption(LookupText(table, 20202));

    for (TLabel* label : {CopyRight_Lab, Version_Lab, Corporation_Lab, Address_Lab}) {
        label->BringToFront();
    }
}

void TAboutForm::FormCreate(TObject*)
{
    CopyRight_Lab->SetBiDiMode(MainForm->LangId == kRtlLangId ? ui::TBiDiMode::bdRightToLeft
                                                              : ui::TBiDiMode::bdLeftToRight);
}

void TAboutForm::BG_ImgClick(TObject*)
{
    Close();
}

void TAboutForm::CopyRight_LabClick(TObject*)
{
    Close();
}
