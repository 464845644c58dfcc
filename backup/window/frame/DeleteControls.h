#pragma once
// The controls of the delete pages, created and bound as the form description would.

class TMainForm;

void CreateDeletePageControls(TMainForm& form);
