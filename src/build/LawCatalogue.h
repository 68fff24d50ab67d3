#pragma once

#include <QString>

// How an imported law is filed in the collection, guessed from its front matter.

// The document type from the title ("Zákon …", "Vyhláška …", "Nařízení vlády …"), else from
// `druh` ("ZÁKON" -> "Zákon"), else "Ostatní".
QString lawType(const QString& nazev, const QString& druh);

// The area of law from words of the title ("… o daních z příjmů" -> "Daně a poplatky"),
// "Nezařazeno" when no word fits.
QString lawArea(const QString& nazev);

// The title with its first letter in upper case.
QString lawDocumentName(const QString& nazev);

// The designation from the number: "586/1992 Sb." -> "586/1992".
QString lawDesignation(const QString& citace);
