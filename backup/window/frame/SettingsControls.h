#pragma once
// The controls of the two settings pages, created and bound as the form description declares them.

class TMainForm;

// After the page panels Set_Gen_Pan and Set_Bac_Pan exist; moves the language selector's parts
// into their panel Lang_Sel_Pan.
void CreateSettingsPageControls(TMainForm& form);
// The option ticks, the button-function selector and the tab captions.
void BindSettingsPageHandlers(TMainForm& form);
