#pragma once
// The Manual Backup page's source tree and its grey frame on the backup panel: they fill the panel
// from the header bar down to the arrow.

class TMainForm;

// At creation, right after the Easy Backup page's layout; also gives the tree its pictures.
void LayoutBackupTreePanel(TMainForm& form);
// The mirrored creation pass: the tree spans the panel, so the same formulas hold.
void LayoutRtlBackupTreePanel(TMainForm& form);
// The frame down to the arrow's top and the tree inside it, after the arrow has its place.
void PlaceBackupTree(TMainForm& form);
