#pragma once

class CTvFormView;
class CTvHtmlView;
class CommandTable;

// "Najít další" and "Najít předchozí": step through the words of the search page's expression
// in the shown document. Enabled only while the search page is the pane's active page.
void registerSearchedWordCommands(CommandTable& table, CTvFormView& navView, CTvHtmlView& htmlView);
