#include "search/BackgroundSearch.h"

#include "db/Cancellation.h"
#include "search/SearchJob.h"

#include <QThread>
#include <algorithm>

struct BackgroundSearch::Run {
    quint64 serial = 0;
    std::unique_ptr<SearchJob> job;
    Cancellation cancel;
    std::unique_ptr<QThread> thread;
};

BackgroundSearch::BackgroundSearch(SearchSession& session, QObject* parent)
    : QObject(parent), m_session(session) {}

BackgroundSearch::~BackgroundSearch() {
    for (const std::shared_ptr<Run>& run : m_runs) {
        run->cancel.cancel();
        run->thread->wait();
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
    run->thread.reset(QThread::create([work] { work->job->Run(&work->cancel); }));
    // By serial number: the notice may come after wait() took the run in.
    const quint64 serial = run->serial;
    connect(run->thread.get(), &QThread::finished, this, [this, serial] {
        if (const auto found =
                std::find_if(m_runs.begin(), m_runs.end(),
                             [serial](const auto& r) { return r->serial == serial; });
            found != m_runs.end())
            takeIn(*found);
    });
    m_runs.push_back(run);
    m_pCurrent = run;
    run->thread->start();
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
    run->thread->wait();
    m_runs.erase(std::find(m_runs.begin(), m_runs.end(), run));
    if (run != m_pCurrent)
        return SearchSession::Outcome::Cancelled;
    m_pCurrent.reset();
    const SearchSession::Outcome outcome = m_session.FinishSearch(*run->job);
    emit finished(outcome);
    return outcome;
}
