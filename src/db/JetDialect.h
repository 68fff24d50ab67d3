#pragma once

#include <QString>

// The program's SQL texts are written in the Jet dialect. These functions turn them into SQLite
// SQL, working on tokens so that the text inside literals stays as it is:
// - [name] becomes "name", and a Jet string literal in double quotes becomes a single-quoted one;
// - DISTINCTROW becomes DISTINCT;
// - left(x, n) becomes jet_left(x, n) COLLATE CS, so comparisons and sorts of it are Czech;
//   as a term of ORDER BY it becomes jet_sortkey(x, n), the same order at a fraction of the cost;
// - LIKE keeps its spelling: the connection's like() follows Jet's rules.
// In a collection with key columns, left(dokument.jmeno, 255) and left(dokument.norma, 255) as
// terms of ORDER BY become the stored keys dokument.jmenoKlic and dokument.normaKlic.
enum class SortKeys { Indexes, Columns };
QString jetToSqlite(const QString& jetSql, SortKeys keys = SortKeys::Indexes);

// The statement of a recordset: its default SQL (a bare table name stands for all its rows), the
// filter as its WHERE condition (added with AND when the SQL has a WHERE of its own) and the
// sort as its ORDER BY. A compound or ordered default SQL is filtered and sorted as a subquery.
// Filter and sort are written without the words WHERE and ORDER BY. Returns SQLite SQL.
QString buildRecordsetSql(const QString& defaultSql, const QString& filter, const QString& sort,
                          SortKeys keys = SortKeys::Indexes);
