#pragma once

#include <QByteArray>
#include <QString>

// The collection password is put together at run time and never stands in the program as one
// literal; the collection stores only a salted hash of it.
QString collectionPassword();

QByteArray passwordHash(const QByteArray& salt, const QString& password);
