#include "build/LawCatalogue.h"

#include <QList>
#include <QRegularExpression>

QString lawType(const QString& nazev, const QString& druh) {
    static const QList<QString> types = {
        QStringLiteral("Ústavní zákon"), QStringLiteral("Zákonné opatření"),
        QStringLiteral("Zákon"),         QStringLiteral("Nařízení vlády"),
        QStringLiteral("Nařízení"),      QStringLiteral("Vyhláška"),
        QStringLiteral("Sdělení"),       QStringLiteral("Nález"),
        QStringLiteral("Usnesení"),      QStringLiteral("Rozhodnutí"),
        QStringLiteral("Opatření")};
    for (const QString& type : types) {
        if (nazev.startsWith(type, Qt::CaseInsensitive) &&
            (nazev.size() == type.size() || !nazev[type.size()].isLetter()))
            return type;
    }
    const QString word = druh.trimmed().toLower();
    return word.isEmpty() ? QStringLiteral("Ostatní") : lawDocumentName(word);
}

QString lawArea(const QString& nazev) {
    static const QList<std::pair<QRegularExpression, QString>> areas = {
        {QRegularExpression(QStringLiteral("zdravotní pojištění")),
         QStringLiteral("Zdravotní pojištění")},
        {QRegularExpression(QStringLiteral("sociální zabezpečení|důchod|nemocensk")),
         QStringLiteral("Sociální zabezpečení")},
        {QRegularExpression(QStringLiteral("účetnictví")), QStringLiteral("Účetnictví")},
        {QRegularExpression(QStringLiteral("\\b(dan[ěií]|daň|daních|poplat)"),
                            QRegularExpression::UseUnicodePropertiesOption),
         QStringLiteral("Daně a poplatky")},
        {QRegularExpression(QStringLiteral("zákoník práce|zaměstnan")),
         QStringLiteral("Pracovní právo")},
        {QRegularExpression(QStringLiteral("obchodní")), QStringLiteral("Obchodní právo")},
        {QRegularExpression(QStringLiteral("občanský")), QStringLiteral("Občanské právo")},
        {QRegularExpression(QStringLiteral("doprav|silničním provozu")),
         QStringLiteral("Doprava")}};
    const QString title = nazev.toLower();
    for (const auto& [pattern, area] : areas) {
        if (pattern.match(title).hasMatch())
            return area;
    }
    return QStringLiteral("Nezařazeno");
}

QString lawDocumentName(const QString& nazev) {
    QString name = nazev.simplified();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString lawDesignation(const QString& citace) {
    QString designation = citace;
    if (designation.endsWith(QLatin1String(" Sb.")))
        designation.chop(4);
    return designation;
}
