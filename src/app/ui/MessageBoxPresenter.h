#pragma once

#include "platform/Messages.h"

// Shows the program's messages as modal message boxes over the active window.
class MessageBoxPresenter : public MessagePresenter {
public:
    MessageAnswer present(const QString& text, MessageIcon icon, MessageButtons buttons) override;
};
