#include "userdata/StoreFixture.h"

namespace {
using XmlStoreTest = StoreFixture;
} // namespace

TEST_F(XmlStoreTest, ReadingBeforeTheFilesExistGivesNothingAndCreatesNothing) {
    CXmlStore s = store();
    EXPECT_EQ(s.GetNote("Zákon"), QString());
    EXPECT_EQ(s.GetFavourites(), QStringList());
    EXPECT_FALSE(s.IsFavourite("Zákon"));
    EXPECT_FALSE(s.RemoveFavourite("Zákon"));
    EXPECT_FALSE(s.Failed());
    EXPECT_TRUE(m_messages.texts.isEmpty());
    EXPECT_TRUE(QDir(m_data.path()).isEmpty());
}

TEST_F(XmlStoreTest, FirstNoteCreatesTheFileInItsLayout) {
    ASSERT_TRUE(store().SetNote("Zákon o dani", "první\r\ndruhý"));
    // Czech letters in Windows-1250 bytes, the note's line break as CR LF, one entry a line.
    EXPECT_EQ(readBytes(notesPath()),
              kDeclaration + "<tnt:notes version=\"1.0\" xmlns:tnt=\"" + kNotesUri +
                  "\"><tnt:note><tnt:docname>Z\xE1kon o dani</tnt:docname><tnt:doctext>prvn\xED"
                  "\r\ndruh\xFD</tnt:doctext></tnt:note>\r\n</tnt:notes>\r\n");
    EXPECT_EQ(store().GetNote("Zákon o dani"), "první\ndruhý");
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(XmlStoreTest, NotesAreReplacedEmptiedAndKeyedByExactName) {
    CXmlStore s = store();
    ASSERT_TRUE(s.SetNote("Hrad", "a"));
    ASSERT_TRUE(s.SetNote("hrad", "b"));
    ASSERT_TRUE(s.SetNote("Hrad", "c"));
    EXPECT_EQ(s.GetNote("Hrad"), "c");
    EXPECT_EQ(s.GetNote("hrad"), "b");
    EXPECT_EQ(readBytes(notesPath()).count("<tnt:note>"), 2);

    // An emptied note keeps its entry.
    ASSERT_TRUE(s.SetNote("Hrad", ""));
    EXPECT_EQ(s.GetNote("Hrad"), QString());
    EXPECT_TRUE(
        readBytes(notesPath())
            .contains("<tnt:note><tnt:docname>Hrad</tnt:docname><tnt:doctext/></tnt:note>\r\n"));
    ASSERT_TRUE(s.SetNote("Hrad", "zpět"));
    EXPECT_EQ(s.GetNote("Hrad"), "zpět");
}

TEST_F(XmlStoreTest, NoteTextKeepsWhatTheCodePageLacksAndWhatMarkupMeans) {
    const QString text = "€ 中文 😀 <b>&amp;</b> \"x\" 'y'\tz  ";
    ASSERT_TRUE(store().SetNote("N", text));
    const QByteArray bytes = readBytes(notesPath());
    EXPECT_TRUE(bytes.contains("\x80 &#20013;&#25991; &#128512; &lt;b&gt;&amp;amp;&lt;/b&gt;"));
    EXPECT_EQ(store().GetNote("N"), text);
    // Characters no XML file can hold are left out rather than breaking the file.
    ASSERT_TRUE(store().SetNote("N", QString("a") + QChar(1) + "b\fc"));
    EXPECT_EQ(store().GetNote("N"), "abc");
}

TEST_F(XmlStoreTest, FavouritesKeepOrderAndAreAddedOnce) {
    CXmlStore s = store();
    ASSERT_TRUE(s.AddFavourite("Obchodní zákoník"));
    ASSERT_TRUE(s.AddFavourite("Hrad"));
    ASSERT_TRUE(s.AddFavourite("Hrad"));
    EXPECT_EQ(s.GetFavourites(), QStringList({"Obchodní zákoník", "Hrad"}));
    EXPECT_TRUE(s.IsFavourite("Hrad"));
    EXPECT_FALSE(s.IsFavourite("hrad"));
    EXPECT_EQ(readBytes(favouritesPath()),
              favouritesFile(favouriteEntry("Obchodn\xED z\xE1kon\xEDk") + favouriteEntry("Hrad")));
}

TEST_F(XmlStoreTest, AddingAPresentNameRewritesTheFile) {
    // Another tool's layout: one entry, LF line ends, an indented root.
    writeBytes(favouritesPath(), "<?xml version=\"1.0\"?>\n<tfv:favourites version=\"1.0\" "
                                 "xmlns:tfv=\"" +
                                     kFavouritesUri +
                                     "\"><tfv:favourite><tfv:docname>Hrad"
                                     "</tfv:docname></tfv:favourite>\n"
                                     "</tfv:favourites>\n");
    ASSERT_TRUE(store().AddFavourite("Hrad"));
    EXPECT_EQ(readBytes(favouritesPath()), favouritesFile(favouriteEntry("Hrad")));
}

TEST_F(XmlStoreTest, RemovingLeavesTheLineAndAnAbsentNameLeavesTheFile) {
    CXmlStore s = store();
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(s.AddFavourite(name));
    const QByteArray before = readBytes(favouritesPath());
    EXPECT_FALSE(s.RemoveFavourite("b"));
    EXPECT_FALSE(s.Failed());
    EXPECT_EQ(readBytes(favouritesPath()), before);

    EXPECT_TRUE(s.RemoveFavourite("B"));
    EXPECT_EQ(readBytes(favouritesPath()),
              favouritesFile(favouriteEntry("A") + "\r\n" + favouriteEntry("C")));
    EXPECT_EQ(s.GetFavourites(), QStringList({"A", "C"}));
}

TEST_F(XmlStoreTest, DoubleQuotesAreStoredAsApostrophesAndComeBackAsQuotes) {
    CXmlStore s = store();
    ASSERT_TRUE(s.AddFavourite("Zákon \"o\" daních"));
    ASSERT_TRUE(s.AddFavourite("Zákon 'o' daních"));
    // Both spellings are one key.
    EXPECT_EQ(readBytes(favouritesPath()).count("<tfv:favourite>"), 1);
    EXPECT_TRUE(readBytes(favouritesPath())
                    .contains("Z\xE1kon 'o' dan\xED"
                              "ch"));
    EXPECT_TRUE(s.IsFavourite("Zákon 'o' daních"));
    EXPECT_EQ(s.GetFavourites(), QStringList{"Zákon \"o\" daních"});

    ASSERT_TRUE(s.SetNote("Smlouva \"A\"", "text"));
    EXPECT_EQ(s.GetNote("Smlouva 'A'"), "text");
    EXPECT_TRUE(s.RemoveFavourite("Zákon \"o\" daních"));
}

TEST_F(XmlStoreTest, AnEmptyRootIsAnEmptyListWithoutAMessage) {
    writeBytes(favouritesPath(), favouritesFile(""));
    EXPECT_EQ(store().GetFavourites(), QStringList());
    EXPECT_FALSE(store().IsFavourite("x"));
    EXPECT_TRUE(m_messages.texts.isEmpty());
    // An entry without a name child is listed with an empty name.
    writeBytes(favouritesPath(), favouritesFile("<tfv:favourite/>\r\n"));
    EXPECT_EQ(store().GetFavourites(), QStringList{QString()});
}

TEST_F(XmlStoreTest, AWindowsFileRoundTripsByteForByte) {
    // Czech letters of the code page's upper half: ěščřžýáíéůúňťď and capitals.
    const QByteArray name = "\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xF9\xFA\xF2\x9D\xEF \xCC\x8A\xC8";
    const QByteArray favourites =
        favouritesFile(favouriteEntry(name) + favouriteEntry("Druh\xFD z\xE1kon"));
    writeBytes(favouritesPath(), favourites);
    const QString decoded = "ěščřžýáíéůúňťď ĚŠČ";
    EXPECT_TRUE(store().IsFavourite(decoded));
    ASSERT_TRUE(store().AddFavourite(decoded));
    EXPECT_EQ(readBytes(favouritesPath()), favourites);

    const QByteArray notes = kDeclaration + "<tnt:notes version=\"1.0\" xmlns:tnt=\"" + kNotesUri +
                             "\"><tnt:note><tnt:docname>" + name +
                             "</tnt:docname><tnt:doctext>\xF8\xE1"
                             "dek\r\n\xF8\xE1"
                             "dek</tnt:doctext></tnt:note>\r\n</tnt:notes>\r\n";
    writeBytes(notesPath(), notes);
    const QString text = store().GetNote(decoded);
    EXPECT_EQ(text, "řádek\nřádek");
    ASSERT_TRUE(store().SetNote(decoded, QString(text).replace("\n", "\r\n")));
    EXPECT_EQ(readBytes(notesPath()), notes);
}

TEST_F(XmlStoreTest, OtherPrefixesOfTheSameNamespacesWork) {
    writeBytes(favouritesPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<oblibene xmlns=\"" +
                                     kFavouritesUri +
                                     "\" version=\"1.0\">\n"
                                     "  <favourite><docname>Hrad</docname></favourite>\n"
                                     "</oblibene>\n"
                                     "<!-- wrong root name: not a favourites file -->\n");
    // The root element's name is part of the vocabulary: this is not a favourites file.
    EXPECT_FALSE(store().IsFavourite("Hrad"));
    EXPECT_EQ(m_messages.texts, QStringList{notLoaded()});
    m_messages.texts.clear();

    writeBytes(favouritesPath(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<f:favourites "
                                 "xmlns:f=\"" +
                                     kFavouritesUri +
                                     "\" version=\"1.0\">\n"
                                     "  <f:favourite><f:docname>Hrad</f:docname></f:favourite>\n"
                                     "</f:favourites>\n");
    EXPECT_TRUE(store().IsFavourite("Hrad"));
    ASSERT_TRUE(store().AddFavourite("Čáp"));
    EXPECT_EQ(store().GetFavourites(), QStringList({"Hrad", "Čáp"}));
    // The new entry takes the file's own prefix.
    EXPECT_TRUE(readBytes(favouritesPath())
                    .contains("<f:favourite><f:docname>\xC8\xE1p</f:docname></f:favourite>\r\n"));

    writeBytes(notesPath(), "<notes xmlns=\"" + kNotesUri +
                                "\"><note><docname>Hrad</docname><doctext>a</doctext></note>"
                                "</notes>");
    EXPECT_EQ(store().GetNote("Hrad"), "a");
    EXPECT_TRUE(m_messages.texts.isEmpty());
}

TEST_F(XmlStoreTest, TheSamePrefixInAnotherNamespaceIsNotTheFile) {
    writeBytes(favouritesPath(), "<tfv:favourites version=\"1.0\" xmlns:tfv=\"urn:other\">"
                                 "<tfv:favourite><tfv:docname>Hrad</tfv:docname></tfv:favourite>"
                                 "</tfv:favourites>");
    EXPECT_FALSE(store().IsFavourite("Hrad"));
    EXPECT_EQ(m_messages.texts, QStringList{notLoaded()});
    // The list looks for favourites below a root of the namespace only, and finds none.
    EXPECT_EQ(store().GetFavourites(), QStringList());
}

TEST_F(XmlStoreTest, AMalformedFileIsReportedByEveryOperationAndNeverWritten) {
    const QByteArray broken = favouritesFile(favouriteEntry("Hrad")).replace("</tfv:fav", "</x");
    const QByteArray withEntities =
        "<?xml version=\"1.0\"?><!DOCTYPE tnt:notes [<!ENTITY a \"aaaaaaaa\">]>"
        "<tnt:notes version=\"1.0\" xmlns:tnt=\"" +
        kNotesUri + "\"><tnt:note><tnt:docname>&a;</tnt:docname></tnt:note></tnt:notes>";
    writeBytes(favouritesPath(), broken);
    writeBytes(notesPath(), withEntities);
    CXmlStore s = store();
    EXPECT_EQ(s.GetNote("aaaaaaaa"), QString());
    EXPECT_TRUE(s.Failed());
    EXPECT_FALSE(s.SetNote("aaaaaaaa", "x"));
    EXPECT_EQ(s.GetFavourites(), QStringList());
    EXPECT_FALSE(s.IsFavourite("Hrad"));
    EXPECT_FALSE(s.AddFavourite("Hrad"));
    EXPECT_FALSE(s.RemoveFavourite("Hrad"));
    EXPECT_TRUE(s.Failed());
    EXPECT_EQ(m_messages.texts, QStringList(6, notLoaded()));
    EXPECT_EQ(readBytes(favouritesPath()), broken);
    EXPECT_EQ(readBytes(notesPath()), withEntities);
}

TEST_F(XmlStoreTest, AskingOverAndOverShowsTheFailureOnce) {
    writeBytes(favouritesPath(), "not xml");
    CXmlStore quiet = store();
    quiet.SetReportLoadFailureOnce(true);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(quiet.IsFavourite("Hrad"));
        EXPECT_TRUE(quiet.Failed());
    }
    EXPECT_EQ(m_messages.texts, QStringList{notLoaded()});
    // A command the user gives still says why it did nothing.
    EXPECT_FALSE(store().AddFavourite("Hrad"));
    EXPECT_EQ(m_messages.texts.size(), 2);
}

TEST_F(XmlStoreTest, AFileThatCannotBeReadGivesTheSystemsReason) {
    ASSERT_TRUE(QDir(m_data.path()).mkdir("Notes.xml"));
    EXPECT_FALSE(store().SetNote("Hrad", "x"));
    ASSERT_EQ(m_messages.texts.size(), 1);
    EXPECT_TRUE(m_messages.texts[0].startsWith(notLoaded()));
    EXPECT_GT(m_messages.texts[0].size(), notLoaded().size());
}

TEST_F(XmlStoreTest, AFailedSaveIsReportedWithThePathAndFails) {
    // The Data folder itself is missing: the file cannot be created.
    const QString missing = m_data.filePath("missing/Favourites.xml");
    CXmlStore s(m_data.filePath("missing/Notes.xml"), missing);
    EXPECT_FALSE(s.AddFavourite("Hrad"));
    EXPECT_TRUE(s.Failed());
    ASSERT_EQ(m_messages.texts.size(), 1);
    const QString expected = LoadResString(IDS_DATA_FILE_NOT_CREATED).arg(missing);
    EXPECT_TRUE(m_messages.texts[0].startsWith(expected)) << m_messages.texts[0];
    EXPECT_GT(m_messages.texts[0].size(), expected.size());
    EXPECT_TRUE(LoadResString(IDS_DATA_FILE_NOT_CREATED).endsWith(".\n\n "));
}

TEST_F(XmlStoreTest, UndeclaredPrefixesMakeAFileUnreadable) {
    const QByteArray undeclared = "<tfv:favourites version=\"1.0\"><tfv:favourite><tfv:docname>"
                                  "Hrad</tfv:docname></tfv:favourite></tfv:favourites>";
    writeBytes(favouritesPath(), undeclared);
    EXPECT_FALSE(store().AddFavourite("Hrad"));
    EXPECT_EQ(m_messages.texts, QStringList{notLoaded()});
    EXPECT_EQ(readBytes(favouritesPath()), undeclared);
}
