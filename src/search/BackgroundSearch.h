#pragma once

#include "search/SearchSession.h"

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

// Runs the searches of a session on threads of their own, so that the window stays alive and a
// search can be cancelled: only the newest search counts, and a search that was cancelled or
// overtaken by a newer one never reaches the session.
class BackgroundSearch : public QObject {
    Q_OBJECT
public:
    explicit BackgroundSearch(SearchSession& session, QObject* parent = nullptr);
    // Cancels what still runs and waits for it to stop.
    ~BackgroundSearch() override;

    // Starts a search of the session's dialog data, cancelling one that still runs. The input is
    // checked at once: nothing when the search has started, else why the input was refused (its
    // message shown).
    std::optional<SearchSession::Outcome> start();
    // Stops the search that runs: the session keeps what it had; nothing is signalled.
    void cancel();
    bool isRunning() const { return m_pCurrent != nullptr; }
    // Waits until the search that runs has been taken in (for the command line and tests).
    SearchSession::Outcome wait();

signals:
    // The newest search has ended and the session has taken it in.
    void finished(SearchSession::Outcome outcome);

private:
    struct Run;
    // Ends a run whose work is done: the newest goes into the session.
    SearchSession::Outcome takeIn(std::shared_ptr<Run> run);

    SearchSession& m_session;
    std::shared_ptr<Run> m_pCurrent;
    // Every run whose thread has not ended yet, the cancelled ones too.
    std::vector<std::shared_ptr<Run>> m_runs;
    quint64 m_nSerial = 0;
};
