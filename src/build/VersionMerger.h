#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A section version as the collection holds it.
struct StoredSection {
    qint64 sekce = 0;
    int poradi = 0;
    QByteArray obsah;
    QString datumNovelizace;
    QString datumDo; // empty: still valid
};

// What changes when a consolidated text valid from `date` is laid over the stored versions of
// one document. Sections are matched by their anchor; a changed section gets a new version from
// `date` while its current version ends there (valid to the day before), a section no longer in
// the text ends there, a new one begins there, an unchanged one is left alone. Section order
// follows the new text, sections that ended keep their place after the one they followed.
struct VersionPlan {
    struct Update {
        qint64 sekce = 0;
        int poradi = 0;
        QString datumDo;
    };
    struct Insert {
        int poradi = 0;
        QByteArray obsah;
    };
    QList<Update> updates; // only versions whose order or end changes
    QList<Insert> inserts; // valid from `date`
    int unchanged = 0;
    int changed = 0;
    int added = 0;
    int ended = 0;
};

// `fresh` are the section texts of the new consolidated text in order; `date` must be later
// than every stored datumNovelizace.
VersionPlan planVersion(const QList<StoredSection>& stored, const QList<QByteArray>& fresh,
                        const QString& date);

// The anchor a section text begins with (<a name="par38h">), empty when it has none.
QString sectionKey(const QByteArray& obsah);
