// How long the reader's window stands still. A 10 ms heartbeat timer runs while the navigation
// pane fills its lists, switches tabs, refilters, searches and opens the largest document of the
// generated collection; the lateness of a heartbeat is the time the event loop could not serve
// it, so the worst lateness of an operation is its longest freeze.
#include "BenchNavigationApp.h"
#include "app/ui/ReaderPages.h"
#include "db/Cancellation.h"
#include "db/DaoException.h"
#include "navigation/ui/CsListFormPage.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ResourceIds.h"
#include "search/SearchJob.h"
#include "search/ui/CsHledatPage.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <sys/resource.h>
#include <thread>

namespace {
constexpr qint64 kBeatNs = 10'000'000;
constexpr int kTimeoutMs = 120'000;

class Heartbeat {
public:
    Heartbeat() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(int(kBeatNs / 1'000'000));
        QObject::connect(&m_timer, &QTimer::timeout, [this] { beat(); });
        m_clock.start();
        m_timer.start();
    }
    void reset() {
        m_nWorst = 0;
        m_nLast = m_clock.nsecsElapsed();
    }
    double worstMs() const {
        // The freeze that is still going on when the operation ends counts too.
        const qint64 open = m_clock.nsecsElapsed() - m_nLast - kBeatNs;
        return double(std::max(m_nWorst, open)) / 1e6;
    }

private:
    void beat() {
        const qint64 now = m_clock.nsecsElapsed();
        m_nWorst = std::max(m_nWorst, now - m_nLast - kBeatNs);
        m_nLast = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_nLast = 0;
    qint64 m_nWorst = 0;
};

// Runs the event loop for `ms` milliseconds.
void spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Outcome {
    double worstStallMs = 0;
    double tookMs = 0;
    bool finished = false;
};

// Starts `operation` from the event loop and keeps the loop running until `done` holds (checked
// every 5 ms); the heartbeat's worst lateness over that time is the operation's longest freeze.
Outcome measure(Heartbeat& heartbeat, const std::function<void()>& operation,
                const std::function<bool()>& done) {
    spin(50);
    heartbeat.reset();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    Outcome outcome;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > kTimeoutMs) {
            outcome.finished = done();
            outcome.tookMs = double(clock.nsecsElapsed()) / 1e6;
            loop.quit();
        }
    });
    QTimer::singleShot(0, [&] {
        operation();
        poll.start(5);
    });
    loop.exec();
    outcome.worstStallMs = heartbeat.worstMs();
    return outcome;
}

int countRows(Database& database, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(database.handle(), sql, -1, &stmt, nullptr);
    const int count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return count;
}

int listRows(CsFormPage* page) {
    auto* list = page ? page->findChild<QAbstractItemView*>() : nullptr;
    return list && list->model() ? list->model()->rowCount() : -1;
}

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void report(const char* name, const Outcome& outcome) {
    std::printf("%-34s %14.1f %10.1f%s\n", name, outcome.worstStallMs, outcome.tookMs,
                outcome.finished ? "" : "  (did not finish)");
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv) {
    // Settings, messages and generated pages go to folders of the benchmark's own.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", (scratch.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", scratch.path().toUtf8());
    qputenv("TAVLIN_MESSAGES", (scratch.path() + QStringLiteral("/messages.txt")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);

    BenchNavigationApp app;
    try {
        app.m_pDatabase = openBenchCollection(app.m_folders);
    } catch (const DaoException& e) {
        std::fprintf(stderr, "latency_bench: %s\n", qPrintable(e.description()));
        return 1;
    }
    Database& db = *app.m_pDatabase;
    const int contents = countRows(db, "SELECT count(*) FROM dokument WHERE pohled = 1");
    const int byArea = countRows(db, "SELECT count(*) FROM dokument WHERE pohled = 1 AND ID IN "
                                     "(SELECT dokument FROM dokumentOblast WHERE oblast = 3)");
    const int numbered = countRows(db, "SELECT count(*) FROM dokument WHERE pohled = 1 AND "
                                       "norma IS NOT NULL");
    const int largest = countRows(db, "SELECT dokument FROM dokumentSekce GROUP BY dokument "
                                      "ORDER BY count(*) DESC LIMIT 1");
    const long memoryBefore = peakMemoryKiB();

    Heartbeat heartbeat;
    std::printf("%-34s %14s %10s\n", "operation", "worst stall ms", "took ms");
    std::unique_ptr<CTvFormView> view;
    const auto page = [&view](int n) { return view ? view->GetPage(n) : nullptr; };
    report("open the pane, fill the contents",
           measure(
               heartbeat,
               [&] {
                   view = std::make_unique<CTvFormView>(app, readerPageFactories());
                   view->resize(434, 800);
                   view->show();
               },
               [&] { return listRows(page(0)) == contents; }));
    const long memoryContents = peakMemoryKiB();
    // The index tab reads its list (every regulation by number) when it is first shown.
    constexpr int kIndexTab = 4;
    report("show the index, read it all",
           measure(
               heartbeat, [&] { view->GetTabWnd()->setCurrentIndex(kIndexTab); },
               [&] { return listRows(page(kIndexTab)) == numbered; }));
    const long memoryEveryList = peakMemoryKiB();
    view->GetTabWnd()->setCurrentIndex(0);
    const auto printMemory = [&] {
        std::printf("memory: peak resident %ld KiB with the collection open, %ld KiB with the "
                    "contents filled, %ld KiB with every list filled\n",
                    memoryBefore, memoryContents, memoryEveryList);
    };
    // Only the window's memory with its lists filled (to compare with another collection).
    if (qApp->arguments().contains(QStringLiteral("--open-only"))) {
        printMemory();
        return 0;
    }

    auto* contentsPage = dynamic_cast<CsListFormPage*>(page(0));
    report("refill the contents list", measure(
                                           heartbeat, [&] { contentsPage->FillList(QString()); },
                                           [&] { return listRows(page(0)) == contents; }));

    auto* area = qobject_cast<QComboBox*>(page(0)->GetDlgItem(IDC_OBLAST));
    const int areaRow = area ? area->findData(3) : -1;
    report("refilter the contents by an area", measure(
                                                   heartbeat,
                                                   [&] {
                                                       area->setCurrentIndex(areaRow);
                                                       emit area->activated(areaRow);
                                                   },
                                                   [&] { return listRows(page(0)) == byArea; }));

    QTabBar* tabs = view->GetTabWnd();
    int nextTab = 0;
    report("switch through all tabs",
           measure(
               heartbeat,
               [&] {
                   for (int n = 1; n <= tabs->count(); ++n)
                       QTimer::singleShot(
                           20 * n, [&] { tabs->setCurrentIndex(++nextTab % tabs->count()); });
               },
               [&] { return nextTab == tabs->count(); }));

    for (const char* text : {"plátce", "daň", "\"účetní jednotka\""}) {
        CsFormPage* search = page(3);
        auto* box = qobject_cast<QComboBox*>(search->GetDlgItem(IDC_HLEDAT_TEXT));
        auto* button = qobject_cast<QPushButton*>(search->GetDlgItem(IDC_HLEDAT_BUTTON));
        const QString before = search->GetCounterText();
        const QByteArray name = QByteArray("search ") + text;
        report(name.constData(),
               measure(
                   heartbeat,
                   [&] {
                       box->setEditText(QString::fromUtf8(text));
                       button->click();
                   },
                   [&] { return listRows(search) > 0 && search->GetCounterText() != before; }));
    }

    {
        auto* search = dynamic_cast<CsHledatPage*>(page(3));
        auto* box = qobject_cast<QComboBox*>(search->GetDlgItem(IDC_HLEDAT_TEXT));
        auto* button = qobject_cast<QPushButton*>(search->GetDlgItem(IDC_HLEDAT_BUTTON));
        const int rowsBefore = listRows(search);
        const QString before = search->GetCounterText();
        bool cancelled = false;
        bool endedFirst = false;
        // Cancelled 100 ms after it started: the page is idle again with the list it had (on a
        // small collection the search may have ended before).
        const Outcome cancel = measure(
            heartbeat,
            [&] {
                box->setEditText(QStringLiteral("daň"));
                button->click();
                QTimer::singleShot(100, [&] {
                    endedFirst = !search->isSearching();
                    if (!endedFirst)
                        button->click();
                    cancelled = true;
                });
            },
            [&] {
                return cancelled && !search->isSearching() &&
                       (endedFirst ||
                        (listRows(search) == rowsBefore && search->GetCounterText() == before));
            });
        report(endedFirst ? "cancel a search (ended before)" : "cancel a search after 100 ms",
               cancel);
        // At once after the cancel; the cancelled work must not hold it up.
        report("search plátce right after it", measure(
                                                   heartbeat,
                                                   [&] {
                                                       box->setEditText(QStringLiteral("plátce"));
                                                       button->click();
                                                   },
                                                   [&] { return !search->isSearching(); }));
    }

    bool opened = false;
    report("open the largest document",
           measure(
               heartbeat,
               [&] {
                   view->ShowDocument(largest, QStringLiteral("Největší"), QString(), nullptr);
                   opened = true;
               },
               [&] { return opened; }));

    // How soon a cancelled search's own work stops, cancelled while the index is searched and
    // while the found rows are read.
    {
        SearchSession session(&db, app.m_folders.GetIndexFolder());
        session.m_bRemember = false;
        for (const int afterMs : {20, 100, 250, 400}) {
            session.m_strSearchText = QStringLiteral("daň");
            SearchSession::Outcome refused = SearchSession::Outcome::Shown;
            const std::unique_ptr<SearchJob> job = session.BeginSearch(refused);
            Cancellation cancel;
            std::thread worker([&] { job->Run(&cancel); });
            std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
            QElapsedTimer stopping;
            stopping.start();
            cancel.cancel();
            worker.join();
            std::printf("search cancelled after %3d ms: its work stopped %.1f ms after the cancel, "
                        "%s\n",
                        afterMs, double(stopping.nsecsElapsed()) / 1e6,
                        session.FinishSearch(*job) == SearchSession::Outcome::Cancelled
                            ? "outcome cancelled"
                            : "it had already ended");
        }
    }

    std::printf("rows: contents %d, area %d; largest document %d\n", contents, byArea, largest);
    printMemory();
    return 0;
}
