#include "app/PrintPdfRequest.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
PrintPdfRequest parse(const QStringList& arguments) {
    return parsePrintPdfRequest(QStringList{QStringLiteral("tavlin")} + arguments,
                                QStringLiteral("/home/u"));
}
} // namespace

TEST(PrintPdfRequest, ReadsFileIdAndDay) {
    EXPECT_FALSE(parse({}).m_bRequested);
    EXPECT_FALSE(parse({QStringLiteral("/register")}).m_bRequested);

    PrintPdfRequest request = parse({"--print-pdf", "out/zakon.pdf", "--id", "12"});
    EXPECT_TRUE(request.m_bRequested);
    EXPECT_EQ(request.m_strError, QString());
    EXPECT_EQ(request.m_strFile, QStringLiteral("/home/u/out/zakon.pdf"));
    EXPECT_EQ(request.m_nId, 12);
    EXPECT_FALSE(request.m_date.isValid());

    request = parse({"--id", "7", "--date", "2006-12-31", "--print-pdf", "/tmp/a.pdf", "--folder",
                     "/opt/demo"});
    EXPECT_EQ(request.m_strError, QString());
    EXPECT_EQ(request.m_strFile, QStringLiteral("/tmp/a.pdf"));
    EXPECT_EQ(request.m_date, QDate(2006, 12, 31));
    EXPECT_EQ(request.m_strFolder, QStringLiteral("/opt/demo"));
}

TEST(PrintPdfRequest, WrongArgumentsGiveTheUsageOrTheBadDate) {
    const QString usage = LoadResString(IDS_PRINT_PDF_USAGE);
    for (const QStringList& arguments :
         {QStringList{"--print-pdf", "a.pdf"}, QStringList{"--print-pdf", "--id", "3"},
          QStringList{"--print-pdf", "a.pdf", "--id", "0"},
          QStringList{"--print-pdf", "a.pdf", "--id", "x"},
          QStringList{"--print-pdf", "a.pdf", "--id", "3", "--colour", "yes"},
          QStringList{"--print-pdf", "a.pdf", "--id"}})
        EXPECT_EQ(parse(arguments).m_strError, usage) << arguments.join(' ').toStdString();
    for (const QString& day :
         {QStringLiteral("2006-02-30"), QStringLiteral("31.12.2006"), QStringLiteral("2006-1-5")})
        EXPECT_EQ(parse({"--print-pdf", "a.pdf", "--id", "3", "--date", day}).m_strError,
                  LoadResString(IDS_PRINT_PDF_BAD_DATE).arg(day));
}
