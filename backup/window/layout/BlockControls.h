#pragma once
// Controls of the settings tab blocks, made as the form description makes them.

#include "backup/window/frame/MainWin.h"

#include <initializer_list>
#include <string>

// Stretched, transparent.
TImage* NewBlockImage(TMainForm& form, const std::string& name, TWinControl* parent);
// Fixed size, transparent.
TLabel* NewBlockLabel(TMainForm& form, const std::string& name, TWinControl* parent);
// No bevel.
TPanel* NewBlockPanel(TMainForm& form, const std::string& name, TWinControl* parent);
// No border, read-only.
TEdit* NewShownEdit(TMainForm& form, const std::string& name, TWinControl* parent);
// A report-style list without border whose small images are the delete icon, with its columns.
TListView* NewDeleteIconList(TMainForm& form, const std::string& name, TWinControl* parent,
                             std::initializer_list<const char16_t*> columns);
