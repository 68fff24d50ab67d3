#pragma once

#include "navigation/LookupRows.h"
#include "navigation/RegisterTreeModel.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class CrDokument;
class Database;

// The logic of the register page without its widgets, shared by the page and tavlin-cli: the
// kept recordset of the register entries, the subject fields, the tree of one field and the
// opening of an item.
class RegisterSession {
public:
    explicit RegisterSession(Database* database);
    ~RegisterSession();
    RegisterSession(const RegisterSession&) = delete;
    RegisterSession& operator=(const RegisterSession&) = delete;

    // Opens the kept recordset of all register entries in stored order. A database error is
    // reported and leaves it null: the tree then stays empty and items open without a lookup.
    void InitBaseCondition();
    // The subject fields without the common one ("Společné"), in Czech alphabetical order. A
    // database error is reported; the fields read before it are returned.
    QVector<LookupRow> LoadFields() const;
    // Rebuilds the tree from the entries of field `obor` in stored order and resets the counter.
    // A database error is reported (false); the items placed before it stay.
    bool FillTree(int obor);
    // Opens tree item `item`: returns its document and sets `title` to the item's text, or to
    // the document's display title when it has one; the counter's position becomes the entry's
    // place in the register order. 0 when there is no such item or the lookup failed (reported).
    int OpenItem(int item, QString& title);
    QString GetCounterText() const;

    RegisterTreeModel* model() { return &m_model; }
    const RegisterTreeModel* model() const { return &m_model; }
    const RegisterTree& tree() const { return m_model.tree(); }

    // False while the tree is rebuilt: the view's selection changes then open nothing.
    bool m_bTreeReady = false;
    int m_nPosition = 0;
    std::unique_ptr<CrDokument> m_pRecordset;
    // Where the counter text goes (the status bar).
    std::function<void(const QString&)> m_setStatusText;

private:
    Database* m_pDatabase;
    RegisterTreeModel m_model;
};
