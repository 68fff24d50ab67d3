-- Indexes computed once when the collection is built, for the reader's lists and searches.
-- Rebuilt by "tavlin-cli db upgrade", which also adds them to a collection made before they
-- existed.
-- The Czech sort keys of the names and numbers that lists sort by, kept in the columns
-- jmenoKlic and normaKlic (added by the program before this script runs) and up to date through
-- triggers. A list sorted by left(jmeno, 255) or left(norma, 255) then reads an index in order,
-- and a list of a few documents sorts their stored keys, instead of computing a key for every
-- row. The name key index also holds the name, so a list of names reads the index alone.
DROP TRIGGER IF EXISTS dokument_klic_novy;
DROP TRIGGER IF EXISTS dokument_klic_zmena;
CREATE TRIGGER dokument_klic_novy AFTER INSERT ON dokument BEGIN
    UPDATE dokument SET jmenoKlic = jet_sortkey(NEW.jmeno, 255),
        normaKlic = jet_sortkey(NEW.norma, 255) WHERE ID = NEW.ID;
END;
CREATE TRIGGER dokument_klic_zmena AFTER UPDATE OF jmeno, norma ON dokument BEGIN
    UPDATE dokument SET jmenoKlic = jet_sortkey(NEW.jmeno, 255),
        normaKlic = jet_sortkey(NEW.norma, 255) WHERE ID = NEW.ID;
END;
DROP INDEX IF EXISTS dokument_jmeno_klic;
DROP INDEX IF EXISTS dokument_norma_klic;
UPDATE dokument SET jmenoKlic = jet_sortkey(jmeno, 255), normaKlic = jet_sortkey(norma, 255);
CREATE INDEX dokument_jmeno_klic ON dokument (pohled, jmenoKlic, poradi, ID, jmeno);
CREATE INDEX dokument_norma_klic ON dokument (pohled, normaKlic);
-- The areas, types and fields the pages' choices list in Czech order: read in the order of a
-- key index, a window opening a collection needs no collator at all.
DROP INDEX IF EXISTS oblasti_klic;
DROP INDEX IF EXISTS typy_klic;
DROP INDEX IF EXISTS obory_klic;
CREATE INDEX oblasti_klic ON oblasti (jet_sortkey(oblast, 255), oblast);
CREATE INDEX typy_klic ON typy (jet_sortkey(typ, 255), typ);
CREATE INDEX obory_klic ON obory (jet_sortkey(obor, 255), obor);
-- A search looks up the sections it found (often a hundred thousand) with their document and
-- dates. The rows of the sections hold their long texts too, so the search's view reads these
-- columns from an index of their own, a tenth of the table's size.
DROP VIEW IF EXISTS sekceNovelizace;
DROP INDEX IF EXISTS dokumentSekce_novelizace;
CREATE INDEX dokumentSekce_novelizace ON dokumentSekce (sekce, dokument, datumNovelizace, datumDo);
CREATE VIEW sekceNovelizace AS
    SELECT sekce, dokument, datumDo, datumNovelizace
    FROM dokumentSekce INDEXED BY dokumentSekce_novelizace;
