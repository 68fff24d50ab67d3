#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;

// "Porovnat znění": the two days to compare, the earlier one first.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    CompareDialog(const QDate& before, const QDate& after, QWidget* parent);

    QDate before() const;
    QDate after() const;
    // Accepts only an earlier day before a later one; otherwise says so and stays open.
    void accept() override;

private:
    QDateEdit* m_pBefore = nullptr;
    QDateEdit* m_pAfter = nullptr;
};
