// sestina-bench: the fast engines next to their literal references, and the
// start-up of the main window. Pairs are named BM_<Subject>_Fast / _Reference.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <clocale>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
