#include "diagnostics/ui/AboutCommands.h"

#include "diagnostics/ui/CsAboutDlg.h"
#include "platform/CommandTable.h"
#include "platform/ResourceIds.h"

void RegisterAboutCommands(CommandTable& table, QWidget* parent,
                           std::function<QString()> programFolder) {
    table.add(ID_APP_ABOUT, [parent, programFolder = std::move(programFolder)](int) {
        CsAboutDlg dialog(programFolder(), parent);
        dialog.exec();
    });
}
