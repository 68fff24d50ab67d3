#include "frame/StatusText.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <gtest/gtest.h>

TEST(StatusText, CommandPromptsShowAndEverythingElseGivesTheIdleText) {
    const QString idle = QStringLiteral("(3/120)");
    // A menu item's string is "prompt\ntooltip": only the prompt shows.
    EXPECT_EQ(chooseStatusText(57607, idle), QStringLiteral("Tisk dokumentu."));
    EXPECT_EQ(chooseStatusText(32784, idle), QStringLiteral("Nastaví na předchozí"));
    // A prompt with an empty tooltip and a third part still shows only its prompt.
    EXPECT_EQ(chooseStatusText(32794, idle), QStringLiteral("Kopírovat celý obsah dokumentu."));
    // Texts (link targets, progress) come without an id.
    EXPECT_EQ(chooseStatusText(0, idle), idle);
    // The idle message id itself, and a favourite's id that has no string.
    EXPECT_EQ(chooseStatusText(IDS_IDLE_MESSAGE, idle), idle);
    EXPECT_EQ(chooseStatusText(30000, idle), idle);
}

TEST(StatusText, CommandStringsSplitIntoPromptAndTooltip) {
    const QString fixedLaw = LoadResString(32808);
    EXPECT_EQ(commandPrompt(fixedLaw),
              QStringLiteral("Zobrazit Zákon o pojistném na sociální zabezpečení."));
    EXPECT_EQ(commandTooltip(fixedLaw),
              QStringLiteral("Zákon o pojistném na sociální zabezpečení"));
    EXPECT_EQ(commandTooltip(LoadResString(32794)), QString());
    EXPECT_EQ(commandPrompt(QStringLiteral("only a prompt")), QStringLiteral("only a prompt"));
    EXPECT_EQ(commandTooltip(QStringLiteral("only a prompt")), QString());
}
