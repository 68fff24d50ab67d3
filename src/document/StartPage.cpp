#include "document/StartPage.h"

#include "document/HtmlFiles.h"

void StartPage::LoadNews() {
    if (std::optional<QByteArray> news =
            readTemplateBytes(m_strHtmlFolder + QStringLiteral("/News.html")))
        m_strNews = *news;
}

bool StartPage::BuildStartPage(const QString& links) {
    // An empty or missing news file is tried again at the next rebuild.
    if (m_strNews.isEmpty())
        LoadNews();
    std::optional<QByteArray> page =
        readTemplateBytes(m_strHtmlFolder + QStringLiteral("/Index0.html"));
    if (!page)
        return false;
    // The favourites first, so that a favourite's "#NOVINKY#" gets the news, while the news is
    // never searched for "#OBLIBENE#".
    page->replace("#OBLIBENE#", links.toUtf8());
    page->replace("#NOVINKY#", m_strNews);
    return writeGeneratedBytes(m_strHtmlFolder + QStringLiteral("/Index.html"), *page);
}
