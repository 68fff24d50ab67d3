#pragma once

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <optional>

// A static text that looks and acts as a link: its own colour and underline, a cursor of its
// own over it and, while notifying, a click that the dialog hears.
class CsLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit CsLinkLabel(const QString& text, QWidget* parent = nullptr);

    CsLinkLabel& SetTextColor(const QColor& colour);
    CsLinkLabel& SetFontUnderline(bool bUnderline);
    CsLinkLabel& SetLinkCursor(const QCursor& cursor);
    CsLinkLabel& SetNotify(bool bNotify);

    QColor GetTextColor() const { return m_crText; }
    bool GetNotify() const { return m_bNotify; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_crText;
    bool m_bNotify = true;
    std::optional<QCursor> m_hCursor;
};
