#include "navigation/ui/TvFormView.h"

#include "document/DocumentAssembler.h"
#include "navigation/ui/CsFormPage.h"
#include "navigation/ui/DialogBuilder.h"
#include "navigation/ui/NavigationApp.h"
#include "platform/CommandTable.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QSplitter>
#include <QTabBar>
#include <algorithm>
#include <numeric>

namespace {

// The look's own tabs, with less room beside each caption.
class CompactTabStyle : public QProxyStyle {
public:
    explicit CompactTabStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};
} // namespace

CTvFormView::CTvFormView(NavigationApp& app, PageFactories pages, QWidget* parent)
    : QWidget(parent), m_app(app), m_pageFactories(std::move(pages)) {
    OnInitialUpdate();
}

CTvFormView::~CTvFormView() = default;

void CTvFormView::OnInitialUpdate() {
    m_nPaneWidth = std::max(
        kMinPaneWidth, GetProfileInt(QStringLiteral("Settings"), QStringLiteral("Width"), 434));
    setMinimumWidth(kMinPaneWidth);
    buildDialog(this, IDD_NAVIGATION);
    m_wndTab = qobject_cast<QTabBar*>(dialogItem(this, IDC_TAB));
    m_pPageFrame = qobject_cast<QLabel*>(dialogItem(this, IDC_PAGE_FRAME));
    m_arrPages.clear();
    if (!m_wndTab)
        return;
    // Seven tabs share a pane of 390 pixels and more: narrower tabs keep them all in sight.
    auto* compactTabs = new CompactTabStyle(QApplication::style()->name());
    compactTabs->setParent(m_wndTab);
    m_wndTab->setStyle(compactTabs);
    for (int i = 0; i <= 5; ++i)
        AddPage(131 + i, LoadResString(IDS_TAB_OBSAH + i));
    AddPage(152, LoadResString(IDS_TAB_OBLIBENE));
    m_nCurPage = 0;
    m_wndTab->setCurrentIndex(0);
    m_arrPages[0]->show();
    connect(m_wndTab, &QTabBar::currentChanged, this, [this](int n) { OnTabChange(n); });
    ApplyLookColour();
    // Every list page announced its own counter while filling; the shown page's is the one.
    m_app.SetStatusText(GetCurrentCounterText());
}

CsFormPage* CTvFormView::CreatePage(int nTemplate) {
    const auto factory = m_pageFactories.constFind(nTemplate);
    if (factory != m_pageFactories.constEnd())
        return (*factory)(*this, m_app);
    return new CsFormPage(nTemplate, *this, m_app);
}

void CTvFormView::AddPage(int nTemplate, const QString& caption) {
    const QRect rect = m_pPageFrame ? m_pPageFrame->geometry() : QRect();
    CsFormPage* page = CreatePage(nTemplate);
    page->Create(rect);
    page->hide();
    m_arrPages.append(page);
    m_wndTab->insertTab(GetPageCount() - 1, caption);
}

CsFormPage* CTvFormView::GetPage(int i) const {
    return i >= 0 && i < GetPageCount() ? m_arrPages.at(i) : nullptr;
}

QString CTvFormView::GetCurrentCounterText() const {
    const CsFormPage* page = GetCurrentPage();
    return page ? page->GetCounterText() : QString();
}

void CTvFormView::OnTabChange(int n) {
    if (!m_wndTab || n == m_nCurPage || !GetPage(n))
        return;
    if (CsFormPage* old = GetCurrentPage())
        old->hide();
    m_arrPages[n]->show();
    m_nCurPage = n;
    m_app.SetStatusText(GetCurrentCounterText());
}

void CTvFormView::OnFilePrint() {
    if (m_print)
        m_print();
}

void CTvFormView::ApplyLookColour() {
    applyLookPalette(*this, m_app);
    for (CsFormPage* page : m_arrPages)
        page->ApplyLookColour();
}

void CTvFormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    OnSize(event->size().width(), event->size().height());
}

void CTvFormView::OnSize(int cx, int cy) {
    // Inside the main window's splitter the pane never stays narrower than its minimum; a
    // collapsed pane gets its last width back.
    if (auto* splitter = qobject_cast<QSplitter*>(parentWidget())) {
        const int min = minimumWidth();
        if (cx < min) {
            cx = cx == 0 && cy == 0 ? m_nPaneWidth : min;
            QList<int> sizes = splitter->sizes();
            const int index = splitter->indexOf(this);
            const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
            if (index >= 0 && sizes.size() > 1) {
                const int other = index == 0 ? 1 : index - 1;
                sizes[index] = cx;
                sizes[other] = std::max(0, total - cx);
                splitter->setSizes(sizes);
            }
        }
        if (min > 0)
            m_nPaneWidth = cx;
    }
    QRect rect;
    if (m_wndTab) {
        m_wndTab->setGeometry(0, 10, cx - 1, m_wndTab->sizeHint().height());
        rect = QRect(0, 10, cx - 1, cy - 11);
    }
    if (m_pPageFrame) {
        // The pages stand below the tabs, inside the tab control's frame.
        const int top = std::max(25, m_wndTab ? m_wndTab->height() + 2 : 0);
        rect.adjust(2, top, -5, -5);
        m_pPageFrame->setGeometry(rect);
    }
    for (CsFormPage* page : m_arrPages)
        page->setGeometry(rect);
    update();
}

void CTvFormView::RegisterCommands(CommandTable& table) {
    const auto openFixedLaw = [this](int id) { OpenFixedLaw(static_cast<unsigned>(id)); };
    table.addRange(ID_FIXED_LAW_FIRST, ID_FIXED_LAW_LAST, openFixedLaw);
    table.add(ID_FIXED_LAW_EXTRA, openFixedLaw);
}
