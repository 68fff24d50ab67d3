#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>

class CommandTable;
class CTvFormView;
class CTvHtmlView;
class QUrl;
class QWidget;
class ValidOnField;

// Reading the law across time: the "Platné ke dni" field re-assembles the shown document as
// valid on the chosen day at the same place in the text, back and forward bring the day of the
// page they show back into the field, and "Porovnat znění" compares the document on two days.
class ReadingDay : public QObject {
    Q_OBJECT
public:
    ReadingDay(CTvHtmlView& htmlView, CTvFormView& navView, QWidget* owner);

    // The field for the toolbar; the toolbar may make a new one after customisation.
    ValidOnField* makeField(int width);
    void RegisterCommands(CommandTable& table);

    // The day chosen in the field (invalid: today): the shown document again, as valid then.
    void ChooseDay(const QDate& day);
    // The comparison page of the shown document; false when none is shown.
    bool Compare(const QDate& before, const QDate& after);

private:
    void OnHistoryPageShown(const QUrl& url);
    void OnCompare();

    CTvHtmlView& m_htmlView;
    CTvFormView& m_navView;
    QWidget* m_pOwner;
    QPointer<ValidOnField> m_pField;
};
