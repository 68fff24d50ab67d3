#pragma once

#include <QObject>

class CommandTable;
class CTvFormView;
class CTvHtmlView;
class ProgramFolders;
class QWidget;

// The note command: the shown document's note in the note dialog, stored on "Uložit", after which
// the title page shows its note icon (or no longer does). The note icon's link on the title page
// comes here too, and the title page asks here whether the document has a note.
class NoteCommand : public QObject {
    Q_OBJECT
public:
    NoteCommand(CTvHtmlView& htmlView, CTvFormView& navView, const ProgramFolders& folders,
                QWidget* owner);

    void RegisterCommands(CommandTable& table);
    void OnNote();

private:
    CTvHtmlView& m_htmlView;
    CTvFormView& m_navView;
    const ProgramFolders& m_folders;
    QWidget* m_pOwner;
};
