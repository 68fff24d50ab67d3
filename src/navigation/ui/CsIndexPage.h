#pragma once

#include "navigation/IndexSession.h"
#include "navigation/ui/CsFormPage.h"

class QLineEdit;
class SlicedFetch;
class QListView;

// The "Index" tab: the documents in one of four alphabetical orders, narrowed by area and type;
// the text typed above the list brings the first row that starts with it to the top. The list is
// read when the page is first shown.
class CsIndexPage : public CsFormPage {
    Q_OBJECT
public:
    CsIndexPage(CTvFormView& host, NavigationApp& app);

    void InitControls() override;
    QString GetCounterText() const override;
    void FillSkippedList() override { fillWhenShown(); }

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The index lists the whole collection a second time, so a hidden page reads it only when
    // it is first shown.
    void fillWhenShown();

    SlicedFetch* m_pFetch;
    bool m_bFillWhenShown = false;
    bool m_bBaseOpened = false;
};
