#pragma once

// The zoom of the document view in percent, in the steps Ctrl+plus and Ctrl+minus go through.
constexpr int kZoomDefault = 100;
constexpr int kZoomMin = 50;
constexpr int kZoomMax = 300;

// The next step up (`direction` > 0) or down (< 0) from `percent`, held within 50 to 300; a value
// between two steps goes to the neighbouring step in that direction.
int stepZoom(int percent, int direction);
// A stored zoom brought into 50 to 300 (a value from an edited settings file may be anything).
int clampZoom(int percent);
