#include "frame/ui/WindowPlacement.h"

#include "navigation/ui/TvFormView.h"
#include "platform/Registry.h"

#include <QMainWindow>
#include <algorithm>

namespace {
QString placementSection() {
    return GetToolbarStateKey() + QStringLiteral("MainFrame");
}
const QString kPlacementEntry = QStringLiteral("Placement");
} // namespace

void restoreWindowPlacement(QMainWindow& frame) {
    const QByteArray stored = GetProfileBinary(placementSection(), kPlacementEntry);
    if (stored.isEmpty() || !frame.restoreGeometry(stored))
        frame.resize(1100, 750);
}

void saveWindowPlacement(const QMainWindow& frame) {
    WriteProfileBinary(placementSection(), kPlacementEntry, frame.saveGeometry());
}

int fitPaneWidth(int nStored, int nWindowWidth, int nViewMinimum) {
    return std::max(CTvFormView::kMinPaneWidth, std::min(nStored, nWindowWidth - nViewMinimum));
}
