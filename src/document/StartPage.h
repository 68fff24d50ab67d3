#pragma once

#include <QByteArray>
#include <QString>

// The start page: Html/Index.html made from the template Index0.html with the favourite links in
// place of "#OBLIBENE#" and the news of News.html in place of "#NOVINKY#". The files are copied
// byte for byte; the news is read once and kept.
class StartPage {
public:
    void SetHtmlFolder(const QString& folder) { m_strHtmlFolder = folder; }

    // Reads News.html into m_strNews (up to a zero byte); nothing when it cannot be read.
    void LoadNews();
    // Writes Index.html; false (the old page left as it was) when the template cannot be read
    // or the page cannot be written.
    bool BuildStartPage(const QString& links);

    QByteArray m_strNews;

private:
    QString m_strHtmlFolder;
};
