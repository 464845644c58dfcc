#include "backup/base/CommandLine.h"

namespace {

std::u16string& Argument()
{
    static std::u16string argument;
    return argument;
}

}  // namespace

void SetCommandLineArgument(std::u16string argument)
{
    Argument() = std::move(argument);
}

const std::u16string& CommandLineArgument()
{
    return Argument();
}

std::u16string WindowTitleFor(const std::u16string& argument)
{
    std::u16string title = u"Harbex Solo +";
    if (!argument.empty()) {
        title += u"_" + argument.substr(0, 1);
    }
    return title;
}
