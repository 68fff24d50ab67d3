#include "frame/ui/AppLookDlg.h"

#include "frame/Looks.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CAppLookDlg::CAppLookDlg(int nAppLook, QWidget* parent) : QDialog(parent), m_nGivenLook(nAppLook) {
    setObjectName(QStringLiteral("appLookDlg"));
    setWindowTitle(LoadResString(IDS_LOOK_TITLE));
    auto* layout = new QVBoxLayout(this);
    m_group = new QButtonGroup(this);
    for (int look = 0; look <= kDarkAppLook; ++look) {
        const unsigned text =
            look == kDarkAppLook ? IDS_LOOK_DARK : IDS_LOOK_BASIC + static_cast<unsigned>(look);
        auto* radio = new QRadioButton(LoadResString(text), this);
        radio->setObjectName(QStringLiteral("look%1").arg(look));
        m_group->addButton(radio, look);
        layout->addWidget(radio);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(LoadResString(IDS_IDLE_MESSAGE));
    buttons->button(QDialogButtonBox::Cancel)->setText(LoadResString(IDS_CANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Cancel leaves the look as it was.
    connect(this, &QDialog::rejected, this, [this] { SetAppLook(m_nGivenLook); });
    layout->addWidget(buttons);
    SetAppLook(nAppLook);
}

int CAppLookDlg::GetAppLook() const {
    const int checked = m_group->checkedId();
    return checked >= 0 ? checked : m_nGivenLook;
}

void CAppLookDlg::SetAppLook(int nAppLook) {
    if (QAbstractButton* radio = m_group->button(nAppLook))
        radio->setChecked(true);
}
