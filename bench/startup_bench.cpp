// Time from process start to the first painted frame of the main window, against a minimal Qt Widgets
// window started the same way in the same run. Both are this program re-run as a child on the
// offscreen platform; the child reports the moment its window's first frame was painted on the
// machine's monotonic clock, which the parent compares with the moment it started the child.
//
// Prints one line per run, the medians and, last, ratio=<main window median / minimal median>.

#include "app/MainWindow.h"
#include "app/OrvandoApp.h"
#include "platform/UserDefaults.h"
#include "views/WelcomeView.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int rounds = 9;

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reports the first frame of one window: once its first paint has been flushed, prints the time
// and ends the program.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::fprintf(stderr, "paint %lld\n", (long long)nowNs());
            // Queued behind the rest of this paint pass: the children and the flush to the screen.
            QTimer::singleShot(0, [] {
                std::printf("painted %lld\n", static_cast<long long>(nowNs()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int runMinimal(int argc, char **argv)
{
    std::fprintf(stderr, "main %lld\n", (long long)nowNs());
    QApplication application(argc, argv);
    std::fprintf(stderr, "qapp %lld\n", (long long)nowNs());
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(u"Hello"_s));
    window.resize(MainWindow::defaultSize());
    new FirstFrame(&window);
    window.show();
    return QApplication::exec();
}

int runOrvando(int argc, char **argv)
{
    std::fprintf(stderr, "main %lld\n", (long long)nowNs());
    QApplication application(argc, argv);
    std::fprintf(stderr, "qapp %lld\n", (long long)nowNs());
    QApplication::setApplicationName(u"Orvando"_s);
    // A returning user: the welcome sheet would come after the first frame anyway.
    UserDefaults::setStandardLocation(qEnvironmentVariable("STARTUP_BENCH_DEFAULTS"));
    UserDefaults::standard().setBool(WelcomeView::hasSeenWelcomeKey(), true);
    OrvandoApp app;
    QWidget *window = app.newWindow();
    std::fprintf(stderr, "window %lld\n", (long long)nowNs());
    new FirstFrame(window);
    return QApplication::exec();
}

// Starts this program as a child in mode; the milliseconds until its first frame, if it got there.
std::optional<double> timeChild(const QString &program, const QString &mode, const QString &defaults)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"STARTUP_BENCH_DEFAULTS"_s, defaults);
    env.remove(u"POSTHOG_API_KEY"_s);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = nowNs();
    child.start(program, { u"--child"_s, mode });
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("painted "))
            return double(line.mid(8).toLongLong() - started) / 1e6;
    }
    return std::nullopt;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    return values.size() % 2 ? values.at(mid) : (values.at(mid - 1) + values.at(mid)) / 2;
}

} // namespace

#include "views/RootView.h"
#include "views/AppCard.h"
#include "views/AppDetailView.h"
#include "engine/InstallEngine.h"
#include "catalog/Catalog.h"
#include "telemetry/Analytics.h"
#include <QElapsedTimer>
int runProfile(int argc, char **argv)
{
    QElapsedTimer t; t.start();
    QApplication application(argc, argv);
    qInfo("app %.2f", t.nsecsElapsed()/1e6); t.restart();
    UserDefaults::setStandardLocation(qEnvironmentVariable("STARTUP_BENCH_DEFAULTS"));
    bool seen = UserDefaults::standard().boolValue(WelcomeView::hasSeenWelcomeKey());
    qInfo("defaults read %d %.2f", seen, t.nsecsElapsed()/1e6); t.restart();
    Analytics::shared();
    qInfo("analytics %.2f", t.nsecsElapsed()/1e6); t.restart();
    Environment env = Environment::system();
    qInfo("env %.2f", t.nsecsElapsed()/1e6); t.restart();
    auto *e = new InstallEngine(env);
    qInfo("engine %.2f", t.nsecsElapsed()/1e6); t.restart();
    e->refreshInstalledStatus(Catalog::v1());
    qInfo("refresh %.2f", t.nsecsElapsed()/1e6); t.restart();
    QList<AppCard*> cards; for (const auto &a : Catalog::curated()) cards.append(new AppCard(a, e));
    qInfo("16 cards %.2f", t.nsecsElapsed()/1e6); t.restart();
    RootView::Options o; o.cardFactory = [](const CatalogApp &, InstallEngine *) { return new QWidget; };
    auto *v = new RootView(o); qInfo("root no cards %.2f", t.nsecsElapsed()/1e6); t.restart();
    v->resize(1000,680); v->show(); qInfo("root show() %.2f", t.nsecsElapsed()/1e6); t.restart();
    QCoreApplication::processEvents(); qInfo("root processEvents %.2f", t.nsecsElapsed()/1e6); t.restart();
    auto *v2 = new RootView(); qInfo("root2 %.2f", t.nsecsElapsed()/1e6); t.restart();
    v2->resize(1000,680); v2->show(); qInfo("root2 show() %.2f", t.nsecsElapsed()/1e6); t.restart();
    QCoreApplication::processEvents(); qInfo("root2 processEvents %.2f", t.nsecsElapsed()/1e6); t.restart();
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--profile") == 0) return runProfile(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return qstrcmp(argv[2], "minimal") == 0 ? runMinimal(argc, argv) : runOrvando(argc, argv);

    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString program = QCoreApplication::applicationFilePath();
    const QString defaults = dir.filePath(u"defaults.ini"_s);

    // One untimed run of each warms the file cache, so neither pays for first reading the libraries.
    timeChild(program, u"minimal"_s, defaults);
    timeChild(program, u"orvando"_s, defaults);

    QList<double> minimal;
    QList<double> orvando;
    for (int round = 0; round < rounds; ++round) {
        const std::optional<double> a = timeChild(program, u"minimal"_s, defaults);
        const std::optional<double> b = timeChild(program, u"orvando"_s, defaults);
        if (!a || !b) {
            std::fprintf(stderr, "a child did not paint its window\n");
            return 1;
        }
        minimal.append(*a);
        orvando.append(*b);
        std::printf("run %d: minimal %.1f ms, main window %.1f ms\n", round + 1, *a, *b);
    }
    const double minimalMedian = median(minimal);
    const double orvandoMedian = median(orvando);
    std::printf("minimal window first frame: median %.1f ms\n", minimalMedian);
    std::printf("main window first frame: median %.1f ms\n", orvandoMedian);
    std::printf("ratio=%.2f\n", orvandoMedian / minimalMedian);
    return 0;
}
