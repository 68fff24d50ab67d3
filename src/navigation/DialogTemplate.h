#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

// One control of a dialog template; the rectangle is in dialog units.
struct DialogControl {
    int id = -1;
    QString kind;  // static, combo, list, tree, edit, button, check, group, tab
    QString style; // combos: dropdownlist, dropdown, dropdownsorted
    QString text;
    QRect rect;
    bool hidden = false;
    bool frame = false;  // a bordered static
    bool header = false; // lists: a visible column header
    QStringList items;   // combos: the rows given with the dialog
};

// A dialog template of the window resources (":/ui/dialogs.json").
struct DialogTemplate {
    int id = 0;
    QSize size; // dialog units
    QVector<DialogControl> controls;

    bool isValid() const { return id != 0; }
    const DialogControl* control(int controlId) const;
};

// The template with this id from the JSON text of a dialog resource; invalid when absent.
DialogTemplate parseDialogTemplate(const QByteArray& json, int id);
