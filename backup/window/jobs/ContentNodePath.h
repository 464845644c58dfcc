#pragma once
// The drive path of a node of a content tree (restore and delete trees): the base folder, the
// captions of the node's ancestors from the run-folder node down, and the node's caption. A top
// node is part of the path only when its caption is a run stamp.

#include <string>

namespace ui {
class TTreeNode;
}

std::u16string ContentNodePath(const ui::TTreeNode* node, const std::u16string& baseFolder);
