#pragma once
// Page 1 (product information) and page 2 (the external drive with its safe-removal picture and
// capacity bar). LayoutOverviewPanel and the two relayouts are declared in PageLayout.h; the page 1
// panel is the rectangle every other page panel copies.

class TMainForm;

// Page 2, right after LayoutOverviewPanel.
void LayoutDevicePanel(TMainForm& form);
// The mirrored creation pass of both pages for the language 1025.
void LayoutRtlOverviewPage(TMainForm& form);
void LayoutRtlDevicePage(TMainForm& form);
// Captions and hint of page 2 from the language table, with the labels' charset.
void ApplyDevicePageCaptions(TMainForm& form);
