#pragma once

#include "search/FulltextIndex.h"
#include "search/SearchSession.h"
#include "support/TestSupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A small collection with its full-text index: regulations (pohled 1) with versions, a contract
// (pohled 3) and texts that differ only in diacritics or are split by markup.
inline const char* const kSearchCollectionSql = R"SQL(
INSERT INTO typy (ID, typ) VALUES (1, 'Zákon'), (2, 'Novela'), (3, 'Vyhláška');
INSERT INTO oblasti (ID, oblast) VALUES (1, 'Daně'), (2, 'Bydlení');
INSERT INTO dokument (ID, jmeno, norma, pohled, typ, typnovelizace) VALUES
 (1, 'Zákon o daních z příjmů', '586/1992 Sb.', 1, 1, 1),
 (2, 'Zákon o dani z přidané hodnoty', '235/2004 Sb.', 1, 1, 3),
 (3, 'Zákon, kterým se mění zákon o dani silniční', '12/2020 Sb.', 1, 2, 2),
 (4, 'Smlouva o zamezení dvojímu zdanění', '45/2001 Sb. m. s.', 3, 1, 1),
 (5, 'Vyhláška o bytech', '100/2010 Sb.', 1, 3, 1);
INSERT INTO dokumentOblast (dokument, oblast) VALUES (1, 1), (2, 1), (3, 1), (5, 2);
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
 (10, 1, 1, '<p>Poplatníky <b>daně</b> z příjmů fyzických osob jsou fyzické osoby.</p>', NULL, '2015-01-01'),
 (11, 1, 1, '<p>Poplatníky daně z příjmů fyzických osob jsou fyzické osoby s bydlištěm.</p>', '2015-01-01', NULL),
 (12, 1, 2, '<p>Předmětem daně jsou příjmy ze závislé činnosti a příjmy z podnikání.</p>', NULL, NULL),
 (13, 1, 3, '<p>Daně se platí, pokud zákon nestanoví jinak, nejpozději do konce měsíce následujícího po skončení období, ve kterém vznikly příjmy z podnikání.</p>', NULL, NULL),
 (20, 2, 1, '<p>Sazba daně z přidané hodnoty činí 21&nbsp;%.</p>', NULL, NULL),
 (21, 2, 2, '<p>Plátce je povinen přiznat da<b>ň</b> na výstupu.</p><script>var ukryto = 1;</script>', NULL, NULL),
 (30, 3, 1, '<p>Silniční daň se platí ročně.</p>', '2020-03-01', '2021-01-01'),
 (40, 4, 1, '<p>Daň z příjmů se nezdaňuje dvakrát.</p>', NULL, NULL),
 (50, 5, 1, '<p>Každý byt musí být označen číslem.</p>', NULL, '2018-06-01'),
 (51, 5, 1, '<p>Byt &amp; dům: &#382;ádost o &#x10D;íslo</p>', '2018-06-01', NULL);
)SQL";

// A program folder with the collection above and its index, and a fresh settings folder.
class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QStandardPaths::setTestModeEnabled(false);
        m_database = m_folder.createCollection({QString::fromUtf8(kSearchCollectionSql)});
        BuildFulltextIndex(*m_database, indexFolder());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_oldConfig); }
    QString indexFolder() const { return m_folder.file(QStringLiteral("Index")); }
    QString search(const QString& query, int scope = ScopeText) const {
        return Search(indexFolder(), query, scope);
    }

    QTemporaryDir m_config;
    QByteArray m_oldConfig;
    TempProgramFolder m_folder;
    std::unique_ptr<Database> m_database;
};

// The documents a session lists, in order.
inline QList<int> listedIds(const SearchSession& session) {
    QList<int> ids;
    for (const SearchRow& row : session.rows())
        ids << row.id;
    return ids;
}
