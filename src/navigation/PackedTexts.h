#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QVector>

// A list of texts kept end to end in one UTF-8 buffer. A long list (60,000 names) then costs a
// few megabytes instead of a string object per row, and a row is converted only when shown.
class PackedTexts {
public:
    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }

    void append(QByteArrayView utf8);
    void append(QStringView text);
    void append(const PackedTexts& other);
    void clear();

    // The bytes of row `row`, which must exist.
    QByteArrayView utf8At(qsizetype row) const;
    // Row `row` as a string; empty when there is no such row.
    QString value(qsizetype row) const;

    friend bool operator==(const PackedTexts& a, const PackedTexts& b) {
        return a.m_ends == b.m_ends && a.m_text == b.m_text;
    }

private:
    QByteArray m_text;
    QVector<qsizetype> m_ends;
};
