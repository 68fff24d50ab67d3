// The contents page filled from the generated collection, as the user's click fills it.
#include "BenchNavigationApp.h"
#include "db/DaoException.h"
#include "db/ListConditions.h"
#include "navigation/ui/CsObsahPage.h"
#include "navigation/ui/TvFormView.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

BenchNavigationApp& navigationApp() {
    static BenchNavigationApp app;
    static bool opened = [] {
        try {
            app.m_pDatabase = openBenchCollection(app.m_folders);
        } catch (const DaoException&) {
        }
        return true;
    }();
    (void)opened;
    return app;
}

void fillContents(benchmark::State& state, const QString& filter) {
    BenchNavigationApp& app = navigationApp();
    if (!app.database())
        return state.SkipWithError("no generated collection");
    CTvFormView view(app);
    auto* page = dynamic_cast<CsListFormPage*>(view.GetPage(0));
    for (auto _ : state)
        page->FillList(filter);
}

void BM_FillContents(benchmark::State& state) {
    fillContents(state, QString());
}

void BM_RefillContentsByArea(benchmark::State& state) {
    fillContents(state, joinConditions({baseConditionForTemplate(131), areaCondition(3)}));
}
} // namespace

BENCHMARK(BM_FillContents)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefillContentsByArea)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
