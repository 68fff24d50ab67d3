#include "db/DokumentRecordsets.h"

void CrOblasti::DoFieldExchange() {
    FieldLong(m_ID, "ID");
    FieldText(m_oblast, "oblast");
}

void CrTypy::DoFieldExchange() {
    FieldLong(m_ID, "ID");
    FieldText(m_typ, "typ");
}

void CrObory::DoFieldExchange() {
    FieldLong(m_ID, "ID");
    FieldText(m_obor, "obor");
}

QString CrDokument::GetDefaultSQL() const {
    return QStringLiteral("SELECT DISTINCTROW dokument.* FROM dokument LEFT JOIN dokumentOblast "
                          "ON dokument.ID = dokumentOblast.dokument");
}

QString CrDokument::GetDisplayName() const {
    if (m_pohled == 1 && m_priloha.isEmpty())
        return m_jmeno;
    return m_priloha;
}

QString CrDokument::GetTitle() const {
    const QString name = GetDisplayName();
    return name.isEmpty() ? m_jmeno : name;
}

void CrDokument::DoFieldExchange() {
    FieldLong(m_ID, "ID");
    FieldText(m_jmeno, "jmeno");
    FieldText(m_ozn, "ozn");
    FieldLong(m_pohled, "pohled");
    FieldLong(m_obor, "obor");
    FieldLong(m_typ, "typ");
    FieldLong(m_poradi, "poradi");
    FieldText(m_norma, "norma");
    FieldByte(m_uroven, "uroven");
    FieldText(m_priloha, "priloha");
    FieldDate(m_novinka, "novinka");
    FieldLong(m_nasledovnik, "nasledovnik");
    FieldDate(m_platnostZacatek, "platnostZacatek");
    FieldDate(m_platnostKonec, "platnostKonec");
    FieldLong(m_redirectId, "redirectId");
    FieldText(m_redirectPar, "redirectPar");
}

QString CrDokumentNames::GetDefaultSQL() const {
    return QStringLiteral("SELECT DISTINCTROW dokument.ID, dokument.jmeno FROM dokument LEFT JOIN "
                          "dokumentOblast ON dokument.ID = dokumentOblast.dokument");
}

void CrDokumentNames::DoFieldExchange() {
    FieldLong(m_ID, "ID");
    FieldUtf8(m_jmenoUtf8, "jmeno");
}

void CrDokumentSekceView::DoFieldExchange() {
    FieldLong(m_dokument, "dokument");
    FieldLong(m_sekce, "sekce");
    FieldLong(m_poradi, "poradi");
    FieldDeferred("obsah");
    FieldTextRepeating(m_norma, "norma");
    FieldTextRepeating(m_jmeno, "jmeno");
    FieldDate(m_datumNovelizace, "datumNovelizace");
    FieldDate(m_datumDo, "datumDo");
}

QString CrImages::GetDefaultSQL() const {
    return QStringLiteral(
        "SELECT [images].[id],[imageData],[length],[extension],[dokumentImages].[dokument] FROM "
        "[images] INNER JOIN [dokumentImages] ON [dokumentImages].[imageId] = [images].[id]");
}

void CrImages::DoFieldExchange() {
    FieldLong(m_id, "id");
    FieldBinary(m_imageData, "imageData");
    FieldLong(m_length, "length");
    FieldText(m_extension, "extension");
    FieldLong(m_dokument, "dokument");
}
