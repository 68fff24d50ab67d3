#pragma once

#include "navigation/DialogTemplate.h"

#include <QFont>
#include <QRect>

class QWidget;

// Dialog units of a font: x in quarters of the average character width, y in eighths of the
// character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int x(int units) const { return (units * m_nCharWidth + 2) / 4; }
    int y(int units) const { return (units * m_nCharHeight + 4) / 8; }
    QRect toPixels(const QRect& units) const;

private:
    int m_nCharWidth;
    int m_nCharHeight;
};

// The template with this id from the window resources (invalid when absent).
DialogTemplate loadDialogTemplate(int templateId);

// Creates the controls of the template as children of `parent`, placed by the parent's font,
// and resizes the parent to the template's size. Returns the template (invalid when absent;
// then nothing is created).
DialogTemplate buildDialog(QWidget* parent, int templateId);

// The control with this id among the direct children of `parent`, null when there is none.
QWidget* dialogItem(const QWidget* parent, int controlId);
