#pragma once

#include "platform/Messages.h"

#include <QStringList>

// Collects the messages shown while it lives, answering each with the box's default button.
class RecordedMessages : public MessagePresenter {
public:
    RecordedMessages() { setMessagePresenter(this); }
    ~RecordedMessages() override { setMessagePresenter(nullptr); }

    MessageAnswer present(const QString& text, MessageIcon icon, MessageButtons buttons) override {
        texts << text;
        icons << icon;
        return defaultAnswer(buttons);
    }

    QStringList texts;
    QList<MessageIcon> icons;
};
