#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

struct Hunhandle;

// One Hunspell dictionary of the system, loaded at run time (the program ships none). Not
// thread-safe: the lemmatizer serialises the calls.
class HunspellDictionary {
public:
    // One morphological reading of a word: its stem.
    struct Reading {
        std::string stem;
    };

    // The dictionary `name` (e.g. "cs_CZ") from `folder`; null when its files are missing.
    static std::unique_ptr<HunspellDictionary> load(const QString& folder, const QString& name);
    // The signature the dictionary `name` of `folder` would have, without loading it; empty when
    // its files are missing.
    static QString signatureOf(const QString& folder, const QString& name);
    ~HunspellDictionary();
    HunspellDictionary(const HunspellDictionary&) = delete;
    HunspellDictionary& operator=(const HunspellDictionary&) = delete;

    bool knows(const std::string& word) const;
    std::vector<Reading> readings(const std::string& word) const;
    // Identifies the dictionary files, so an index can tell it was built with another one.
    const QString& signature() const { return m_strSignature; }

private:
    explicit HunspellDictionary(Hunhandle* handle, QString signature);

    Hunhandle* m_handle;
    QString m_strSignature;
};
