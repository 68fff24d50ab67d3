#pragma once

#include "platform/RegistryStore.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

using DWORD = std::uint32_t;

// The product key under the user's root; the profile key spelled as the maker spells it.
QString GetProductKey();
// The toolbar-state base, relative to the profile key.
QString GetToolbarStateKey();
// The maker key, where the look index lives.
QString GetMakerKey();
// The profile key of the program's own settings.
QString GetProfileKey();

bool WriteRegDword(const QString& subKey, const QString& valueName, DWORD value, RegistryRoot root);
DWORD ReadRegDword(const QString& subKey, const QString& valueName, DWORD defaultValue,
                   RegistryRoot root);
QString ReadRegString(const QString& subKey, const QString& valueName, RegistryRoot root);

// The program's own settings under the profile key, section by section.
int GetProfileInt(const QString& section, const QString& entry, int defaultValue);
bool WriteProfileInt(const QString& section, const QString& entry, int value);
QByteArray GetProfileBinary(const QString& section, const QString& entry);
bool WriteProfileBinary(const QString& section, const QString& entry, const QByteArray& value);
