#include "frame/ui/MainFrame.h"
#include "navigation/ui/CsFormPage.h"
#include "navigation/ui/TvFormView.h"
#include "platform/LaunchFlags.h"

#include <QTimer>

namespace {
constexpr int kRefreshTimer = 1;
constexpr int kRefreshDelayMs = 2000;
// The contents, register and index pages: the lists a start through a link skips.
constexpr int kSkippedPages[] = {0, 1, 4};
} // namespace

void CMainFrame::OnDDETerminate() {
    if (!g_bRefreshAfterDde)
        return;
    g_bRefreshAfterDde = 0;
    QTimer::singleShot(kRefreshDelayMs, this, [this] { OnTimer(kRefreshTimer); });
}

void CMainFrame::OnTimer(int nIDEvent) {
    if (nIDEvent != kRefreshTimer)
        return;
    for (int nPage : kSkippedPages)
        if (CsFormPage* page = m_pNavView->GetPage(nPage))
            page->FillSkippedList();
}
