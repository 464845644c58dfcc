#include "ui/screenshot.h"

#include "ui/application.h"
#include "ui/gfx/bitmap.h"
#include "ui/gfx/image.h"

#include <cstdio>

namespace ui {

int SaveFormScreenshot(TForm& form, const std::string& path)
{
    form.ShowForm();
    Application->ProcessMessages();
    gfx::Bitmap frame(form.Width(), form.Height());
    form.RenderTo(frame);
    if (!gfx::WritePng(frame, path)) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace ui
