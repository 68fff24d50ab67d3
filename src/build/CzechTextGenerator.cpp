#include "build/CzechTextGenerator.h"

namespace {
const char* const g_arrSyllables[] = {
    "pra",  "vo", "da",  "ně",  "ní",  "ko",  "stí",  "ře",  "ču",   "zá",  "klad", "mě",
    "ství", "le", "ží",  "tel", "po",  "vin", "nost", "úč",  "et",   "na",  "ro",   "zho",
    "dnu",  "tí", "sou", "čet", "pří", "jem", "vý",   "daj", "ná",   "hra", "dy",   "pl",
    "ně",   "ce", "ří",  "ze",  "ní",  "zem", "stát", "ob",  "čan",  "spo", "leč",  "nos",
    "ti",   "dů", "vod", "lhů", "ta",  "řád", "ků",   "dl",  "žník", "vě",  "ři",   "tel",
    "smlu", "va", "ma",  "je",  "tek", "od",  "pis",  "rez", "er",   "va",  "mzd",  "ou",
    "ši",   "ří", "ho",  "čá",  "st",  "ky",  "lé",   "ka",  "ře",   "ch",
};
const char* const g_arrLegalWords[] = {
    "daň",
    "daně",
    "dani",
    "plátce",
    "plátci",
    "zaměstnanec",
    "zaměstnance",
    "zaměstnavatel",
    "zaměstnavatele",
    "pojistné",
    "pojistného",
    "účetní",
    "jednotka",
    "jednotky",
    "poplatník",
    "poplatníka",
    "základ",
    "zdaňovací",
    "období",
    "sazba",
    "sazby",
    "příjmy",
    "příjmů",
    "výdaje",
    "smlouva",
    "smlouvy",
    "nájemce",
    "pronajímatel",
    "správce",
    "přiznání",
    "lhůta",
    "lhůtě",
    "odstavce",
    "ustanovení",
    "zákona",
    "vyhlášky",
    "rozhodnutí",
    "soud",
    "řízení",
    "osoba",
    "osoby",
    "právnická",
    "fyzická",
    "majetek",
    "majetku",
    "odpisy",
    "rezerva",
    "mzda",
    "mzdy",
    "náhrada",
    "stravné",
    "podnikatel",
    "společnost",
    "družstvo",
    "věřitel",
    "dlužník",
    "závazek",
    "pohledávka",
    "úrok",
    "a",
    "nebo",
    "se",
    "v",
    "z",
    "na",
    "do",
    "podle",
    "který",
    "která",
    "je",
    "jsou",
    "není",
    "při",
    "pro",
    "od",
    "k",
    "s",
    "za",
    "po",
    "o",
    "jen",
    "také",
};
const char* const g_arrSubjects[] = {
    "Plátce daně",
    "Zaměstnavatel",
    "Zaměstnanec",
    "Poplatník",
    "Účetní jednotka",
    "Správce daně",
    "Pojištěnec",
    "Nájemce",
    "Věřitel",
    "Dlužník",
    "Společnost",
    "Podnikatel",
    "Soud",
    "Žadatel",
    "Česká správa sociálního zabezpečení",
    "Ministerstvo",
    "Obec",
    "Řidič",
    "Členský stát",
    "Orgán",
};

QByteArray inventedWord(DeterministicRandom& random) {
    QByteArray word;
    const int syllables = random.between(2, 4);
    for (int i = 0; i < syllables; ++i)
        word += g_arrSyllables[random.below(int(std::size(g_arrSyllables)))];
    return word;
}
} // namespace

std::uint64_t DeterministicRandom::next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

CzechTextGenerator::CzechTextGenerator(DeterministicRandom& random, int vocabularySize)
    : m_random(random) {
    // Legal words first: the skewed choice makes them the most frequent.
    for (const char* legal : g_arrLegalWords)
        m_vocabulary << QByteArray(legal);
    while (m_vocabulary.size() < vocabularySize)
        m_vocabulary << inventedWord(random);
}

const QByteArray& CzechTextGenerator::word() {
    const int size = int(m_vocabulary.size());
    return m_vocabulary[m_random.below(m_random.below(size) + 1)];
}

const QByteArray& CzechTextGenerator::subject() {
    static const QList<QByteArray> subjects = [] {
        QList<QByteArray> list;
        for (const char* subject : g_arrSubjects)
            list << QByteArray(subject);
        return list;
    }();
    return subjects[m_random.below(int(subjects.size()))];
}

void CzechTextGenerator::appendSentence(QByteArray& out, int words) {
    out += subject();
    for (int i = 1; i < words; ++i) {
        out += i % 9 == 8 ? ", " : " ";
        out += word();
    }
    out += '.';
}

QByteArray CzechTextGenerator::phrase(int words) {
    QByteArray text;
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            text += ' ';
        // Short function words ("v", "se", "na") make poor names and headings.
        const QByteArray* chosen = &word();
        while (chosen->size() < 4)
            chosen = &word();
        text += *chosen;
    }
    return text;
}
