#include "ui/controls/image.h"

#include "ui/controls/timer.h"
#include "ui/gfx/painter.h"

namespace ui {

TImage::TImage(TComponent* owner) : TControl(owner)
{
    bounds_ = Rect::FromSize(0, 0, 105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

TImage::~TImage()
{
    delete animation_;
}

void TImage::SetStretch(bool on)
{
    if (on != stretch_) {
        stretch_ = on;
        Invalidate();
    }
}

void TImage::SetCenter(bool on)
{
    if (on != center_) {
        center_ = on;
        Invalidate();
    }
}

void TImage::SetProportional(bool on)
{
    if (on != proportional_) {
        proportional_ = on;
        Invalidate();
    }
}

void TImage::SetTransparent(bool on)
{
    if (on != transparent_) {
        transparent_ = on;
        Invalidate();
    }
}

void TImage::SetAutoSize(bool on)
{
    if (on != autoSize_) {
        autoSize_ = on;
        PictureChanged();
    }
}

void TImage::PictureChanged()
{
    frame_ = 0;
    if (autoSize_ && !picture_.Empty()) {
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    }
    const gfx::Image* image = picture_.Image();
    bool animated = image != nullptr && image->frames.size() > 1 && !image->delaysMs.empty();
    if (animated) {
        if (animation_ == nullptr) {
            animation_ = new TTimer(nullptr);
            animation_->OnTimer = [this](TObject*) { NextFrame(); };
        }
        animation_->SetInterval(static_cast<unsigned>(std::max(10, image->delaysMs[0])));
        animation_->SetEnabled(true);
    } else if (animation_ != nullptr) {
        animation_->SetEnabled(false);
    }
    Invalidate();
}

void TImage::NextFrame()
{
    const gfx::Image* image = picture_.Image();
    if (image == nullptr || image->frames.size() < 2) {
        return;
    }
    frame_ = (frame_ + 1) % static_cast<int>(image->frames.size());
    int delay = frame_ < static_cast<int>(image->delaysMs.size()) ? image->delaysMs[frame_] : 100;
    animation_->SetInterval(static_cast<unsigned>(std::max(10, delay)));
    Invalidate();
}

Rect TImage::DestRect() const
{
    int pw = picture_.Width();
    int ph = picture_.Height();
    Rect client = ClientRect();
    if (stretch_) {
        if (!proportional_ || pw == 0 || ph == 0) {
            return client;
        }
        double scale = std::min(static_cast<double>(client.Width()) / pw, static_cast<double>(client.Height()) / ph);
        pw = static_cast<int>(pw * scale);
        ph = static_cast<int>(ph * scale);
    }
    if (center_) {
        return Rect::FromSize((client.Width() - pw) / 2, (client.Height() - ph) / 2, pw, ph);
    }
    return Rect::FromSize(0, 0, pw, ph);
}

void TImage::Paint(gfx::Painter& painter)
{
    const gfx::Image* image = picture_.Image();
    if (image == nullptr || image->frames.empty()) {
        return;
    }
    const gfx::Bitmap& frame = image->frames[std::min<std::size_t>(frame_, image->frames.size() - 1)];
    painter.DrawImage(frame, DestRect(), frame.Bounds());
}

}  // namespace ui
