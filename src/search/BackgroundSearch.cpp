#include "search/BackgroundSearch.h"

#include "db/Cancellation.h"
#include "search/SearchJob.h"

#include <QMetaObject>
#include <algorithm>
#include <thread>

struct BackgroundSearch::Run {
    quint64 serial = 0;
    std::unique_ptr<SearchJob> job;
    Cancellation cancel;
    std::thread thread;
};

BackgroundSearch::BackgroundSearch(SearchSession& session, QObject* parent)
    : QObject(parent), m_session(session) {}

BackgroundSearch::~BackgroundSearch() {
    for (const std::shared_ptr<Run>& run : m_runs) {
        run->cancel.cancel();
        run->thread.join();
    }
}

std::optional<SearchSession::Outcome> BackgroundSearch::start() {
    cancel();
    SearchSession::Outcome refused = SearchSession::Outcome::Shown;
    std::unique_ptr<SearchJob> job = m_session.BeginSearch(refused);
    if (!job)
        return refused;
    auto run = std::make_shared<Run>();
    run->serial = ++m_nSerial;
    run->job = std::move(job);
    Run* work = run.get();
    const quint64 serial = run->serial;
    m_runs.push_back(run);
    m_pCurrent = run;
    // The work's end is told through the event loop; by serial number, as wait() may have taken
    // the run in already. The destructor joins every thread before the object goes.
    run->thread = std::thread([this, work, serial] {
        work->job->Run(&work->cancel);
        QMetaObject::invokeMethod(
            this,
            [this, serial] {
                const auto found =
                    std::find_if(m_runs.begin(), m_runs.end(),
                                 [serial](const auto& r) { return r->serial == serial; });
                if (found != m_runs.end())
                    takeIn(*found);
            },
            Qt::QueuedConnection);
    });
    return std::nullopt;
}

void BackgroundSearch::cancel() {
    if (!m_pCurrent)
        return;
    m_pCurrent->cancel.cancel();
    m_pCurrent.reset();
}

SearchSession::Outcome BackgroundSearch::wait() {
    if (!m_pCurrent)
        return SearchSession::Outcome::Cancelled;
    return takeIn(m_pCurrent);
}

SearchSession::Outcome BackgroundSearch::takeIn(std::shared_ptr<Run> run) {
    run->thread.join();
    m_runs.erase(std::find(m_runs.begin(), m_runs.end(), run));
    if (run != m_pCurrent)
        return SearchSession::Outcome::Cancelled;
    m_pCurrent.reset();
    const SearchSession::Outcome outcome = m_session.FinishSearch(*run->job);
    emit finished(outcome);
    return outcome;
}
