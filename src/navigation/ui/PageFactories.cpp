#include "navigation/ui/PageFactories.h"

#include "navigation/ui/CsIndexPage.h"
#include "navigation/ui/CsListFormPage.h"
#include "navigation/ui/CsOblibenePage.h"
#include "navigation/ui/CsObsahPage.h"
#include "navigation/ui/CsRejstrikPage.h"
#include "platform/ResourceIds.h"

PageFactories navigationPageFactories() {
    PageFactories factories;
    factories.insert(IDD_OBSAH, [](CTvFormView& host, NavigationApp& app) -> CsFormPage* {
        return new CsObsahPage(host, app);
    });
    for (int nTemplate : {IDD_SMLOUVY, IDD_JUDIKATY})
        factories.insert(nTemplate,
                         [nTemplate](CTvFormView& host, NavigationApp& app) -> CsFormPage* {
                             return new CsListFormPage(nTemplate, host, app);
                         });
    factories.insert(IDD_REJSTRIK, [](CTvFormView& host, NavigationApp& app) -> CsFormPage* {
        return new CsRejstrikPage(host, app);
    });
    factories.insert(IDD_INDEX, [](CTvFormView& host, NavigationApp& app) -> CsFormPage* {
        return new CsIndexPage(host, app);
    });
    factories.insert(IDD_OBLIBENE, [](CTvFormView& host, NavigationApp& app) -> CsFormPage* {
        return new CsOblibenePage(host, app);
    });
    return factories;
}
