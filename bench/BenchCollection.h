#pragma once

#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "platform/ProgramFolders.h"

#include <QString>
#include <memory>

// The generated collection that bench/run.sh prepares; TAVLIN_BENCH_FOLDER names another one.
inline QString benchProgramFolder() {
    const QString folder = qEnvironmentVariable("TAVLIN_BENCH_FOLDER");
    return folder.isEmpty() ? QStringLiteral("/tmp/tavlin-bench-100000") : folder;
}

inline std::unique_ptr<Database> openBenchCollection(ProgramFolders& folders) {
    folders.SetProgramFolder(benchProgramFolder());
    return Database::open(folders.GetDataFolder() + QStringLiteral("/TavlinDemo.db"),
                          collectionPassword());
}
