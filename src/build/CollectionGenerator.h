#pragma once

#include <QtGlobal>
#include <cstdint>

class Database;

struct GeneratedCollection {
    int documents = 0;
    qint64 sectionVersions = 0;
    int largestDocumentId = 0; // the regulation with the most section versions
    qint64 largestDocumentVersions = 0;
    qint64 textBytes = 0; // UTF-8 bytes of all section texts
};

// Fills an empty collection with `documents` generated documents; the same seed gives the same
// rows. About 60 % are regulations (pohled 1) with about five section versions each on chains
// of validity dates, the rest register entries, contracts and court decisions. The register has
// ten fields, the first holding about 30 % of the entries, each a tree down to level 7; every
// amendment puts its title under the one to three full texts it changes. Document 1 is the
// regulation "DP" with more than 2,000 section versions; documents 1 to 12 carry the designations
// of the fixed laws. Runs in one transaction; throws DaoException.
GeneratedCollection generateCollection(Database& database, int documents, std::uint64_t seed);
