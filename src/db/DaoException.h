#pragma once

#include <QString>
#include <stdexcept>

// A failure of the law database, carrying the database's own description of it.
class DaoException : public std::runtime_error {
public:
    explicit DaoException(const QString& description)
        : std::runtime_error(description.toStdString()), m_strDescription(description) {}

    const QString& description() const { return m_strDescription; }

private:
    QString m_strDescription;
};
