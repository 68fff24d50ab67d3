#pragma once

#include <QDateEdit>
#include <QTimer>

// The "Platné ke dni" field of the "Hledat" toolbar: a day, or "dnes" (today) at its lowest
// value. A day the user has settled on for a moment is announced once.
class ValidOnField : public QDateEdit {
    Q_OBJECT
public:
    ValidOnField(QWidget* parent, int width);

    // The day shown; invalid for today.
    QDate day() const;
    // Shows the day (invalid: today) without announcing it.
    void setDay(const QDate& day);

signals:
    void dayChosen(const QDate& day);

private:
    QTimer m_settle;
    bool m_bSetting = false;
};
