#include "ui/backend.h"

#include "ui/backends/headless.h"

namespace ui {
namespace {

std::unique_ptr<Backend>& Installed()
{
    static std::unique_ptr<Backend> backend;
    return backend;
}

}  // namespace

Backend& CurrentBackend()
{
    if (!Installed()) {
        Installed() = MakeHeadlessBackend();
    }
    return *Installed();
}

void SetBackend(std::unique_ptr<Backend> backend)
{
    Installed() = std::move(backend);
}

}  // namespace ui
