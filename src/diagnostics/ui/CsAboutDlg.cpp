#include "diagnostics/ui/CsAboutDlg.h"

#include "diagnostics/Release.h"
#include "diagnostics/SystemInfo.h"
#include "diagnostics/ui/CsLinkLabel.h"
#include "diagnostics/ui/CsSystemInfoDlg.h"
#include "diagnostics/ui/DialogLayout.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QLabel>
#include <QPushButton>

namespace {
// A caption, widened where the font is wider than the one the layout was drawn for: the column
// of values to its right leaves the room.
void placeCaption(QLabel* caption, const QRect& units) {
    placeInDialogUnits(caption, units);
    caption->resize(qMax(caption->width(), caption->sizeHint().width()), caption->height());
}
} // namespace

CsAboutDlg::CsAboutDlg(const QString& programFolder, QWidget* parent)
    : QDialog(parent), m_strProgramFolder(programFolder) {
    setObjectName(QStringLiteral("dialog%1").arg(IDD_ABOUTBOX));
    setWindowTitle(QStringLiteral("O aplikaci"));
    sizeInDialogUnits(this, {268, 167});

    auto* picture = new QLabel(this);
    placeInDialogUnits(picture, {7, 7, 57, 131});
    picture->setPixmap(dialogPicture(picture->size()));
    m_pTitle = new QLabel(LoadResString(IDS_PRODUCT_TITLE), this);
    m_pTitle->setObjectName(QStringLiteral("control%1").arg(IDC_ABOUT_TITLE));
    placeInDialogUnits(m_pTitle, {71, 6, 196, 12});
    placeCaption(new QLabel(QStringLiteral("Release:"), this), {71, 53, 29, 8});
    m_pRelease = new QLabel(this);
    m_pRelease->setObjectName(QStringLiteral("control%1").arg(IDC_ABOUT_RELEASE));
    placeInDialogUnits(m_pRelease, {127, 53, 100, 8});
    placeCaption(new QLabel(QStringLiteral("Systém: "), this), {71, 63, 47, 8});
    m_pLink = new CsLinkLabel(QStringLiteral("Systémové informace"), this);
    m_pLink->setObjectName(QStringLiteral("control%1").arg(IDC_ABOUT_SYSINFO_LINK));
    placeInDialogUnits(m_pLink, {127, 63, 100, 8});
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    placeInDialogUnits(ok, {208, 145, 50, 14});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    OnInitDialog();
}

void CsAboutDlg::OnInitDialog() {
    m_pRelease->setText(QLatin1String(kRelease));
    m_pLink->SetNotify(true)
        .SetTextColor(QColor(0, 0, 255))
        .SetFontUnderline(true)
        .SetLinkCursor(Qt::PointingHandCursor);
    connect(m_pLink, &CsLinkLabel::clicked, this, &CsAboutDlg::OnSystemInfo);
    // The title in the system's bold font, navy.
    QFont title = m_pTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    m_pTitle->setFont(title);
    QPalette colours = m_pTitle->palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_pTitle->setPalette(colours);
}

void CsAboutDlg::OnSystemInfo() {
    // This dialog is hidden first and stays closed when the system information is closed.
    accept();
    CsSystemInfoDlg dialog(parentWidget());
    dialog.m_strText = GetSystemInfoText(QStringLiteral("\n"), m_strProgramFolder);
    dialog.UpdateData(false);
    emit systemInfoOpened(&dialog);
    dialog.exec();
}
