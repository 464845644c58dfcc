#pragma once
// Binding the published handlers of a page's controls, as the form description binds them.

class TMainForm;

// The Easy Backup page: category ticks, Renew button, destination selector; its passive controls
// pass mouse moves to FormMouseMove.
void BindBackupPageHandlers(TMainForm& form);
// The language selector's opener.
void BindLanguageSelectorHandlers(TMainForm& form);
// The right and left work buttons and the error list.
void BindWorkButtonHandlers(TMainForm& form);
