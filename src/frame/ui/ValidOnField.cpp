#include "frame/ui/ValidOnField.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

namespace {
// The lowest value stands for today; no collection reaches back this far.
const QDate kToday(1800, 1, 1);
// Typing a day changes it part by part; only the day the user stops at is assembled.
constexpr int kSettleMs = 400;
} // namespace

ValidOnField::ValidOnField(QWidget* parent, int width) : QDateEdit(parent) {
    setObjectName(QStringLiteral("validOnField"));
    setMinimumDate(kToday);
    setSpecialValueText(LoadResString(IDS_VALID_ON_TODAY));
    setDisplayFormat(QStringLiteral("d. M. yyyy"));
    setCalendarPopup(true);
    setDate(kToday);
    setFixedWidth(width);
    setToolTip(LoadResString(IDS_VALID_ON_LABEL));
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { emit dayChosen(day()); });
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!m_bSetting)
            m_settle.start();
    });
}

QDate ValidOnField::day() const {
    return date() == kToday ? QDate() : date();
}

void ValidOnField::setDay(const QDate& day) {
    m_bSetting = true;
    setDate(day.isValid() ? day : kToday);
    m_bSetting = false;
    m_settle.stop();
}
