#include "platform/Messages.h"

#include "platform/GuiThread.h"
#include "platform/Strings.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <cstdio>

namespace {
MessagePresenter* g_presenter = nullptr;

void appendToMessageFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QString line = text;
    line.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    file.write(line.toUtf8());
    file.write("\n");
}
} // namespace

void setMessagePresenter(MessagePresenter* presenter) {
    g_presenter = presenter;
}

MessageAnswer defaultAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        break;
    }
    return MessageAnswer::Ok;
}

MessageAnswer ShowMessage(const QString& text, MessageIcon icon, MessageButtons buttons) {
    // Work running on another thread (a search) shows its messages through the window's thread.
    if (QCoreApplication* app = QCoreApplication::instance();
        app && QThread::currentThread() != app->thread()) {
        MessageAnswer answer = defaultAnswer(buttons);
        runOnGuiThread([&] { answer = ShowMessage(text, icon, buttons); });
        return answer;
    }
    const QString messageFile = qEnvironmentVariable("TAVLIN_MESSAGES");
    if (!messageFile.isEmpty()) {
        appendToMessageFile(messageFile, text);
        return defaultAnswer(buttons);
    }
    if (g_presenter)
        return g_presenter->present(text, icon, buttons);
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return defaultAnswer(buttons);
}

MessageAnswer ShowMessage(unsigned stringId, MessageIcon icon, MessageButtons buttons) {
    return ShowMessage(LoadResString(stringId), icon, buttons);
}

void ShowMessageOnce(const QString& text, MessageIcon icon) {
    static QSet<QString> shown;
    if (shown.contains(text))
        return;
    shown.insert(text);
    ShowMessage(text, icon);
}
