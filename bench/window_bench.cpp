// Cost of recomputing the report in the real main window: the whole report rebuilt and
// formatted in the box, with and without painting it.
#include "platform/number_box.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QSignalBlocker>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <random>

namespace {

using zefnaro::MainWindow;

MainWindow* window() {
    static MainWindow* w = [] {
        auto* created = new MainWindow;
        created->show();
        QApplication::processEvents();
        return created;
    }();
    return w;
}

// Puts a number in the box without running the change handlers.
void setNumber(MainWindow* w, int n) {
    auto* box = w->findChild<zefnaro::NumberBox*>(QStringLiteral("numberBox"));
    const QSignalBlocker quiet(box);
    box->setText(QString::number(n));
}

void run(benchmark::State& state, bool random, bool paint) {
    MainWindow* w = window();
    auto* view = w->findChild<QTextEdit*>(QStringLiteral("reportView"))->viewport();
    std::mt19937 gen(1);
    std::uniform_int_distribution<int> pick(1, 999'999'999);
    setNumber(w, 999'999'999);
    for (auto _ : state) {
        if (random) {
            state.PauseTiming();
            setNumber(w, pick(gen));
            state.ResumeTiming();
        }
        w->recompute();
        if (paint) view->repaint();
    }
}

void Recompute999999999(benchmark::State& s) {
    run(s, false, false);
}
void RecomputeRandom(benchmark::State& s) {
    run(s, true, false);
}
void RecomputeRandomAndPaint(benchmark::State& s) {
    run(s, true, true);
}

} // namespace

// What loading the program's font adds to start-up: reading the file and making
// its family known.
void LoadProjectFont(benchmark::State& s) {
    const QString path = QCoreApplication::applicationDirPath() +
                         QStringLiteral("/../share/fonts/truetype/zefnaro/ZefnaroCoptic-Regular.ttf");
    for (auto _ : s) {
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) s.SkipWithError("font not found");
        benchmark::DoNotOptimize(QFontDatabase::families().size());
        QFontDatabase::removeApplicationFont(id);
    }
}

BENCHMARK(LoadProjectFont)->Unit(benchmark::kMillisecond);
BENCHMARK(Recompute999999999)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecomputeRandom)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecomputeRandomAndPaint)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
