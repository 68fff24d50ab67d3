#pragma once

#include <QString>

// The text the message pane shows for a status request. `nId` is a string-table id (0 when the
// request came as text, as the browser's link targets and progress texts do). Only prompts of
// commands with a string are shown; the idle message id, ids without a string, texts and anything
// naming a "javascript:sestavDoc" link give `idleText` instead.
QString chooseStatusText(unsigned nId, const QString& idleText);

// The parts of a command string "prompt\ntooltip": the status-bar prompt and the tooltip.
QString commandPrompt(const QString& commandString);
QString commandTooltip(const QString& commandString);
