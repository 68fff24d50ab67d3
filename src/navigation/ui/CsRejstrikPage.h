#pragma once

#include "navigation/RegisterSession.h"
#include "navigation/ui/CsFormPage.h"

class QTreeView;

// The "Rejstřík" tab: the subject register of the field chosen in the "Obor" combo as a tree;
// choosing an item opens its document.
class CsRejstrikPage : public CsFormPage {
    Q_OBJECT
public:
    CsRejstrikPage(CTvFormView& host, NavigationApp& app);

    void InitBaseCondition() override;
    void InitControls() override;
    QString GetCounterText() const override;
    void FillSkippedList() override { FillTree(); }

    void FillOborCombo();
    // Rebuilds the tree for the chosen field.
    void FillTree();

    QTreeView* m_tree = nullptr;
    QComboBox* m_cbObor = nullptr;
    RegisterSession m_session;

private:
    void OnSelChanged(const QModelIndex& current);
};
