#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

using xmlDocPtr = struct _xmlDoc*;
using xmlNodePtr = struct _xmlNode*;

// The two kinds of user data file, with their element names and namespaces.
enum class DataKind { Notes = 0, Favourites = 1 };

// One notes or favourites file as a tree in memory: read from bytes, looked up by namespace (a
// file whose prefixes differ but whose namespaces are the same is the same file), changed and
// written back. The store reads and writes the files; this class knows their contents.
class DataFile {
public:
    explicit DataFile(DataKind kind);
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    DataKind kind() const { return m_kind; }

    // Reads the file's bytes. False for content that is not well-formed or carries a document
    // type (entities are never expanded); the tree is then empty.
    bool load(const QByteArray& bytes);
    // A new file: the declaration and an empty root with "version" and the namespace.
    void createEmpty();
    // The bytes to save; nothing when a character cannot be written (`error` says which).
    std::optional<QByteArray> save(QString* error = nullptr) const;

    // The first root element of this kind anywhere in the file, null when there is none.
    xmlNodePtr root() const;
    // Under `root`, the first entry whose name child equals `name` exactly.
    xmlNodePtr findEntry(xmlNodePtr root, const QString& name) const;
    // The name child's text of every entry below a root of this kind, in file order.
    QStringList entryNames() const;

    // The text of the first child element called `child` (local name, this kind's namespace);
    // false when there is none.
    static bool GetChildText(xmlNodePtr node, const char* child, QString& text);
    // Replaces the contents of the first such child by `text`; false when there is none.
    static bool SetChildText(xmlNodePtr node, const char* child, const QString& text);

    // Appends an entry with these child texts (in order) to `root`, then a line break.
    void appendEntry(xmlNodePtr root, const QList<std::pair<const char*, QString>>& children);
    // Unlinks the entry; the line break after it stays.
    static void removeEntry(xmlNodePtr entry);

    // The namespace of this kind and the prefix the program writes.
    static const char* namespaceUri(DataKind kind);
    static const char* prefix(DataKind kind);

private:
    struct XPathObjectFree {
        void operator()(struct _xmlXPathObject* object) const;
    };
    using XPathResult = std::unique_ptr<struct _xmlXPathObject, XPathObjectFree>;

    // The node set the expression selects (null when empty), with this kind's prefix bound.
    XPathResult evaluate(const QString& expression, xmlNodePtr context) const;
    xmlNodePtr select(const QString& expression, xmlNodePtr context) const;

    DataKind m_kind;
    xmlDocPtr m_pDoc = nullptr;
};
