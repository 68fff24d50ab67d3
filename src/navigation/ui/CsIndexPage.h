#pragma once

#include "navigation/IndexSession.h"
#include "navigation/ui/CsFormPage.h"

class QLineEdit;
class SlicedFetch;
class QListView;

// The "Index" tab: the documents in one of four alphabetical orders, narrowed by area and type;
// the text typed above the list brings the first row that starts with it to the top.
class CsIndexPage : public CsFormPage {
    Q_OBJECT
public:
    CsIndexPage(CTvFormView& host, NavigationApp& app);

    void InitBaseCondition() override;
    void InitControls() override;
    QString GetCounterText() const override;
    void FillSkippedList() override { FillIndex(); }

    // Refills the list for the chosen index, area and type.
    void FillIndex();
    // Scrolls the first row that starts with the typed text to the top, without choosing it.
    void QuickFind();
    void OpenRow(int nRow);

    QString m_strQuickFind;
    QListView* m_list = nullptr;
    QComboBox* m_cbIndex = nullptr;
    QLineEdit* m_editQuickFind = nullptr;
    IndexSession m_session;

private:
    SlicedFetch* m_pFetch;
};
