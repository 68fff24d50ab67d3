#pragma once

// The numbers of the window resources: strings of the string table, dialog templates and their
// controls, menus, toolbars and commands. The tables in res/ use the numbers; the code uses these
// names.

// Strings
constexpr unsigned IDS_TITLE = 128;
constexpr unsigned IDS_APP_TITLE = 57344;
constexpr unsigned IDS_IDLE_MESSAGE = 57345;
constexpr unsigned IDS_PICTURE_CAPTION = 57346;
constexpr unsigned IDS_INDICATOR_CAPS = 59137; // then NUM and SCRL
constexpr unsigned IDS_TAB_OBSAH = 61446;      // then the other five tab captions in tab order
constexpr unsigned IDS_NO_DATA_FOLDER = 61452;
constexpr unsigned IDS_NO_INDEX_FOLDER = 61453;
constexpr unsigned IDS_NO_HTML_FOLDER = 61454;
constexpr unsigned IDS_DATABASE_OPEN_FAILED = 61455;
constexpr unsigned IDS_ALL = 61456;
constexpr unsigned IDS_TOOLBAR_STANDARD = 61457;
constexpr unsigned IDS_COLUMN_NORMA = 61458;
constexpr unsigned IDS_COLUMN_DOKUMENT = 61459;
constexpr unsigned IDS_ENTER_SEARCH_TEXT = 61460;
constexpr unsigned IDS_SEARCH_TEXT_TOO_SHORT = 61461;
constexpr unsigned IDS_NOTHING_FOUND = 61463;
constexpr unsigned IDS_FOLDER_NOT_CREATED = 61464;
constexpr unsigned IDS_INVALID_LINK = 61465;
constexpr unsigned IDS_TOOLBAR_HLEDAT = 61466;
constexpr unsigned IDS_FIND_LABEL = 61467;
constexpr unsigned IDS_TEXT_NOT_FOUND = 61468;
constexpr unsigned IDS_CHOOSE_SEARCH_SCOPE = 61469;
constexpr unsigned IDS_INDEX_BY_NUMBER = 61470; // then by name, by amendments, all
constexpr unsigned IDS_DATA_FILE_NOT_CREATED = 61474;
constexpr unsigned IDS_DATA_FILE_NOT_LOADED = 61475;
constexpr unsigned IDS_NO_RECORD_FOR_CHOICE = 61476;
constexpr unsigned IDS_TAB_OBLIBENE = 61487;
constexpr unsigned IDS_NOTHING_FOUND_IN_AMENDMENTS = 64496;
// Descriptions of database failures, followed by the database's own text.
constexpr unsigned IDS_DB_CORRUPT = 61500;
constexpr unsigned IDS_DB_NOT_A_DATABASE = 61501;
constexpr unsigned IDS_DB_CANNOT_OPEN = 61502;
constexpr unsigned IDS_DB_MISSING_TABLE = 61503;
constexpr unsigned IDS_DB_MISSING_COLUMN = 61504;
constexpr unsigned IDS_DB_BUSY = 61505;
constexpr unsigned IDS_DB_READ_ONLY = 61506;
constexpr unsigned IDS_DB_FULL = 61507;
constexpr unsigned IDS_DB_IO_ERROR = 61508;
constexpr unsigned IDS_DB_PERMISSION = 61509;
constexpr unsigned IDS_DB_ERROR = 61510;
constexpr unsigned IDS_TEMPLATE_MISSING = 61511;
constexpr unsigned IDS_WEB_HOST = 61488;
constexpr unsigned IDS_SAVE_PDF_TITLE = 62100;
constexpr unsigned IDS_SAVE_PDF_FILTER = 62101;
constexpr unsigned IDS_CUSTOMIZE_TITLE = 62102; // then the labels and buttons of the dialog
constexpr unsigned IDS_CUSTOMIZE_BARS = 62103;
constexpr unsigned IDS_CUSTOMIZE_BUTTONS = 62104;
constexpr unsigned IDS_CUSTOMIZE_COMMANDS = 62105;
constexpr unsigned IDS_CUSTOMIZE_NEW = 62106;
constexpr unsigned IDS_CUSTOMIZE_RENAME = 62107;
constexpr unsigned IDS_CUSTOMIZE_DELETE = 62108;
constexpr unsigned IDS_CUSTOMIZE_RESET = 62109;
constexpr unsigned IDS_CUSTOMIZE_ADD = 62110;
constexpr unsigned IDS_CUSTOMIZE_REMOVE = 62111;
constexpr unsigned IDS_CUSTOMIZE_UP = 62112;
constexpr unsigned IDS_CUSTOMIZE_DOWN = 62113;
constexpr unsigned IDS_CUSTOMIZE_SEPARATOR = 62114;
constexpr unsigned IDS_CUSTOMIZE_CLOSE = 62115;
constexpr unsigned IDS_USER_TOOLBAR_NAME = 62116;
constexpr unsigned IDS_USER_TOOLBAR_PROMPT = 62117;
constexpr unsigned IDS_USER_TOOLBAR_LIMIT = 62118;
constexpr unsigned IDS_CUSTOMIZE_PICTURE = 62119;
constexpr unsigned IDS_CUSTOMIZE_OWN_PICTURE = 62120;
constexpr unsigned IDS_CUSTOMIZE_SEPARATOR_ITEM = 62121;
constexpr unsigned IDS_CUSTOMIZE_FIND_BOX = 62122;
constexpr unsigned IDS_LOOK_TITLE = 62130;
constexpr unsigned IDS_LOOK_BASIC = 62131; // then the XP and 2003 looks
constexpr unsigned IDS_CANCEL = 62134;
constexpr unsigned IDS_PRINT_PDF_USAGE = 62140;
constexpr unsigned IDS_PRINT_PDF_BAD_DATE = 62141;
constexpr unsigned IDS_PRINT_PDF_FAILED = 62142;
constexpr unsigned IDS_NOTE_CAPTION = 61601;
constexpr unsigned IDS_NOTE_SAVE = 61602;
constexpr unsigned IDS_NOTE_CANCEL = 61603;
constexpr unsigned IDS_INDEX_OUTDATED = 64616;
constexpr unsigned IDS_SEARCH_TOO_MANY_WORDS = 65100;
constexpr unsigned IDS_SEARCH_TEXT_TOO_LONG = 65101;
constexpr unsigned IDS_INDEX_DAMAGED = 65102;
constexpr unsigned IDS_SEARCH_CANCEL = 65200; // the search button while a search runs
constexpr unsigned IDS_SEARCH_CANCEL_TIP = 65201;

// Dialog templates
constexpr int IDD_NAVIGATION = 130;
constexpr int IDD_OBSAH = 131;
constexpr int IDD_REJSTRIK = 132;
constexpr int IDD_SMLOUVY = 133;
constexpr int IDD_HLEDAT = 134;
constexpr int IDD_INDEX = 135;
constexpr int IDD_JUDIKATY = 136;
constexpr int IDD_NOTE = 151;
constexpr int IDD_OBLIBENE = 152;

// Controls of the dialog templates
constexpr int IDC_TAB = 1000;
constexpr int IDC_TYP = 1003;
constexpr int IDC_OBOR = 1005;
constexpr int IDC_TREE = 1006;
constexpr int IDC_HLEDAT_BUTTON = 1010;
constexpr int IDC_IN_TEXT = 1020;
constexpr int IDC_IN_NAME = 1021;
constexpr int IDC_IN_NUMBER = 1022;
constexpr int IDC_OBLAST = 1023;
constexpr int IDC_PAGE_FRAME = 1025;
constexpr int IDC_HLEDAT_TEXT = 1027;
constexpr int IDC_SCOPE_GROUP = 1028;
constexpr int IDC_QUICK_FIND = 1037;
constexpr int IDC_LIST = 1038;
constexpr int IDC_NOTE_TEXT = 1039;
constexpr int IDC_INDEX_CHOICE = 1040;
constexpr int IDC_NOTE_NAME = 1041;
constexpr int IDC_ZOBRAZ = 1046;
constexpr int IDC_ALL_FORMS = 1161;

// Menus and toolbars
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_TOOLBAR_MENU = 138;
constexpr int IDR_HLEDAT_BAR = 142;

// Commands
constexpr int ID_APPLY_LOOK = 29999;
constexpr int ID_USER_TOOLBAR_FIRST = 32771;
constexpr int ID_USER_TOOLBAR_LAST = 32780;
constexpr int ID_LOOK = 32781;
constexpr int ID_CUSTOMIZE = 32782;
constexpr int ID_GO_BACK = 32784;
constexpr int ID_GO_FORWARD = 32785;
constexpr int ID_FIND_NEXT = 32786;
constexpr int ID_FIND_LABEL = 32787;
constexpr int ID_FIND_COMBO = 32788;
constexpr int ID_FIND_IN_TEXT = 32789;
constexpr int ID_START_PAGE = 32791;
constexpr int ID_FIND_PREVIOUS = 32792;
constexpr int ID_NOTE = 32793;
constexpr int ID_EDIT_COPY_ALL = 32794;
constexpr int ID_EDIT_COPY = 32795;
constexpr int ID_FAVOURITE_ADD = 32796;
constexpr int ID_FAVOURITE_REMOVE = 32797;
constexpr int ID_FIXED_LAW_FIRST = 32798; // the fixed laws 32798 to 32808, then 32829
constexpr int ID_FIXED_LAW_LAST = 32808;
constexpr int ID_FIXED_LAW_EXTRA = 32829;
constexpr int ID_VIEW_SEARCHBAR = 32830;
constexpr int ID_HELP = 32832;
constexpr int ID_WEB_ORDER = 32833;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_SAVE_PDF = 32850;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;

constexpr bool isFixedLawCommand(int id) {
    return (id >= ID_FIXED_LAW_FIRST && id <= ID_FIXED_LAW_LAST) || id == ID_FIXED_LAW_EXTRA;
}

// About dialog, system information and crash report
constexpr unsigned IDS_PRODUCT_TITLE = 57346; // the product title, also the picture's caption
constexpr unsigned IDS_RELEASE_LABEL = 61477;
constexpr unsigned IDS_SYSINFO_MEMORY = 61480;
constexpr unsigned IDS_SYSINFO_TITLE = 61481;
constexpr unsigned IDS_SYSINFO_SYSTEM_DISK = 61482;
constexpr unsigned IDS_SYSINFO_PROGRAM_DISK = 61483;
constexpr unsigned IDS_SYSINFO_OS = 61484;
constexpr unsigned IDS_SYSINFO_DATA_ACCESS = 61485;
constexpr unsigned IDS_CRASH_MEMORY = 61490;
constexpr unsigned IDS_CRASH_SYSINFO_TITLE = 64491;
constexpr unsigned IDS_CRASH_SYSTEM_DISK = 64492;
constexpr unsigned IDS_CRASH_PROGRAM_DISK = 64493;
constexpr unsigned IDS_CRASH_OS = 64494;
constexpr unsigned IDS_CRASH_DATA_ACCESS = 64495;
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_SYSTEM_INFO = 147;
constexpr int IDB_ABOUT = 144;
constexpr int IDC_LINK_HAND = 146; // the cursor over the link label
constexpr int IDB_SYSTEM_INFO = 149;
constexpr int IDC_ABOUT_TITLE = 1029;
constexpr int IDC_ABOUT_RELEASE = 1034;
constexpr int IDC_ABOUT_SYSINFO_LINK = 1035;
constexpr int IDC_SYSINFO_TEXT = 1036;
// Reading across time and the look of the document view
constexpr int ID_VALID_ON_LABEL = 32870;
constexpr int ID_VALID_ON = 32871;
constexpr int ID_COMPARE = 32872;
constexpr int ID_ZOOM_IN = 32873;
constexpr int ID_ZOOM_OUT = 32874;
constexpr int ID_ZOOM_RESET = 32875;
constexpr unsigned IDS_VALID_ON_LABEL = 65000;
constexpr unsigned IDS_VALID_ON_TODAY = 65001;
constexpr unsigned IDS_VALID_ON_NOTE = 65002;
constexpr unsigned IDS_COMPARE_NOTE = 65003;
constexpr unsigned IDS_COMPARE_HEADING = 65004;
constexpr unsigned IDS_COMPARE_NO_CHANGE = 65005;
constexpr unsigned IDS_COMPARE_ADDED = 65006;
constexpr unsigned IDS_COMPARE_REMOVED = 65007;
constexpr unsigned IDS_COMPARE_CHANGED = 65008;
constexpr unsigned IDS_COMPARE_TITLE = 65009;
constexpr unsigned IDS_COMPARE_BEFORE = 65010;
constexpr unsigned IDS_COMPARE_AFTER = 65011;
constexpr unsigned IDS_COMPARE_ORDER = 65012;
constexpr unsigned IDS_COMPARE_OK = 65013;
constexpr unsigned IDS_FIND_COUNT = 65014;
constexpr unsigned IDS_LOOK_DARK = 65015;
