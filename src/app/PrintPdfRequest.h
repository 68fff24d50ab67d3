#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// "tavlin --print-pdf FILE --id N [--date YYYY-MM-DD] [--folder DIR]": the print version of
// document N as valid on that day (today without --date) written to FILE, without a window.
struct PrintPdfRequest {
    bool m_bRequested = false; // --print-pdf is among the arguments
    QString m_strError;        // what is wrong with the arguments; empty when they are sound
    QString m_strFile;         // absolute
    int m_nId = 0;
    QDate m_date;        // invalid: today
    QString m_strFolder; // the program folder; empty: chosen as at a normal start
};

// Reads the arguments (the program's name first); FILE is taken relative to `currentFolder`.
PrintPdfRequest parsePrintPdfRequest(const QStringList& arguments, const QString& currentFolder);
