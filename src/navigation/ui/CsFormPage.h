#pragma once

#include <QString>
#include <QWidget>

class CTvFormView;
class NavigationApp;
class QComboBox;

// A page of the navigation pane, built from its dialog template: the area and type combos with
// the conditions they stand for, the layout on resize, the look colour, the print command and
// the counter that the status bar shows.
class CsFormPage : public QWidget {
    Q_OBJECT
public:
    CsFormPage(int nTemplateId, CTvFormView& host, NavigationApp& app);
    ~CsFormPage() override;

    // Creates the controls from the template at `rect` of the host, then initialises the page.
    // False when the template does not exist (the page then stays empty).
    bool Create(const QRect& rect);

    virtual void InitControls() {}
    virtual void InitBaseCondition() {}
    virtual void FillOblastCombo();
    virtual void FillTypCombo();
    virtual QString GetFilterCondition() const;
    virtual QString GetNovelizaceCondition() const;
    virtual void OnFilePrint();
    virtual QString GetCounterText() const { return QString(); }
    virtual void OnSize(int cx, int cy);
    // Fills the list that a start through a link left empty (the main window's timer 1 calls it
    // for the contents, register and index pages).
    virtual void FillSkippedList() {}

    // Paints the page in the application's look colour, or in the style's own when it is off.
    void ApplyLookColour();
    // The template's control with this id, null when the page has none.
    QWidget* GetDlgItem(int nId) const;

    const int m_nTemplateId;
    CTvFormView* const m_pHost;
    QString m_strBaseCondition;
    QComboBox* m_cbOblast = nullptr;
    QComboBox* m_cbTyp = nullptr;
    int m_nZobraz = 2;
    int m_nPosition = 0;

protected:
    virtual void OnInitialUpdate();
    void resizeEvent(QResizeEvent* event) override;
    void ShowCounter();

    NavigationApp& m_app;
};
