-- The law collection as the reader sees it. Text columns sort and compare in Czech order (CS).
CREATE TABLE oblasti (ID INTEGER PRIMARY KEY, oblast TEXT COLLATE CS);
CREATE TABLE typy (ID INTEGER PRIMARY KEY, typ TEXT COLLATE CS);
CREATE TABLE obory (ID INTEGER PRIMARY KEY, obor TEXT COLLATE CS);
CREATE TABLE dokument (
    ID INTEGER PRIMARY KEY,
    jmeno TEXT COLLATE CS,
    ozn TEXT COLLATE CS,
    pohled INTEGER NOT NULL DEFAULT 1,
    obor INTEGER NOT NULL DEFAULT 0,
    typ INTEGER NOT NULL DEFAULT 0,
    poradi INTEGER NOT NULL DEFAULT 0,
    norma TEXT COLLATE CS,
    uroven INTEGER NOT NULL DEFAULT 0,
    priloha TEXT COLLATE CS,
    novinka TEXT,
    nasledovnik INTEGER NOT NULL DEFAULT 0,
    platnostZacatek TEXT,
    platnostKonec TEXT,
    redirectId INTEGER NOT NULL DEFAULT 0,
    redirectPar TEXT COLLATE CS,
    typnovelizace INTEGER NOT NULL DEFAULT 1
);
CREATE TABLE dokumentOblast (dokument INTEGER NOT NULL, oblast INTEGER NOT NULL, PRIMARY KEY (dokument, oblast)) WITHOUT ROWID;
CREATE TABLE dokumentNorma (dokument INTEGER NOT NULL, nazev TEXT COLLATE CS);
CREATE TABLE dokumentSekce (
    sekce INTEGER PRIMARY KEY,
    dokument INTEGER NOT NULL,
    poradi INTEGER NOT NULL DEFAULT 0,
    obsah TEXT,
    datumNovelizace TEXT,
    datumDo TEXT
);
CREATE TABLE images (id INTEGER PRIMARY KEY, imageData BLOB, length INTEGER NOT NULL DEFAULT 0, extension TEXT);
CREATE TABLE dokumentImages (imageId INTEGER NOT NULL, dokument INTEGER NOT NULL);

CREATE VIEW dokumentSekceView AS
    SELECT s.dokument AS dokument, s.sekce AS sekce, s.poradi AS poradi, s.obsah AS obsah,
           d.norma AS norma, d.jmeno AS jmeno, s.datumNovelizace AS datumNovelizace, s.datumDo AS datumDo
    FROM dokumentSekce s JOIN dokument d ON d.ID = s.dokument;
CREATE VIEW sekceNovelizace AS
    SELECT sekce, dokument, datumDo, datumNovelizace FROM dokumentSekce;

CREATE INDEX dokument_pohled ON dokument (pohled);
CREATE INDEX dokument_ozn ON dokument (ozn);
CREATE INDEX dokument_obor ON dokument (pohled, obor);
-- The register in stored order, all of it and by field, without sorting.
CREATE INDEX dokument_register ON dokument (pohled, poradi);
CREATE INDEX dokument_register_obor ON dokument (pohled, obor, poradi);
CREATE INDEX dokumentOblast_oblast ON dokumentOblast (oblast, dokument);
CREATE INDEX dokumentNorma_dokument ON dokumentNorma (dokument);
CREATE INDEX dokumentSekce_dokument ON dokumentSekce (dokument, poradi, datumNovelizace);
CREATE INDEX dokumentImages_dokument ON dokumentImages (dokument, imageId);

-- The salted hash of the collection's password; the password itself is never stored.
CREATE TABLE tavlinInfo (name TEXT PRIMARY KEY, value TEXT) WITHOUT ROWID;
