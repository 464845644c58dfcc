#include "backup/window/frame/FolderPicker.h"

#include "backup/base/Language.h"
#include "backup/engine/DriveEntries.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/SkinBox.h"
#include "backup/skin/SkinButton.h"
#include "backup/window/frame/MainWin.h"
#include "platform/files.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 360;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kButtonCorner = 5;
constexpr int kTitleHeight = 34;
constexpr int kFontHeight = 15;
constexpr int kTextOk = 20004;
constexpr int kTextCancel = 20005;
// Children are listed on the first expansion; until then a node only claims to have some.
void* const kListed = reinterpret_cast<void*>(1);

// A drive reads as the shell names it, "Backup (E:)"; its path is the "E:" at the end.
std::u16string DriveCaption(const std::u16string& drive)
{
    const std::u16string root = drive + u"\\";
    std::array<char16_t, 261> label{};
    if (GetVolumeInformationW(root.c_str(), label.data(), static_cast<DWORD>(label.size()), nullptr, nullptr, nullptr,
                              nullptr, 0) &&
        label[0] != 0) {
        return std::u16string(label.data()) + u" (" + drive + u")";
    }
    const UINT type = GetDriveTypeW(root.c_str());
    const char16_t* kind = type == DRIVE_REMOVABLE ? u"Removable Disk"
                           : type == DRIVE_CDROM   ? u"CD Drive"
                                                   : u"Local Disk";
    return std::u16string(kind) + u" (" + drive + u")";
}

std::u16string NodeName(const TTreeNode* node)
{
    const std::u16string& text = node->Text();
    return node->Parent() == nullptr && text.size() >= 4 ? text.substr(text.size() - 3, 2) : text;
}

std::u16string NodePath(const TTreeNode* node)
{
    std::u16string path = NodeName(node);
    for (const TTreeNode* parent = node->Parent(); parent != nullptr; parent = parent->Parent()) {
        path = NodeName(parent) + u"\\" + path;
    }
    return node->Parent() == nullptr ? path + u"\\" : path;
}

std::vector<std::u16string> SubfolderNames(const std::u16string& folder)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((WithTrailingBackslash(folder) + u"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (IsWalkedFolderEntry(entry)) {
            names.emplace_back(entry.cFileName);
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

std::vector<std::u16string> PathComponents(const std::u16string& path)
{
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find(u'\\', start), path.size());
        if (end > start) {
            parts.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

bool SameName(const std::u16string& a, const std::u16string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
        const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
        return upper(x) == upper(y);
    });
}

TLabel* Button(TFolderPickerForm* form, const std::string& prefix, int left, int charset, const std::u16string& caption)
{
    const SkinButtonParts button = CreateSkinButton(form, form, prefix + "_Btn_Pan", prefix);
    LayoutSkinButton(button, left, kHeight - kMargin - kButtonHeight, kButtonCorner, charset, caption);
    return button.Lab;
}

}  // namespace

TFolderPickerForm::TFolderPickerForm(TComponent* owner) : TForm(owner)
{
    SetName("FolderPickerForm");
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    // A grey line around a white window, as the program's other small windows have.
    SetColor(TMainForm::Palette[11]);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetBounds(Left(), Top(), kWidth, kHeight);
    const int charset = MainForm != nullptr ? MainForm->FontCharset : ui::gfx::kCharsetDefault;
    Font().SetName(u"Arial");
    Font().SetHeight(kFontHeight);
    Font().SetCharset(charset);

    auto* ground = NewControl<TLabel>(this, "BK_Lab", this);
    ground->SetAutoSize(false);
    ground->SetBounds(1, 1, kWidth - 2, kHeight - 2);
    ground->SetColor(ui::clWhite);
    ground->SetTransparent(false);
    ground->SendToBack();
    ground->OnMouseDown = [this](TObject*, ui::TMouseButton, TShiftState, int, int) { DragWindow(this); };

    Title_Lab = NewControl<TLabel>(this, "Title_Lab", this);
    Title_Lab->SetAutoSize(false);
    Title_Lab->SetWordWrap(true);
    Title_Lab->SetTransparent(true);
    Title_Lab->SetLayout(ui::TTextLayout::tlCenter);
    Title_Lab->SetFont(Font());
    Title_Lab->Font().SetColor(TMainForm::Palette[7]);
    Title_Lab->SetBounds(kMargin, kMargin, kWidth - 2 * kMargin, kTitleHeight);
    // The tree lies in a grey frame, as the pages' framed areas do.
    const int treeTop = kMargin + kTitleHeight;
    auto* frame = NewControl<TLabel>(this, "Folder_Tree_BK_Lab", this);
    frame->SetAutoSize(false);
    frame->SetBounds(kMargin, treeTop, kWidth - 2 * kMargin, kHeight - treeTop - 2 * kMargin - kButtonHeight);
    frame->SetColor(TMainForm::Palette[11]);
    frame->SetTransparent(false);
    Folder_Tree = NewControl<TTreeView>(this, "Folder_Tree", this);
    Folder_Tree->SetFont(Font());
    Folder_Tree->SetBorderStyle(ui::TBorderStyle::bsNone);
    Folder_Tree->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, frame->Height() - 2);

    const std::u16string ok = MainForm != nullptr ? LookupText(*MainForm->LangTable, kTextOk) : u"OK";
    const std::u16string cancel = MainForm != nullptr ? LookupText(*MainForm->LangTable, kTextCancel) : u"Cancel";
    Cancel_Btn_Lab = Button(this, "Cancel", kWidth - kMargin - kButtonWidth, charset, cancel);
    OK_Btn_Lab = Button(this, "OK", kWidth - kMargin - 2 * kButtonWidth - 6, charset, ok);

    OK_Btn_Lab->OnClick = [this](TObject*) { Confirm(); };
    Cancel_Btn_Lab->OnClick = [this](TObject*) { SetModalResult(ui::mrCancel); };
    Folder_Tree->OnExpanding = [this](TObject*, TTreeNode* node, bool&) { FillChildren(node); };
    Folder_Tree->OnDblClick = [this](TObject*) { Confirm(); };
    // Keys reach the tree when it has the focus and the window otherwise.
    const auto keyDown = [this](TObject*, WORD& key, TShiftState) {
        if (key == VK_ESCAPE) {
            SetModalResult(ui::mrCancel);
        } else if (key == VK_RETURN) {
            Confirm();
        }
    };
    Folder_Tree->OnKeyDown = keyDown;
    OnKeyDown = keyDown;
    FillDrives();
    SetActiveControl(Folder_Tree);
}

void TFolderPickerForm::FillDrives()
{
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if ((drives & (1u << bit)) != 0) {
            const std::u16string drive{static_cast<char16_t>(u'A' + bit), u':'};
            Folder_Tree->Items().AddChild(nullptr, DriveCaption(drive))->SetHasChildren(true);
        }
    }
}

void TFolderPickerForm::FillChildren(TTreeNode* node)
{
    if (node->Data() == kListed) {
        return;
    }
    node->SetData(kListed);
    const std::u16string path = NodePath(node);
    for (const std::u16string& name : SubfolderNames(path)) {
        TTreeNode* child = Folder_Tree->Items().AddChild(node, name);
        child->SetHasChildren(!SubfolderNames(WithTrailingBackslash(path) + name).empty());
    }
    node->SetHasChildren(node->Count() > 0);
}

bool TFolderPickerForm::SelectFolder(const std::u16string& path)
{
    const std::vector<std::u16string> parts = PathComponents(path);
    if (parts.empty() || (parts.size() > 1 && !DirExists(path)) || !PathExists(parts.front() + u"\\")) {
        return false;
    }
    TTreeNode* node = nullptr;
    for (const std::u16string& part : parts) {
        if (node != nullptr) {
            node->Expand(false);
        }
        TTreeNode* next = node != nullptr ? node->getFirstChild() : Folder_Tree->Items().GetFirstNode();
        while (next != nullptr && !SameName(NodeName(next), part)) {
            next = next->getNextSibling();
        }
        if (next == nullptr) {
            return false;
        }
        node = next;
    }
    Folder_Tree->SetSelected(node);
    return true;
}

std::u16string TFolderPickerForm::SelectedPath() const
{
    const TTreeNode* node = Folder_Tree->Selected();
    return node != nullptr ? NodePath(node) : std::u16string();
}

void TFolderPickerForm::Confirm()
{
    if (Folder_Tree->Selected() != nullptr) {
        SetModalResult(ui::mrOk);
    }
}

std::u16string BrowseForFolder(const std::u16string& title, const std::u16string& initialFolder)
{
    auto* picker = ui::CreateForm<TFolderPickerForm>(ui::Application);
    picker->Title_Lab->SetCaption(title);
    picker->SelectFolder(initialFolder);
    const bool chosen = picker->ShowModal() == ui::mrOk;
    const std::u16string path = chosen ? picker->SelectedPath() : std::u16string();
    picker->Free();
    return path;
}
