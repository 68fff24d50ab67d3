#include "frame/ui/NoteCommand.h"

#include "document/ui/TvHtmlView.h"
#include "navigation/ui/TvFormView.h"
#include "platform/CommandTable.h"
#include "platform/ProgramFolders.h"
#include "platform/ResourceIds.h"
#include "userdata/XmlStore.h"
#include "userdata/ui/NoteDlg.h"

NoteCommand::NoteCommand(CTvHtmlView& htmlView, CTvFormView& navView, const ProgramFolders& folders,
                         QWidget* owner)
    : QObject(owner), m_htmlView(htmlView), m_navView(navView), m_folders(folders),
      m_pOwner(owner) {
    m_navView.setNoteSource([this](const QString& name) {
        CXmlStore store(m_folders);
        return store.GetNote(name);
    });
    // The icon's link arrives while the browser decides a navigation: the dialog opens after.
    connect(&m_htmlView, &CTvHtmlView::noteRequested, this, &NoteCommand::OnNote,
            Qt::QueuedConnection);
}

void NoteCommand::RegisterCommands(CommandTable& table) {
    table.add(ID_NOTE, [this](int) { OnNote(); });
}

void NoteCommand::OnNote() {
    const int id = m_htmlView.GetCurrentDocumentId();
    if (id == 0)
        return;
    QString title;
    const QString name = m_navView.GetDocumentName(id, title);
    if (name.isEmpty())
        return;
    CXmlStore store(m_folders);
    CNoteDlg dlg(m_pOwner);
    dlg.m_strDocName = name;
    dlg.m_strNote = store.GetNote(name).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (dlg.DoModal() != QDialog::Accepted)
        return;
    // The store has shown its message when storing failed; the page is redrawn either way.
    store.SetNote(name, dlg.m_strNote);
    m_navView.RefreshTitlePage(id, title.isEmpty() ? name : title);
}
