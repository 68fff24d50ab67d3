#pragma once

#include <QDialog>

class QButtonGroup;

// The choice of the program's look: 0 the basic look, 1 the XP look, 2 the 2003 look,
// 3 the dark look. OK reports
// the chosen look; Cancel reports the look the dialog was given.
class CAppLookDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAppLookDlg(int nAppLook, QWidget* parent = nullptr);
    int GetAppLook() const;
    void SetAppLook(int nAppLook);

private:
    int m_nGivenLook;
    QButtonGroup* m_group = nullptr;
};
