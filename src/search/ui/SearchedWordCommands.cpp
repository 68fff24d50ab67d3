#include "search/ui/SearchedWordCommands.h"

#include "document/ui/TvHtmlView.h"
#include "navigation/ui/TvFormView.h"
#include "platform/CommandTable.h"
#include "platform/ResourceIds.h"
#include "search/SearchExpression.h"
#include "search/ui/CsHledatPage.h"

namespace {
constexpr int kSearchTab = IDD_HLEDAT - IDD_OBSAH;

CsHledatPage* activeSearchPage(const CTvFormView& navView) {
    if (navView.m_nCurPage != kSearchTab)
        return nullptr;
    return dynamic_cast<CsHledatPage*>(navView.GetPage(kSearchTab));
}
} // namespace

void registerSearchedWordCommands(CommandTable& table, CTvFormView& navView,
                                  CTvHtmlView& htmlView) {
    const auto step = [&navView, &htmlView](int id) {
        CsHledatPage* page = activeSearchPage(navView);
        if (!page)
            return;
        const QString expression = page->searchText();
        QStringList words;
        SplitHighlightWords(words, expression);
        if (id == ID_FIND_NEXT)
            htmlView.FindSearchedNext(expression, words);
        else
            htmlView.FindSearchedPrevious(expression, words);
    };
    const auto enabled = [&navView] { return activeSearchPage(navView) != nullptr; };
    table.add(ID_FIND_NEXT, step, enabled);
    table.add(ID_FIND_PREVIOUS, step, enabled);
}
