#pragma once

#include <QObject>
#include <functional>

class QTimer;

// Reads a long list in parts so that the window never stands still: the first screen at once,
// then parts of a few milliseconds each from the event loop.
class SlicedFetch : public QObject {
    Q_OBJECT
public:
    // `fetch(n)` reads up to n further rows and answers whether rows remain; `finished` runs
    // once the last of a fill's later parts is in.
    SlicedFetch(QObject* parent, std::function<bool(int)> fetch, std::function<void()> finished);
    ~SlicedFetch() override;

    // While held, fills read their first part only and wait with the rest: the window's start
    // leaves the event loop to the first page's loading. Released, every waiting fill goes on.
    static void holdLaterParts();
    static void releaseLaterParts();

    // Reads the first part of a fill just started; the rest follows from the event loop.
    void begin();
    // Ends the reading (the fill was started anew or failed).
    void stop();
    // Reads what is left at once (for work that needs the whole list).
    void finish();
    bool isRunning() const;

private:
    void step();
    void continueLater();

    std::function<bool(int)> m_fetch;
    std::function<void()> m_finished;
    QTimer* m_pTimer;
    // The rest of a fill begun while the later parts were held.
    bool m_bWaiting = false;
};
