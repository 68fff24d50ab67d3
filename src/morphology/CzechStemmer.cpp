#include "morphology/CzechStemmer.h"

#include <array>
#include <string_view>

namespace {
// A case ending: the word must be longer than `minLength`; `keep` characters of the ending stay
// for the softening rule to look at (a soft ending changed the consonant before it), or -1 when
// the ending simply goes.
struct Ending {
    std::u16string_view text;
    qsizetype minLength;
    qsizetype keep;
};

// Within one length class the first fitting entry wins.
constexpr std::array kCaseEndings{
    Ending{u"atech", 7, -1}, Ending{u"ětem", 6, 1}, Ending{u"atům", 6, -1}, Ending{u"ech", 5, 1},
    Ending{u"ich", 5, 1},    Ending{u"ích", 5, 1},  Ending{u"ého", 5, 1},   Ending{u"ěmi", 5, 1},
    Ending{u"emi", 5, 1},    Ending{u"ému", 5, 1},  Ending{u"ete", 5, 1},   Ending{u"eti", 5, 1},
    Ending{u"iho", 5, 1},    Ending{u"ího", 5, 1},  Ending{u"ími", 5, 1},   Ending{u"imu", 5, 1},
    Ending{u"ách", 5, -1},   Ending{u"ata", 5, -1}, Ending{u"aty", 5, -1},  Ending{u"ých", 5, -1},
    Ending{u"ama", 5, -1},   Ending{u"ami", 5, -1}, Ending{u"ové", 5, -1},  Ending{u"ovi", 5, -1},
    Ending{u"ými", 5, -1},   Ending{u"em", 4, 1},   Ending{u"es", 4, 0},    Ending{u"ém", 4, 0},
    Ending{u"ím", 4, 0},     Ending{u"ům", 4, -1},  Ending{u"at", 4, -1},   Ending{u"ám", 4, -1},
    Ending{u"os", 4, -1},    Ending{u"us", 4, -1},  Ending{u"ým", 4, -1},   Ending{u"mi", 4, -1},
    Ending{u"ou", 4, -1},    Ending{u"e", 3, 1},    Ending{u"i", 3, 1},     Ending{u"í", 3, 1},
    Ending{u"ě", 3, 1},      Ending{u"u", 3, -1},   Ending{u"y", 3, -1},    Ending{u"ů", 3, -1},
    Ending{u"a", 3, -1},     Ending{u"o", 3, -1},   Ending{u"á", 3, -1},    Ending{u"é", 3, -1},
    Ending{u"ý", 3, -1},
};

constexpr std::array kPossessiveEndings{Ending{u"ov", 5, -1}, Ending{u"in", 5, 1},
                                        Ending{u"ův", 5, -1}};

struct Softening {
    std::u16string_view soft;
    std::u16string_view hard;
};

constexpr std::array kSoftenings{
    Softening{u"ci", u"k"},   Softening{u"ce", u"k"},   Softening{u"či", u"k"},
    Softening{u"če", u"k"},   Softening{u"zi", u"h"},   Softening{u"ze", u"h"},
    Softening{u"ži", u"h"},   Softening{u"že", u"h"},   Softening{u"čtě", u"ck"},
    Softening{u"čti", u"ck"}, Softening{u"čtí", u"ck"}, Softening{u"ště", u"sk"},
    Softening{u"šti", u"sk"}, Softening{u"ští", u"sk"},
};

QStringView view(std::u16string_view text) {
    return QStringView(text.data(), qsizetype(text.size()));
}

// The word ends in a soft vowel: its consonant is hardened, otherwise the vowel goes.
QString harden(QString word) {
    for (const Softening& softening : kSoftenings) {
        if (word.endsWith(view(softening.soft))) {
            word.chop(qsizetype(softening.soft.size()));
            return word + view(softening.hard).toString();
        }
    }
    word.chop(1);
    return word;
}

template <std::size_t N>
QString stripEnding(const QString& word, const std::array<Ending, N>& endings) {
    for (const Ending& ending : endings) {
        if (word.size() <= ending.minLength || !word.endsWith(view(ending.text)))
            continue;
        if (ending.keep < 0)
            return word.left(word.size() - qsizetype(ending.text.size()));
        return harden(word.left(word.size() - qsizetype(ending.text.size()) + ending.keep));
    }
    return word;
}

bool hasDigit(const QString& word) {
    for (const QChar c : word) {
        if (c.isDigit())
            return true;
    }
    return false;
}
} // namespace

QString czechStem(const QString& word) {
    if (word.size() < 4 || hasDigit(word))
        return word;
    return stripEnding(stripEnding(word, kCaseEndings), kPossessiveEndings);
}
