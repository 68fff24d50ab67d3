#pragma once

#include "db/Recordset.h"

#include <QByteArray>

class CrOblasti : public Recordset {
public:
    explicit CrOblasti(Database& database) : Recordset(database) {}
    QString GetDefaultSQL() const override { return QStringLiteral("[oblasti]"); }
    int m_ID = 0;
    QString m_oblast;

protected:
    void DoFieldExchange() override;
};

class CrTypy : public Recordset {
public:
    explicit CrTypy(Database& database) : Recordset(database) {}
    QString GetDefaultSQL() const override { return QStringLiteral("[typy]"); }
    int m_ID = 0;
    QString m_typ;

protected:
    void DoFieldExchange() override;
};

class CrObory : public Recordset {
public:
    explicit CrObory(Database& database) : Recordset(database) {}
    QString GetDefaultSQL() const override { return QStringLiteral("[obory]"); }
    int m_ID = 0;
    QString m_obor;

protected:
    void DoFieldExchange() override;
};

class CrDokument : public Recordset {
public:
    explicit CrDokument(Database& database) : Recordset(database) {}
    QString GetDefaultSQL() const override;

    // priloha when it is not empty, else jmeno for a regulation; may be empty.
    QString GetDisplayName() const;
    // GetDisplayName(), or jmeno when that is empty.
    QString GetTitle() const;

    const QString m_strDefaultSort =
        QStringLiteral("left(dokument.Jmeno, 255), Dokument.Poradi, Dokument.ID");

    int m_ID = 0;
    QString m_jmeno;
    QString m_ozn;
    int m_pohled = 0;
    int m_obor = 0;
    int m_typ = 0;
    int m_poradi = 0;
    QString m_norma;
    quint8 m_uroven = 0;
    QString m_priloha;
    QDateTime m_novinka;
    int m_nasledovnik = 0;
    QDateTime m_platnostZacatek;
    QDateTime m_platnostKonec;
    int m_redirectId = 0;
    QString m_redirectPar;

protected:
    void DoFieldExchange() override;
};

// The documents of a list page: the rows of CrDokument, but only their identifier and name, as a
// list of tens of thousands of rows shows nothing else; the name key index holds both, so the
// table itself is not read. The name is read as its stored UTF-8 bytes, which the list keeps.
class CrDokumentNames : public CrDokument {
public:
    using CrDokument::CrDokument;
    QString GetDefaultSQL() const override;

    QByteArray m_jmenoUtf8;

protected:
    void DoFieldExchange() override;
};

class CrDokumentSekceView : public Recordset {
public:
    explicit CrDokumentSekceView(Database& database) : Recordset(database) {
        m_strSort = QStringLiteral("[dokument], [poradi], [datumNovelizace]");
    }
    QString GetDefaultSQL() const override {
        return QStringLiteral("SELECT * FROM [dokumentSekceView]");
    }

    int m_dokument = 0;
    int m_sekce = 0;
    int m_poradi = 0;
    // The section's HTML, read on request: a long document has many versions that a day does not
    // show, and converting all their texts would cost most of the assembly time.
    // The UTF-8 bytes as stored: the assembly writes them out without converting them twice.
    QByteArray GetObsahUtf8() const { return GetFieldBytes(QStringLiteral("obsah")); }
    QString m_norma;
    QString m_jmeno;
    QDateTime m_datumNovelizace;
    QDateTime m_datumDo;

protected:
    void DoFieldExchange() override;
};

class CrImages : public Recordset {
public:
    explicit CrImages(Database& database) : Recordset(database) {
        m_strSort = QStringLiteral("[images].ID");
    }
    QString GetDefaultSQL() const override;

    int m_id = 0;
    QByteArray m_imageData;
    int m_length = 0;
    QString m_extension;
    int m_dokument = 0;

protected:
    void DoFieldExchange() override;
};
