#include "build/CollectionFile.h"

#include "db/CollectionPassword.h"
#include "db/DaoException.h"
#include "db/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

namespace {
void removeBuildFiles(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// Fills the collection made by `make` under a temporary name beside `target`, then renames it
// over `target`.
void fillCollectionFile(const QString& target,
                        const std::function<std::unique_ptr<Database>(const QString&)>& make,
                        const std::function<void(Database&)>& fill) {
    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath()))
        throw DaoException(QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
    const QString temporary = QStringLiteral("%1/.%2.%3.tmp")
                                  .arg(info.absolutePath(), info.fileName())
                                  .arg(QCoreApplication::applicationPid());
    removeBuildFiles(temporary);
    try {
        std::unique_ptr<Database> database = make(temporary);
        fill(*database);
        // A fill that wrote nothing (an import that was refused) leaves the file as it was.
        if (sqlite3_total_changes(database->handle()) > 0)
            database->updatePlannerFigures();
        database.reset();
    } catch (...) {
        removeBuildFiles(temporary);
        throw;
    }
    // rename() replaces an existing collection in one step.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        removeBuildFiles(temporary);
        throw DaoException(QStringLiteral("cannot replace %1").arg(info.absoluteFilePath()));
    }
}
} // namespace

void buildCollectionFile(const QString& target, const std::function<void(Database&)>& fill) {
    fillCollectionFile(
        target, [](const QString& path) { return Database::create(path, collectionPassword()); },
        fill);
}

void updateCollectionFile(const QString& target, const std::function<void(Database&)>& fill) {
    fillCollectionFile(
        target,
        [&target](const QString& path) {
            if (!QFile::copy(target, path))
                throw DaoException(QStringLiteral("cannot copy %1").arg(target));
            QFile::setPermissions(path, QFile::permissions(target) | QFile::WriteOwner);
            return Database::open(path, collectionPassword());
        },
        fill);
}
