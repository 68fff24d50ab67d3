#pragma once

#include "BenchCollection.h"
#include "navigation/ui/NavigationApp.h"

// The application the navigation pane asks for its collection: the generated one, with no status
// bar and the plain look.
class BenchNavigationApp : public NavigationApp {
public:
    Database* database() const override { return m_pDatabase.get(); }
    const ProgramFolders& folders() const override { return m_folders; }
    void SetStatusText(const QString&) override {}
    bool lookColourOn() const override { return false; }
    QColor lookColour() const override { return {}; }

    std::unique_ptr<Database> m_pDatabase;
    ProgramFolders m_folders;
};
