#include "frame/ui/CompareDialog.h"

#include "platform/Messages.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace {
QDateEdit* dayEdit(const QDate& day, const QString& name, QWidget* parent) {
    auto* edit = new QDateEdit(day, parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("d. M. yyyy"));
    edit->setCalendarPopup(true);
    return edit;
}
} // namespace

CompareDialog::CompareDialog(const QDate& before, const QDate& after, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(LoadResString(IDS_COMPARE_TITLE));
    auto* layout = new QFormLayout(this);
    m_pBefore = dayEdit(before, QStringLiteral("compareBefore"), this);
    m_pAfter = dayEdit(after, QStringLiteral("compareAfter"), this);
    layout->addRow(LoadResString(IDS_COMPARE_BEFORE), m_pBefore);
    layout->addRow(LoadResString(IDS_COMPARE_AFTER), m_pAfter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(LoadResString(IDS_COMPARE_OK));
    buttons->button(QDialogButtonBox::Cancel)->setText(LoadResString(IDS_CANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &CompareDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

QDate CompareDialog::before() const {
    return m_pBefore->date();
}

QDate CompareDialog::after() const {
    return m_pAfter->date();
}

void CompareDialog::accept() {
    if (!(before() < after())) {
        ShowMessage(IDS_COMPARE_ORDER);
        return;
    }
    QDialog::accept();
}
