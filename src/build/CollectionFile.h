#pragma once

#include <QString>
#include <functional>

class Database;

// Builds a collection beside `target` under a temporary name and renames it into place only when
// `fill` succeeded, so that a failed build leaves an existing collection untouched. The folder of
// `target` is created when missing. Throws DaoException or whatever `fill` throws.
void buildCollectionFile(const QString& target, const std::function<void(Database&)>& fill);

// The same for a change of the existing collection `target`: a copy of it is opened under the
// temporary name, changed by `fill` and renamed over it, so that a failure leaves it as it was.
void updateCollectionFile(const QString& target, const std::function<void(Database&)>& fill);
