#pragma once

#include <QPixmap>
#include <QRect>

class QWidget;

// Places `widget` at a rectangle given in dialog units of its parent's font (x in quarters of
// the average character width, y in eighths of the character height).
void placeInDialogUnits(QWidget* widget, const QRect& units);
// Sizes `dialog` to a size in dialog units of its font.
void sizeInDialogUnits(QWidget* dialog, const QSize& units);

// The picture beside the texts of the About and system-information dialogs.
QPixmap dialogPicture(const QSize& size);
