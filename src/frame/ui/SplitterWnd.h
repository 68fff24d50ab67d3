#pragma once

#include <QColor>
#include <QSplitter>

// The main window's splitter: navigation pane on the left, document view on the right. Its
// handle is painted in the look's pane colour, or the button face colour when the look has none.
class CsSplitterWnd : public QSplitter {
    Q_OBJECT
public:
    explicit CsSplitterWnd(QWidget* parent);

    // The colour of the handle; an invalid colour means the button face colour.
    void SetLookColour(const QColor& colour);
    QColor HandleColour() const;

protected:
    QSplitterHandle* createHandle() override;

private:
    QColor m_crHandle;
};
