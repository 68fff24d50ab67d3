#pragma once

#include <QObject>
#include <QWebEnginePage>

// Counts the loads of a page that have started and not yet finished. A load's completion resets
// the view's find state, so tests wait for it before they find. The signals come through the
// event loop, so none is missed when the watch is made right after the page.
class LoadWatch {
public:
    explicit LoadWatch(QWebEnginePage* page) {
        QObject::connect(page, &QWebEnginePage::loadStarted, [this] { ++m_nInFlight; });
        QObject::connect(page, &QWebEnginePage::loadFinished, [this] { --m_nInFlight; });
    }
    LoadWatch(const LoadWatch&) = delete;
    LoadWatch& operator=(const LoadWatch&) = delete;

    bool settled() const { return m_nInFlight <= 0; }

private:
    int m_nInFlight = 0;
};
