#pragma once

#include "navigation/ui/PageFactories.h"

// Every page the reader's navigation pane shows, from every subsystem that has one.
PageFactories readerPageFactories();
