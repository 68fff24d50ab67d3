#include "morphology/HunspellDictionary.h"

#include <QDir>
#include <QFileInfo>
#include <hunspell/hunspell.h>

namespace {
// Hunspell answers a word longer than this with nothing anyway; longer input is not passed on.
constexpr std::size_t kMaxWordBytes = 200;

// The value of a morphological field of an analysis that starts at `at`, up to the next space.
std::string fieldValue(const std::string& analysis, std::size_t at) {
    const std::size_t end = analysis.find(' ', at);
    return analysis.substr(at, end == std::string::npos ? std::string::npos : end - at);
}
} // namespace

HunspellDictionary::HunspellDictionary(Hunhandle* handle, QString signature)
    : m_handle(handle), m_strSignature(std::move(signature)) {}

HunspellDictionary::~HunspellDictionary() {
    Hunspell_destroy(m_handle);
}

QString HunspellDictionary::signatureOf(const QString& folder, const QString& name) {
    const QFileInfo aff(QDir(folder).filePath(name + QStringLiteral(".aff")));
    const QFileInfo dic(QDir(folder).filePath(name + QStringLiteral(".dic")));
    if (!aff.isFile() || !dic.isFile())
        return {};
    return QStringLiteral("%1 %2").arg(name).arg(dic.size());
}

std::unique_ptr<HunspellDictionary> HunspellDictionary::load(const QString& folder,
                                                             const QString& name) {
    const QString signature = signatureOf(folder, name);
    if (signature.isEmpty())
        return nullptr;
    const QString aff = QDir(folder).filePath(name + QStringLiteral(".aff"));
    const QString dic = QDir(folder).filePath(name + QStringLiteral(".dic"));
    Hunhandle* handle =
        Hunspell_create(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
    if (!handle)
        return nullptr;
    return std::unique_ptr<HunspellDictionary>(new HunspellDictionary(handle, signature));
}

bool HunspellDictionary::knows(const std::string& word) const {
    return word.size() <= kMaxWordBytes && Hunspell_spell(m_handle, word.c_str()) != 0;
}

std::vector<HunspellDictionary::Reading>
HunspellDictionary::readings(const std::string& word) const {
    std::vector<Reading> result;
    if (word.empty() || word.size() > kMaxWordBytes)
        return result;
    char** list = nullptr;
    const int count = Hunspell_analyze(m_handle, &list, word.c_str());
    for (int i = 0; i < count; ++i) {
        const std::string analysis = list[i];
        const std::size_t stem = analysis.find("st:");
        if (stem == std::string::npos)
            continue;
        Reading reading{fieldValue(analysis, stem + 3)};
        if (!reading.stem.empty())
            result.push_back(std::move(reading));
    }
    Hunspell_free_list(m_handle, &list, count);
    return result;
}
