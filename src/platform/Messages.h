#pragma once

#include <QString>

// Every message box of the program goes through here, so that tests and scripts can read the
// messages instead of a dialog (TAVLIN_MESSAGES=FILE appends them to FILE, one per line).

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer present(const QString& text, MessageIcon icon,
                                  MessageButtons buttons) = 0;
};

// The presenter used when TAVLIN_MESSAGES is not set; null restores the console fallback.
void setMessagePresenter(MessagePresenter* presenter);

// The answer a user gets by pressing Enter on a box with these buttons.
MessageAnswer defaultAnswer(MessageButtons buttons);

MessageAnswer ShowMessage(const QString& text, MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok);
MessageAnswer ShowMessage(unsigned stringId, MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok);
// Shows `text` only the first time in this run: for a failure every further attempt would repeat.
void ShowMessageOnce(const QString& text, MessageIcon icon);
