#pragma once

#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/RecordedMessages.h"
#include "support/TestSupport.h"
#include "userdata/XmlStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A Data folder of its own with the store's two files in it; messages are recorded.
class StoreFixture : public ::testing::Test {
protected:
    QString folder() const { return m_data.path(); }
    QString notesPath() const { return folder() + QStringLiteral("/Notes.xml"); }
    QString favouritesPath() const { return folder() + QStringLiteral("/Favourites.xml"); }
    CXmlStore store() const { return CXmlStore(notesPath(), favouritesPath()); }

    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QString notLoaded() { return LoadResString(IDS_DATA_FILE_NOT_LOADED); }

    // In memory where the system has such a folder: saves flush to disk, which a crash test
    // repeating a thousand of them need not wait for.
    QTemporaryDir m_data{QDir(QStringLiteral("/dev/shm")).exists()
                             ? QStringLiteral("/dev/shm/tavlin-XXXXXX")
                             : QDir::tempPath() + QStringLiteral("/tavlin-XXXXXX")};
    RecordedMessages m_messages;
};

// The files' namespaces and their layout as the program writes them (CR LF after each line).
inline const QByteArray kNotesUri = "http://www.ardenvolt.cz/schema/tavlinnotes.xsd";
inline const QByteArray kFavouritesUri = "http://www.ardenvolt.cz/schema/tavlinfavourites.xsd";
inline const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"Windows-1250\"?>\r\n";
inline QByteArray favouritesFile(const QByteArray& entries) {
    return kDeclaration + "<tfv:favourites version=\"1.0\" xmlns:tfv=\"" + kFavouritesUri + "\">" +
           entries + "</tfv:favourites>\r\n";
}
inline QByteArray favouriteEntry(const QByteArray& name) {
    return "<tfv:favourite><tfv:docname>" + name + "</tfv:docname></tfv:favourite>\r\n";
}
