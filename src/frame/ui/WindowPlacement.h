#pragma once

class QMainWindow;

// The main window's size, position and maximised state, kept with the rest of the workspace
// between runs; 1100×750 on the first start.
void restoreWindowPlacement(QMainWindow& frame);
void saveWindowPlacement(const QMainWindow& frame);

// The navigation pane's width for a window `nWindowWidth` wide: the stored width, at least the
// pane's minimum, and never so wide that the document view falls below `nViewMinimum`.
int fitPaneWidth(int nStored, int nWindowWidth, int nViewMinimum);
