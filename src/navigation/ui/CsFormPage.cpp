#include "navigation/ui/CsFormPage.h"

#include "db/ListConditions.h"
#include "navigation/LookupRows.h"
#include "navigation/ui/DialogBuilder.h"
#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/TvFormView.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QComboBox>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QVector>

namespace {
// Fills a lookup combo: "Vše" with `allData` first, then the areas or types in their order.
// A database error is reported and the rows read so far stay.
void fillLookupCombo(QComboBox* combo, Database& database, Lookup which, int allData) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItem(LoadResString(IDS_ALL), allData);
    QVector<LookupRow> rows;
    readLookupRows(database, which, rows);
    for (const LookupRow& row : rows)
        combo->addItem(row.text, row.id);
    combo->setCurrentIndex(0);
}

// Moves the control's right edge to `right`, keeping its left, top and height.
void stretchTo(QWidget* control, int right) {
    if (!control)
        return;
    QRect r = control->geometry();
    r.setRight(right - 1);
    control->setGeometry(r);
}
// The combos, edits and group boxes that span the page's width, by template.
QVector<int> spanningControls(int nTemplateId) {
    switch (nTemplateId) {
    case IDD_OBSAH:
        return {IDC_OBLAST, IDC_TYP, IDC_ZOBRAZ};
    case IDD_REJSTRIK:
        return {IDC_OBOR};
    case IDD_HLEDAT:
        return {IDC_OBLAST, IDC_TYP, IDC_SCOPE_GROUP, IDC_ZOBRAZ};
    case IDD_INDEX:
        return {IDC_OBLAST, IDC_TYP, IDC_INDEX_CHOICE, IDC_QUICK_FIND};
    default:
        return {};
    }
}
} // namespace

CsFormPage::CsFormPage(int nTemplateId, CTvFormView& host, NavigationApp& app)
    : QWidget(&host), m_nTemplateId(nTemplateId), m_pHost(&host), m_app(app) {}

CsFormPage::~CsFormPage() = default;

bool CsFormPage::Create(const QRect& rect) {
    const bool created = buildDialog(this, m_nTemplateId).isValid();
    setGeometry(rect);
    if (created)
        OnInitialUpdate();
    ApplyLookColour();
    return created;
}

void CsFormPage::OnInitialUpdate() {
    InitBaseCondition();
    InitControls();
}

QWidget* CsFormPage::GetDlgItem(int nId) const {
    return dialogItem(this, nId);
}

void CsFormPage::FillOblastCombo() {
    Database* database = m_app.database();
    if (!m_cbOblast || !database)
        return;
    const WaitCursor wait;
    fillLookupCombo(m_cbOblast, *database, Lookup::Oblast, 0);
}

void CsFormPage::FillTypCombo() {
    Database* database = m_app.database();
    if (!m_cbTyp || !database)
        return;
    const WaitCursor wait;
    fillLookupCombo(m_cbTyp, *database, Lookup::Typ, -1);
}

QString CsFormPage::GetFilterCondition() const {
    const int oblast = m_cbOblast ? m_cbOblast->currentData().toInt() : 0;
    const int typ = m_cbTyp ? m_cbTyp->currentData().toInt() : -1;
    return filterCondition(oblast, typ);
}

QString CsFormPage::GetNovelizaceCondition() const {
    return novelizaceCondition(m_nZobraz);
}

void CsFormPage::OnFilePrint() {
    m_pHost->OnFilePrint();
}

void CsFormPage::ShowCounter() {
    m_app.SetStatusText(GetCounterText());
}

void CsFormPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    OnSize(event->size().width(), event->size().height());
}

void CsFormPage::OnSize(int cx, int cy) {
    const int right = cx - 5;
    QWidget* main = GetDlgItem(m_nTemplateId == IDD_REJSTRIK ? IDC_TREE : IDC_LIST);
    if (main) {
        QRect r = main->geometry();
        r.setRight(right - 1);
        r.setBottom(cy - 3 - 1);
        main->setGeometry(r);
    }
    for (int id : spanningControls(m_nTemplateId))
        stretchTo(GetDlgItem(id), right);
    if (m_nTemplateId == 134) {
        if (QWidget* button = GetDlgItem(IDC_HLEDAT_BUTTON)) {
            button->move(right - button->width(), button->y());
            stretchTo(GetDlgItem(IDC_HLEDAT_TEXT), button->x() - 5);
        } else {
            stretchTo(GetDlgItem(IDC_HLEDAT_TEXT), right);
        }
    }
}

void CsFormPage::ApplyLookColour() {
    applyLookPalette(*this, m_app);
}
