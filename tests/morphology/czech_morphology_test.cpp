#include "morphology/CzechStemmer.h"
#include "morphology/Diacritics.h"
#include "morphology/HunspellDictionary.h"
#include "morphology/Lemmatizer.h"
#include "morphology/WordTokens.h"

#include <gtest/gtest.h>

namespace {
using Lemmas = std::vector<std::string>;

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    forEachWord(text, [&](const std::string& word, std::size_t begin, std::size_t end) {
        EXPECT_LE(begin, end);
        result.push_back(word);
        return true;
    });
    return result;
}

bool hasLemma(const Lemmas& lemmas, const std::string& lemma) {
    return std::find(lemmas.begin(), lemmas.end(), lemma) != lemmas.end();
}

class CzechLemmatizer : public ::testing::Test {
protected:
    void SetUp() override {
        if (Lemmatizer::shared().signature() == QStringLiteral("stemmer"))
            GTEST_SKIP() << "no cs_CZ Hunspell dictionary";
    }
    static Lemmas lemmas(const char* form) { return Lemmatizer::shared().lemmas(form); }
};
} // namespace

TEST(CzechWords, SplitLowerCaseAndSurviveBrokenUtf8) {
    EXPECT_EQ(words("Daň z PŘÍJMŮ, § 24/2a"),
              (std::vector<std::string>{"daň", "z", "příjmů", "24", "2a"}));
    // A truncated sequence and a lone continuation byte separate words.
    EXPECT_EQ(words("ab\xC5"
                    "cd\x80"
                    "ef\xF0\x9F"),
              (std::vector<std::string>{"ab", "cd", "ef"}));
    // An overlong encoding of "/" is not a letter.
    EXPECT_EQ(words("a\xC0\xAF"
                    "b"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(words("").empty());
}

TEST(CzechWords, DiacriticsRemoved) {
    EXPECT_EQ(withoutDiacritics(QStringLiteral("příjmů")), QStringLiteral("prijmu"));
    EXPECT_EQ(withoutDiacritics(QStringLiteral("ŽLUŤOUČKÝ kůň")), QStringLiteral("ZLUTOUCKY kun"));
    EXPECT_FALSE(hasDiacritics(QStringLiteral("byt")));
    EXPECT_TRUE(hasDiacritics(QStringLiteral("být")));
}

TEST(CzechStemmer, FormsOfOneWordShareAStem) {
    for (const char* form : {"účtárna", "účtárny", "účtárně", "účtárnou", "účtárnách"})
        EXPECT_EQ(czechStem(QString::fromUtf8(form)), QStringLiteral("účtárn")) << form;
    // Softened consonants come back hard.
    EXPECT_EQ(czechStem(QStringLiteral("fakturačce")), czechStem(QStringLiteral("fakturačka")));
    // Short words and numbers stay.
    EXPECT_EQ(czechStem(QStringLiteral("daň")), QStringLiteral("daň"));
    EXPECT_EQ(czechStem(QStringLiteral("2024a")), QStringLiteral("2024a"));
}

TEST(CzechStemmer, LemmatizerWithoutDictionaryStems) {
    Lemmatizer lemmatizer(std::unique_ptr<HunspellDictionary>{});
    EXPECT_EQ(lemmatizer.lemmas("účtárnách"), Lemmas{"účtárn"});
    EXPECT_EQ(lemmatizer.lemmas("123"), Lemmas{"123"});
    EXPECT_FALSE(lemmatizer.isWord("daň"));
    EXPECT_EQ(lemmatizer.signature(), "stemmer");
    EXPECT_EQ(HunspellDictionary::load("/nonexistent", "cs_CZ"), nullptr);
}

TEST(CzechStemmer, RecalledFormsNeedNoDictionary) {
    int loads = 0;
    Lemmatizer lemmatizer(
        [&loads] {
            ++loads;
            return std::unique_ptr<HunspellDictionary>{};
        },
        "cs_CZ 42");
    EXPECT_EQ(lemmatizer.signature(), "cs_CZ 42");
    lemmatizer.remember("daních", {"daň"});
    EXPECT_EQ(lemmatizer.lemmas("daních"), Lemmas{"daň"});
    EXPECT_EQ(loads, 0);
    // A new word loads it; without one, the stemmer answers and names itself.
    EXPECT_EQ(lemmatizer.lemmas("účtárnách"), Lemmas{"účtárn"});
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(lemmatizer.signature(), "stemmer");
}

TEST_F(CzechLemmatizer, InflectedFormsGiveTheirLemma) {
    EXPECT_EQ(lemmas("smlouvách"), Lemmas{"smlouva"});
    EXPECT_TRUE(hasLemma(lemmas("daních"), "daň"));
    EXPECT_TRUE(hasLemma(lemmas("příjmů"), "příjem"));
    EXPECT_TRUE(hasLemma(lemmas("fyzických"), "fyzický"));
    // Abbreviations and names are found under their own spelling.
    EXPECT_TRUE(hasLemma(lemmas("praze"), "praha"));
}

TEST_F(CzechLemmatizer, RulesTheDictionaryMisses) {
    // Short adjective forms belong to the long adjective.
    EXPECT_TRUE(hasLemma(lemmas("povinen"), "povinný"));
    EXPECT_TRUE(hasLemma(lemmas("povinna"), "povinný"));
    EXPECT_TRUE(hasLemma(lemmas("osvobozena"), "osvobozený"));
    // Genitive plurals without ending.
    EXPECT_TRUE(hasLemma(lemmas("smluv"), "smlouva"));
    EXPECT_TRUE(hasLemma(lemmas("mezd"), "mzda"));
    EXPECT_TRUE(hasLemma(lemmas("jsou"), "být"));
    // A noun in -ost and a negated word are words of their own.
    EXPECT_EQ(lemmas("povinnosti"), Lemmas{"povinnost"});
    EXPECT_FALSE(hasLemma(lemmas("nedaňový"), "daňový"));
    // Diacritics keep words apart.
    EXPECT_FALSE(hasLemma(lemmas("bytu"), "být"));
    EXPECT_FALSE(hasLemma(lemmas("řady"), "rada"));
}

TEST_F(CzechLemmatizer, WordsWithoutDiacritics) {
    EXPECT_TRUE(Lemmatizer::shared().isWord("byt"));
    EXPECT_TRUE(Lemmatizer::shared().isWord("rada"));
    EXPECT_FALSE(Lemmatizer::shared().isWord("prijmu"));
    // A name is not a word typed in lower case.
    EXPECT_FALSE(Lemmatizer::shared().isWord("dan"));
}
