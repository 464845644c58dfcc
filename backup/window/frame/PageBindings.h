#pragma once
// Binding the published handlers of a page's controls, as the form description binds them.

class TMainForm;

// The Easy Backup page: category ticks, Renew button, destination selector; its passive controls
// pass mouse moves to FormMouseMove.
void BindBackupPageHandlers(TMainForm& form);
// The Favorites page's controls, created on App_Fav_Pan; then its tabs, selectors and tree bound.
void CreateFavoritesPageControls(TMainForm& form);
void BindFavoritesPageHandlers(TMainForm& form);
// The language selector's opener.
void BindLanguageSelectorHandlers(TMainForm& form);
// The right and left work buttons and the error list.
void BindWorkButtonHandlers(TMainForm& form);
// Pages 1, 2 and 12: passive controls pass mouse moves on; page 2's drive picture.
void BindOverviewPageHandlers(TMainForm& form);
// The Help and About buttons of the title area.
void BindTitleButtonHandlers(TMainForm& form);
