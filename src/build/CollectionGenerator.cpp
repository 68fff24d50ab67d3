#include "build/CollectionGenerator.h"

#include "build/CollectionInserter.h"
#include "build/CzechTextGenerator.h"
#include "db/Database.h"

#include <QDate>
#include <QList>

namespace {
const char* const g_arrFixedDesignations[12] = {"DP", "DPH",   "SID",   "DN",    "OBCH",  "OZ",
                                                "ZU", "PRACE", "DEKAP", "DULOK", "SOCPO", "ZDRPO"};
const char* const g_arrFixedNames[12] = {
    "Zákon o daních z příjmů",
    "Zákon o dani z přidané hodnoty",
    "Zákon o dani silniční",
    "Zákon o dani z nemovitostí",
    "Obchodní zákoník",
    "Občanský zákoník",
    "Zákon o účetnictví",
    "Zákoník práce",
    "Zákoník práce (do 31. 12. 2006)",
    "Zákon o nemocenském pojištění zaměstnanců",
    "Zákon o pojistném na sociální zabezpečení",
    "Zákon o pojistném na všeobecné zdravotní pojištění",
};
const char* const g_arrAreas[] = {
    "Daně a poplatky",     "Pracovní právo",
    "Obchodní právo",      "Občanské právo",
    "Účetnictví",          "Sociální zabezpečení",
    "Zdravotní pojištění", "Doprava",
    "Chemické látky",      "Cla",
    "Rozpočtová pravidla", "Živnostenské podnikání",
};
const char* const g_arrTypes[] = {"Zákon",   "Vyhláška",         "Nařízení vlády",  "Sdělení",
                                  "Smlouva", "Rozhodnutí soudu", "Heslo rejstříku", "Opatření"};
const char* const g_arrFields[] = {"Daně",
                                   "Pracovní vztahy",
                                   "Společné",
                                   "Obchodní vztahy",
                                   "Cestovní náhrady",
                                   "Účetnictví",
                                   "Sociální zabezpečení",
                                   "Zdravotní pojištění",
                                   "Správní řízení",
                                   "Celní řízení"};
// The share of the register entries in the first field, the largest; the others share the rest.
const int g_nLargestFieldPercent = 30;
const char* const g_arrRegulationKinds[] = {"Zákon o ", "Vyhláška o ", "Nařízení vlády o ",
                                            "Sdělení o "};
const int g_nLargestSections = 700;
const int g_nLargestVersions = 3;

enum Kind { Regulation = 1, RegisterEntry = 2, Contract = 3, Decision = 5 };

class Generator {
public:
    Generator(Database& database, int documents, std::uint64_t seed)
        : m_random(seed), m_text(m_random, 6000), m_inserter(database), m_nDocuments(documents) {}

    GeneratedCollection run();

private:
    void chooseKinds();
    int randomRegulation();
    int randomField();
    void addAmendedTitles(const DokumentRow& amendment);
    QString randomDate(int fromYear, int toYear);
    void appendLink(QByteArray& out);
    QByteArray paragraphText(int number, int sentences);
    void addSection(int id, int poradi, const QByteArray& text, const QString& from,
                    const QString& to);
    void addRegulation(int id);
    void addOther(int id, Kind kind);

    DeterministicRandom m_random;
    CzechTextGenerator m_text;
    CollectionInserter m_inserter;
    int m_nDocuments;
    QList<Kind> m_kinds; // by document id, index 0 unused
    QList<int> m_regulations;
    // The full texts generated so far, with their names: what later amendments change.
    QList<std::pair<int, QString>> m_fullTexts;
    QList<int> m_previousLevels = QList<int>(int(std::size(g_arrFields)) + 1, -1);
    GeneratedCollection m_result;
};

void Generator::chooseKinds() {
    m_kinds.resize(m_nDocuments + 1);
    for (int id = 1; id <= m_nDocuments; ++id) {
        const int roll = m_random.below(100);
        Kind kind = roll < 60   ? Regulation
                    : roll < 85 ? RegisterEntry
                    : roll < 93 ? Contract
                                : Decision;
        if (id <= 12)
            kind = Regulation;
        m_kinds[id] = kind;
        if (kind == Regulation)
            m_regulations << id;
    }
}

int Generator::randomRegulation() {
    return m_regulations[m_random.below(int(m_regulations.size()))];
}

int Generator::randomField() {
    if (m_random.percent(g_nLargestFieldPercent))
        return 1;
    return m_random.between(2, int(std::size(g_arrFields)));
}

// The index lists every full text also under the titles of the amendments that changed it: an
// amendment changes one to three earlier full texts, often one of the twelve large laws.
void Generator::addAmendedTitles(const DokumentRow& amendment) {
    if (m_fullTexts.isEmpty())
        return;
    static const char* const kKinds[] = {"Zákon", "Vyhláška", "Nařízení vlády", "Sdělení"};
    for (int i = m_random.between(1, 3); i > 0; --i) {
        const auto& [target, name] =
            m_random.percent(30)
                ? m_fullTexts[m_random.below(std::min(12, int(m_fullTexts.size())))]
                : m_fullTexts[m_random.below(int(m_fullTexts.size()))];
        m_inserter.addDokumentNorma(target, QStringLiteral("%1 č. %2, kterým se mění %3")
                                                .arg(QString::fromUtf8(kKinds[amendment.typ - 1]),
                                                     amendment.norma, name.toLower()));
    }
}

QString Generator::randomDate(int fromYear, int toYear) {
    const QDate date(m_random.between(fromYear, toYear), m_random.between(1, 12),
                     m_random.percent(70) ? 1 : m_random.between(1, 28));
    return date.toString(Qt::ISODate);
}

// Every regulation starts with § 1 carrying the anchor "par1", so anchored links always land.
void Generator::appendLink(QByteArray& out) {
    const int target = randomRegulation();
    QByteArray argument;
    if (m_random.percent(25))
        argument += randomDate(1995, 2015).toLatin1() + "__";
    argument += QByteArray::number(target);
    if (m_random.percent(30))
        argument += "#par1";
    out +=
        " (viz <a href=\"javascript:sestavDoc('" + argument + "')\">" + m_text.phrase(2) + "</a>)";
}

QByteArray Generator::paragraphText(int number, int sentences) {
    QByteArray out = "<a name=\"par" + QByteArray::number(number) + "\"></a><h3>§ " +
                     QByteArray::number(number) + "</h3>\n<h4>" + m_text.phrase(3) + "</h4>\n";
    for (int i = 1; i <= sentences; ++i) {
        out += "<p>(" + QByteArray::number(i) + ") ";
        m_text.appendSentence(out, m_random.between(8, 20));
        if (m_random.percent(8)) {
            out.chop(1);
            appendLink(out);
            out += '.';
        }
        out += "</p>\n";
        if (m_random.percent(15)) {
            for (char letter = 'a'; letter < 'a' + m_random.between(2, 4); ++letter) {
                out += "<p>";
                out += letter;
                out += ") " + m_text.phrase(m_random.between(4, 9)) + ",</p>\n";
            }
        }
    }
    return out;
}

void Generator::addSection(int id, int poradi, const QByteArray& text, const QString& from,
                           const QString& to) {
    m_inserter.addSekce(id, poradi, text, from, to);
    ++m_result.sectionVersions;
    m_result.textBytes += text.size();
}

void Generator::addRegulation(int id) {
    DokumentRow row;
    row.id = id;
    row.pohled = Regulation;
    row.typ = m_random.between(1, 4);
    const int year = m_random.between(1990, 2015);
    row.norma = QStringLiteral("%1/%2 Sb.").arg(m_random.between(1, 650)).arg(year);
    row.jmeno = QString::fromUtf8(g_arrRegulationKinds[row.typ - 1] + m_text.phrase(3));
    const int novelizace = m_random.below(100);
    row.typnovelizace = novelizace < 70 ? 1 : novelizace < 95 ? 2 : 3;
    row.poradi = id;
    if (id <= 12) {
        row.ozn = QString::fromLatin1(g_arrFixedDesignations[id - 1]);
        row.jmeno = QString::fromUtf8(g_arrFixedNames[id - 1]);
        row.typ = 1;
        row.typnovelizace = 1;
    }
    m_inserter.addDokument(row);
    if (row.typnovelizace != 1)
        addAmendedTitles(row);
    if (row.typnovelizace != 2)
        m_fullTexts.append({id, row.jmeno});
    // A section has a chain of versions: the first open at the start, the last open at the end.
    const bool largest = id == 1;
    const int sections = largest ? g_nLargestSections : m_random.between(1, 5);
    const qint64 before = m_result.sectionVersions;
    for (int poradi = 1; poradi <= sections; ++poradi) {
        const int versions =
            largest ? g_nLargestVersions : (m_random.percent(40) ? 1 : m_random.between(2, 3));
        int changeYear = std::max(year, 1993);
        QString from;
        for (int v = 1; v <= versions; ++v) {
            QString to;
            if (v < versions) {
                changeYear += m_random.between(1, 6);
                to = QStringLiteral("%1-%2-01")
                         .arg(changeYear)
                         .arg(m_random.percent(75) ? 1 : m_random.between(2, 12), 2, 10,
                              QLatin1Char('0'));
            }
            const int sentences = largest ? 2 : m_random.between(1, 3);
            addSection(id, poradi, paragraphText(poradi, sentences), from, to);
            from = to;
        }
    }
    const qint64 versions = m_result.sectionVersions - before;
    if (versions > m_result.largestDocumentVersions) {
        m_result.largestDocumentVersions = versions;
        m_result.largestDocumentId = id;
    }
}

void Generator::addOther(int id, Kind kind) {
    DokumentRow row;
    row.id = id;
    row.pohled = kind;
    row.poradi = id;
    int sections = 1;
    if (kind == RegisterEntry) {
        row.typ = 7;
        row.obor = randomField();
        // Each field's register is a tree in stored order: an entry goes one level deeper
        // than the one before it in the field, or back up to any level above.
        int& previous = m_previousLevels[row.obor];
        row.uroven = previous < 0                           ? 0
                     : previous < 7 && m_random.percent(55) ? previous + 1
                                                            : m_random.between(0, previous);
        previous = row.uroven;
        row.jmeno = QString::fromUtf8(m_text.subject() + ' ' + m_text.phrase(2));
    } else if (kind == Contract) {
        row.typ = 5;
        row.jmeno = QString::fromUtf8("Smlouva o " + m_text.phrase(2));
        if (m_random.percent(30))
            row.priloha = QString::fromUtf8("Příloha č. 1 – " + m_text.phrase(3));
        sections = m_random.between(2, 4);
    } else {
        row.typ = 6;
        row.jmeno = QStringLiteral("Rozsudek sp. zn. %1 Cdo %2/%3 – %4")
                        .arg(m_random.between(20, 33))
                        .arg(m_random.between(1, 5000))
                        .arg(m_random.between(1995, 2015))
                        .arg(QString::fromUtf8(m_text.phrase(2)));
        sections = 2;
    }
    m_inserter.addDokument(row);
    for (int poradi = 1; poradi <= sections; ++poradi) {
        QByteArray text = "<p>";
        m_text.appendSentence(text, m_random.between(10, 25));
        if (m_random.percent(40)) {
            text.chop(1);
            appendLink(text);
            text += '.';
        }
        text += "</p>";
        addSection(id, poradi, text, QString(), QString());
    }
}

GeneratedCollection Generator::run() {
    for (int i = 0; i < int(std::size(g_arrAreas)); ++i)
        m_inserter.addOblast(i + 1, QString::fromUtf8(g_arrAreas[i]));
    for (int i = 0; i < int(std::size(g_arrTypes)); ++i)
        m_inserter.addTyp(i + 1, QString::fromUtf8(g_arrTypes[i]));
    for (int i = 0; i < int(std::size(g_arrFields)); ++i)
        m_inserter.addObor(i + 1, QString::fromUtf8(g_arrFields[i]));
    chooseKinds();
    for (int id = 1; id <= m_nDocuments; ++id) {
        if (m_kinds[id] == Regulation)
            addRegulation(id);
        else
            addOther(id, m_kinds[id]);
        const int areas = m_random.percent(30) ? m_random.between(2, 3) : 1;
        const int first = m_random.below(int(std::size(g_arrAreas)));
        for (int a = 0; a < areas; ++a)
            m_inserter.addDokumentOblast(id, (first + a * 5) % int(std::size(g_arrAreas)) + 1);
    }
    m_inserter.commit();
    m_result.documents = m_nDocuments;
    return m_result;
}
} // namespace

GeneratedCollection generateCollection(Database& database, int documents, std::uint64_t seed) {
    // The file is a fresh temporary collection: a crash loses nothing worth a journal.
    database.executeScript(QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;"));
    Generator generator(database, documents, seed);
    return generator.run();
}
