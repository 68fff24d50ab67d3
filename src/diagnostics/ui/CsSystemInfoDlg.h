#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

// "O systému": the system-information text, read only.
class CsSystemInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CsSystemInfoDlg(QWidget* parent = nullptr);

    // Moves m_strText into the text control (false) or back (true).
    void UpdateData(bool bSaveAndValidate);

    QString m_strText;
    QPlainTextEdit* GetTextControl() const { return m_pText; }

private:
    QPlainTextEdit* m_pText = nullptr;
};
