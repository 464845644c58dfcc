#pragma once
// TImage: shows a TPicture; an animated GIF advances by its frame delays while messages are pumped.

#include "ui/control.h"
#include "ui/controls/picture.h"

namespace ui {

class TTimer;

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool Center() const { return center_; }
    void SetCenter(bool on);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    // Current frame of an animated picture.
    int Frame() const { return frame_; }

    void Paint(gfx::Painter& painter) override;

private:
    void PictureChanged();
    void NextFrame();
    Rect DestRect() const;

    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
    int frame_ = 0;
    TTimer* animation_ = nullptr;
};

}  // namespace ui
