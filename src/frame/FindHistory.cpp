#include "frame/FindHistory.h"

void addToFindHistory(QStringList& history, const QString& text) {
    if (history.size() >= kFindHistorySize)
        history.removeAt(kFindHistorySize - 1);
    for (const QString& entry : history)
        if (entry.compare(text, Qt::CaseInsensitive) == 0)
            return;
    history.prepend(text);
}
