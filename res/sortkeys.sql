-- Czech sort keys of the names and numbers that lists sort by, computed once when the collection
-- is built: a list sorted by left(jmeno, 255) or left(norma, 255) then reads an index in order
-- instead of computing a key for every row. Rebuilt by "tavlin-cli db upgrade", which also adds
-- them to a collection made before they existed. The name key also holds the name, so a list of
-- names reads the index alone.
DROP INDEX IF EXISTS dokument_jmeno_klic;
DROP INDEX IF EXISTS dokument_norma_klic;
CREATE INDEX dokument_jmeno_klic ON dokument (pohled, jet_sortkey(jmeno, 255), poradi, ID, jmeno);
CREATE INDEX dokument_norma_klic ON dokument (pohled, jet_sortkey(norma, 255));
