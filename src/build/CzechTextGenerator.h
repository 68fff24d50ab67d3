#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>

// A small random generator whose sequence depends only on the seed (splitmix64), so that a
// generated collection is the same on every machine and library version.
class DeterministicRandom {
public:
    explicit DeterministicRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // A number in [0, n); n > 0.
    int below(int n) { return int(next() % std::uint64_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

private:
    std::uint64_t m_state;
};

// Czech-looking UTF-8 text for generated collections: invented words built from Czech syllables,
// mixed with common legal words so that searches for "daň", "plátce" or "zaměstnanec" find hits.
// Word choice is skewed towards the front of the vocabulary, as in real text.
class CzechTextGenerator {
public:
    CzechTextGenerator(DeterministicRandom& random, int vocabularySize);

    const QByteArray& word();
    // A sentence of about `words` words that starts with a capital letter and ends with a full
    // stop; appended to `out`.
    void appendSentence(QByteArray& out, int words);
    // A short lower-case phrase such as "o dani z příjmů" for names and headings.
    QByteArray phrase(int words);
    // A capitalised legal subject ("Plátce daně", "Zaměstnavatel").
    const QByteArray& subject();

private:
    DeterministicRandom& m_random;
    QList<QByteArray> m_vocabulary;
};
