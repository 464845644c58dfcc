#include "backup/window/jobs/ContentNodePath.h"

#include "backup/base/PathUtil.h"
#include "backup/engine/RunPaths.h"
#include "ui/controls/tree_view.h"

std::u16string ContentNodePath(const ui::TTreeNode* node, const std::u16string& baseFolder)
{
    std::u16string middle;
    for (const ui::TTreeNode* parent = node->Parent(); parent != nullptr; parent = parent->Parent()) {
        if (parent->Parent() == nullptr && !IsRunStampName(parent->Text())) {
            break;
        }
        middle = parent->Text() + u"\\" + middle;
    }
    return WithTrailingBackslash(baseFolder) + middle + node->Text();
}
