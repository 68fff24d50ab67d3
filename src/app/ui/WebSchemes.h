#pragma once

// Registers the reader's internal URL schemes; must run before the QApplication exists.
void registerWebSchemes();
