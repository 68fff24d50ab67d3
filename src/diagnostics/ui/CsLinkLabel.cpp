#include "diagnostics/ui/CsLinkLabel.h"

#include <QMouseEvent>
#include <QPalette>

CsLinkLabel::CsLinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_crText(palette().color(QPalette::WindowText)) {}

CsLinkLabel& CsLinkLabel::SetTextColor(const QColor& colour) {
    m_crText = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    update();
    return *this;
}

CsLinkLabel& CsLinkLabel::SetFontUnderline(bool bUnderline) {
    QFont underlined = font();
    underlined.setUnderline(bUnderline);
    setFont(underlined);
    update();
    return *this;
}

CsLinkLabel& CsLinkLabel::SetLinkCursor(const QCursor& cursor) {
    m_hCursor = cursor;
    setCursor(cursor);
    return *this;
}

CsLinkLabel& CsLinkLabel::SetNotify(bool bNotify) {
    m_bNotify = bNotify;
    return *this;
}

void CsLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (m_bNotify && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}
