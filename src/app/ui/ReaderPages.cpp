#include "app/ui/ReaderPages.h"

#include "search/ui/CsHledatPage.h"

PageFactories readerPageFactories() {
    PageFactories factories = navigationPageFactories();
    addSearchPages(factories);
    return factories;
}
