#include "platform/Clock.h"

namespace {
std::function<QDateTime()>& testClock() {
    static std::function<QDateTime()> set;
    return set;
}
} // namespace

QDateTime currentDateTime() {
    return testClock() ? testClock()() : QDateTime::currentDateTime();
}

void setClock(std::function<QDateTime()> clockFunction) {
    testClock() = std::move(clockFunction);
}
