#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;

// The note dialog: the document's name above a multi-line field with its note, "Uložit" and
// "Storno". The caller sets both members, runs it and reads the note back after "Uložit"; line
// breaks are CR LF on both sides, as the note is stored.
class CNoteDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNoteDlg(QWidget* parent = nullptr);

    // Shows the dialog modally; QDialog::Accepted after "Uložit".
    int DoModal();
    // Copies the members into the controls, or (bSaveAndValidate) the controls into the members.
    void UpdateData(bool bSaveAndValidate);

    QString m_strDocName;
    QString m_strNote;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnOK();

    QLabel* m_pDocName = nullptr;
    QPlainTextEdit* m_pNote = nullptr;
};
