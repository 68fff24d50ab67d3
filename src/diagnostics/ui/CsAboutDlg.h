#pragma once

#include <QDialog>
#include <QString>

class CsLinkLabel;
class QLabel;

// "O aplikaci": the product title, the release and the link to the system information. Clicking
// the link closes this dialog and opens the system-information dialog.
class CsAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `programFolder` is the folder whose disk the system information measures.
    explicit CsAboutDlg(const QString& programFolder, QWidget* parent = nullptr);

    QLabel* GetTitle() const { return m_pTitle; }
    QLabel* GetRelease() const { return m_pRelease; }
    CsLinkLabel* GetLink() const { return m_pLink; }

signals:
    // The system-information dialog is about to run (tests close it from here).
    void systemInfoOpened(QDialog* dialog);

private:
    void OnInitDialog();
    void OnSystemInfo();

    QString m_strProgramFolder;
    QLabel* m_pTitle = nullptr;
    QLabel* m_pRelease = nullptr;
    CsLinkLabel* m_pLink = nullptr;
};
