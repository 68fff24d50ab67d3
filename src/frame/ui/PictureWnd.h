#pragma once

#include <QPixmap>
#include <QWidget>

// The picture shown while the reader starts: frameless, on top, centred on the screen.
class CsPictureWnd : public QWidget {
    Q_OBJECT
public:
    CsPictureWnd();

    // The picture itself, drawn by the program.
    static QPixmap StartupPicture();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_bitmap;
};
