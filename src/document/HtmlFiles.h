#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// File helpers of the document assembly. Templates and generated pages are UTF-8 text.

// The whole template, ending at its first zero byte; nothing when it cannot be read.
std::optional<QString> readTemplate(const QString& path);
// The same as UTF-8 bytes.
std::optional<QByteArray> readTemplateBytes(const QString& path);

// Writes the file anew (replacing an existing one, never through a planted link); false when it
// cannot be written.
bool writeGeneratedFile(const QString& path, const QString& text);
bool writeGeneratedBytes(const QString& path, const QByteArray& bytes);

// A local path as it may stand in an HTML attribute that the browser resolves against a file:
// page: characters that would end the attribute or start a query or fragment are escaped.
QString pathInAttribute(const QString& path);

// Whether a picture's extension from the database keeps its file inside the images folder.
bool isSafeExtension(const QString& extension);
