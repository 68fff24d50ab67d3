#include "frame/ui/SplitterWnd.h"

#include <QPainter>
#include <QSplitterHandle>

namespace {
class CsSplitterHandle : public QSplitterHandle {
public:
    CsSplitterHandle(Qt::Orientation orientation, CsSplitterWnd* parent)
        : QSplitterHandle(orientation, parent), m_pSplitter(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), m_pSplitter->HandleColour());
    }

private:
    CsSplitterWnd* m_pSplitter;
};
} // namespace

CsSplitterWnd::CsSplitterWnd(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("splitter"));
    setChildrenCollapsible(false);
    setHandleWidth(5);
}

void CsSplitterWnd::SetLookColour(const QColor& colour) {
    m_crHandle = colour;
    for (int i = 0; i < count(); ++i)
        handle(i)->update();
}

QColor CsSplitterWnd::HandleColour() const {
    return m_crHandle.isValid() ? m_crHandle : palette().color(QPalette::Button);
}

QSplitterHandle* CsSplitterWnd::createHandle() {
    return new CsSplitterHandle(orientation(), this);
}
