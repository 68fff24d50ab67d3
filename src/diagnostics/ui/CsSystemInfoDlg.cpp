#include "diagnostics/ui/CsSystemInfoDlg.h"

#include "diagnostics/ui/DialogLayout.h"
#include "platform/ResourceIds.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

CsSystemInfoDlg::CsSystemInfoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dialog%1").arg(IDD_SYSTEM_INFO));
    setWindowTitle(QStringLiteral("O systému"));
    sizeInDialogUnits(this, {320, 183});

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    placeInDialogUnits(ok, {261, 162, 50, 14});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    placeInDialogUnits(line, {6, 154, 304, 1});
    auto* picture = new QLabel(this);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    placeInDialogUnits(picture, {6, 5, 80, 140});
    picture->setPixmap(dialogPicture(picture->contentsRect().size()));
    m_pText = new QPlainTextEdit(this);
    m_pText->setObjectName(QStringLiteral("control%1").arg(IDC_SYSINFO_TEXT));
    m_pText->setReadOnly(true);
    placeInDialogUnits(m_pText, {96, 5, 214, 140});
}

void CsSystemInfoDlg::UpdateData(bool bSaveAndValidate) {
    if (bSaveAndValidate)
        m_strText = m_pText->toPlainText();
    else
        m_pText->setPlainText(m_strText);
}
