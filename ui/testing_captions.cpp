#include "ui/testing_captions.h"

#include "platform/text.h"
#include "ui/gfx/painter.h"
#include "ui/gfx/text_layout.h"

#include <algorithm>
#include <optional>
#include <set>

namespace ui::testing {

namespace {

using ui::Rect;

// Text may reach this far past an edge: advances carry side bearings and line boxes are taller than
// the letters.
constexpr int kSlack = 1;

struct Placed {
    ui::TControl* control;
    Rect rect;  // form coordinates
    Rect clip;  // the part that its parents let through
};

bool Overlap(const Rect& a, const Rect& b)
{
    return !a.Intersect(b).IsEmpty();
}

std::string Name(const ui::TControl* c)
{
    return c->Name().empty() ? std::string("(unnamed)") : c->Name();
}

// Every visible control in the order it is painted, back to front.
void Collect(ui::TWinControl* parent, const Rect& clip, std::vector<Placed>& out)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        ui::TControl* c = parent->Controls(i);
        if (!c->Visible() || c->Width() <= 0 || c->Height() <= 0) {
            continue;
        }
        const ui::Point origin = c->OriginInForm();
        const Rect rect = Rect::FromSize(origin.x, origin.y, c->Width(), c->Height());
        const Rect visible = rect.Intersect(clip);
        out.push_back({c, rect, visible});
        if (auto* windowed = dynamic_cast<ui::TWinControl*>(c)) {
            Collect(windowed, visible, out);
        }
    }
}

// Drop-down lists are left out: they lie behind the read-only edit that shows their choice.
bool IsInput(const ui::TControl* c)
{
    return dynamic_cast<const ui::TEdit*>(c) != nullptr || dynamic_cast<const ui::TTreeView*>(c) != nullptr ||
           dynamic_cast<const ui::TListView*>(c) != nullptr || dynamic_cast<const ui::TMemo*>(c) != nullptr;
}

// Whether the control paints over what lies behind it.
bool Covers(const ui::TControl* c)
{
    if (c->IsWindowed()) {
        return true;
    }
    if (const auto* label = dynamic_cast<const ui::TLabel*>(c)) {
        return !label->Transparent();
    }
    if (const auto* image = dynamic_cast<const ui::TImage*>(c)) {
        return !image->Picture().Empty();
    }
    return false;
}

// The letters of a label in its own coordinates (spaces at the ends of lines draw nothing); nothing
// for a caption of spaces.
std::optional<Rect> Letters(const ui::TLabel& label)
{
    const ui::gfx::FontSpec font = label.Font().Spec();
    const ui::gfx::TextFlags flags = label.DrawFlags();
    const ui::gfx::TextBlock block = ui::gfx::LayOutText(font, label.Caption(), label.Width(), label.Height(), flags);
    std::optional<Rect> letters;
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        const std::u16string& text = block.lines[i].text;
        const std::size_t first = text.find_first_not_of(u' ');
        if (first == std::u16string::npos) {
            continue;
        }
        const std::size_t last = text.find_last_not_of(u' ');
        const int lead = ui::gfx::MeasureText(font, std::u16string_view(text).substr(0, first)).cx;
        const int inked = ui::gfx::MeasureText(font, std::u16string_view(text).substr(0, last + 1)).cx;
        const int top = block.top + static_cast<int>(i) * block.metrics.lineHeight;
        const Rect line{block.lines[i].x + lead, top, block.lines[i].x + inked, top + block.metrics.lineHeight};
        letters = letters ? letters->Union(line) : line;
    }
    return letters;
}

// The pixels the glyphs of a label ink, in its own coordinates: a face that stands in for missing
// characters may fill its line boxes to the edge where the named font leaves room.
std::optional<Rect> Ink(const ui::TLabel& label)
{
    ui::gfx::FontSpec font = label.Font().Spec();
    font.color = ui::clBlack;
    ui::gfx::Bitmap canvas(label.Width(), label.Height());
    ui::gfx::Painter(canvas).DrawText(canvas.Bounds(), label.Caption(), font, label.DrawFlags());
    std::optional<Rect> ink;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) != 0) {
                const Rect dot = Rect::FromSize(x, y, 1, 1);
                ink = ink ? ink->Union(dot) : dot;
            }
        }
    }
    return ink;
}

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left - kSlack && inner.right <= outer.right + kSlack &&
           inner.top >= outer.top - kSlack && inner.bottom <= outer.bottom + kSlack;
}

std::string Quoted(const ui::TLabel& label)
{
    return Name(&label) + " \"" + platform::ToUtf8(label.Caption()) + "\"";
}

}  // namespace

std::vector<std::string> CaptionFaults(ui::TForm& form)
{
    std::vector<Placed> placed;
    Collect(&form, Rect::FromSize(0, 0, form.Width(), form.Height()), placed);
    struct Caption {
        std::size_t order;
        const ui::TLabel* label;
        Rect letters;  // form coordinates
        Rect ink;  // form coordinates, with the room a wrapped caption needs
    };
    std::vector<Caption> captions;
    std::vector<std::string> faults;
    const std::string window = Name(&form) + ": ";
    for (std::size_t k = 0; k < placed.size(); ++k) {
        const auto* label = dynamic_cast<const ui::TLabel*>(placed[k].control);
        if (label == nullptr || label->Caption().empty()) {
            continue;
        }
        const std::optional<Rect> own = Letters(*label);
        if (!own) {
            continue;
        }
        const Rect letters = own->Offset(placed[k].rect.left, placed[k].rect.top);
        const bool ellipsis = HasFlag(label->DrawFlags(), ui::gfx::TextFlags::EndEllipsis);
        if (!ellipsis && !Inside(letters, placed[k].rect)) {
            faults.push_back(window + Quoted(*label) + " needs " + std::to_string(own->Width()) + " x " +
                             std::to_string(own->Height()) + " px at " + std::to_string(own->left) + "," +
                             std::to_string(own->top) + ", has " + std::to_string(label->Width()) + " x " +
                             std::to_string(label->Height()));
        } else if (!ellipsis && !Inside(letters, placed[k].clip)) {
            faults.push_back(window + Quoted(*label) + " is cut by the edge of " + Name(label->Parent()));
        }
        // A wrapped line ends where the layout planned no text: its glyphs need a pixel of room below.
        const bool wrapped = own->Height() > ui::gfx::MeasureText(label->Font().Spec(), u" ").cy;
        Rect ink = Ink(*label).value_or(*own).Offset(placed[k].rect.left, placed[k].rect.top).Intersect(placed[k].clip);
        if (wrapped && !ink.IsEmpty()) {
            ink = Rect{ink.left - 1, ink.top, ink.right + 1, ink.bottom + 1};
        }
        captions.push_back({k, label, letters.Intersect(placed[k].clip), ink});
    }
    std::set<std::pair<const ui::TControl*, const ui::TControl*>> reported;
    for (const Caption& caption : captions) {
        // A control drawn over the letters or their glyphs, or ending right where they end.
        const Rect reach = caption.letters.Inflate(1, 0).Union(caption.ink);
        for (std::size_t k = caption.order + 1; k < placed.size(); ++k) {
            const ui::TControl* other = placed[k].control;
            if (Covers(other) &&
                Overlap(other->IsWindowed() || dynamic_cast<const ui::TLabel*>(other) ? reach : caption.letters,
                        placed[k].clip)) {
                faults.push_back(window + Quoted(*caption.label) + " is covered by " + Name(other));
            }
        }
        for (std::size_t k = 0; k < caption.order; ++k) {
            if (IsInput(placed[k].control) && Overlap(reach, placed[k].clip)) {
                faults.push_back(window + Quoted(*caption.label) + " runs into " + Name(placed[k].control));
            }
        }
        for (const Caption& other : captions) {
            if (other.label != caption.label && Overlap(caption.letters, other.letters) &&
                reported
                    .insert({std::min<const ui::TControl*>(caption.label, other.label),
                             std::max<const ui::TControl*>(caption.label, other.label)})
                    .second) {
                faults.push_back(window + Quoted(*caption.label) + " overlaps " + Quoted(*other.label));
            }
        }
    }
    return faults;
}

}  // namespace ui::testing
