#pragma once

#include <QHash>
#include <functional>

class CTvFormView;
class CsFormPage;
class NavigationApp;

// Makes the page of one dialog template for the navigation pane. The pane knows only these
// factories, so the subsystems whose pages it shows (search, register, index…) plug in from the
// composition root instead of the pane depending on them.
using PageFactory = std::function<CsFormPage*(CTvFormView& host, NavigationApp& app)>;
using PageFactories = QHash<int, PageFactory>;

// The pages of the navigation subsystem itself: contents, register, contracts, index, court
// decisions and favourites.
PageFactories navigationPageFactories();
