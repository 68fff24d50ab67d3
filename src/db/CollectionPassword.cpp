#include "db/CollectionPassword.h"

#include <QCryptographicHash>
#include <array>

QString collectionPassword() {
    // Each character is stored shifted by its position so that no readable text is in the binary.
    static constexpr std::array<int, 10> shifted = {'q' + 0, 'R' + 1, '7' + 2, 'v' + 3, 'L' + 4,
                                                    'e' + 5, '2' + 6, 'x' + 7, 'T' + 8, '9' + 9};
    QString password;
    for (std::size_t i = 0; i < shifted.size(); ++i)
        password += QChar(static_cast<char16_t>(shifted[i] - static_cast<int>(i)));
    return password;
}

QByteArray passwordHash(const QByteArray& salt, const QString& password) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(salt);
    hash.addData(password.toUtf8());
    return hash.result().toHex();
}
