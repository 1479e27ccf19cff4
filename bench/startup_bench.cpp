// Time from process start to the first painted frame of the main window, against a minimal Qt Widgets
// window started the same way in the same run. Both are this program re-run as a child on the
// offscreen platform; the child reports the moment its window's first frame was painted on the
// machine's monotonic clock, which the parent compares with the moment it started the child.
//
// Prints one line per run, the medians and, last, ratio=<main window median / minimal median>.

#include "app/MainWindow.h"
#include "app/OrvandoApp.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWindow>

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

// Reports the first frame of one window: once the paint pass that first paints it has been flushed,
// prints the time and ends the program.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_painted = true;
            return false;
        }
        if (m_done || m_delivering)
            return false;
        const bool frame = event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
        if (!frame || !m_window->windowHandle() || watched != static_cast<QObject *>(m_window->windowHandle()))
            return false;
        // Delivered here, so the clock is read after the paint pass and its flush, not before.
        m_delivering = true;
        watched->event(event);
        m_delivering = false;
        if (m_painted) {
            m_done = true;
            std::printf("painted %lld\n", static_cast<long long>(nowNs()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return true;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
    bool m_delivering = false;
    bool m_done = false;
};

int runMinimal(int argc, char **argv)
{
    QApplication application(argc, argv);
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
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Orvando"_s);
    // A returning user: the welcome sheet would come after the first frame anyway.
    UserDefaults::setStandardLocation(qEnvironmentVariable("STARTUP_BENCH_DEFAULTS"));
    if (!UserDefaults::standard().boolValue(SettingsKeys::hasSeenWelcome()))
        UserDefaults::standard().setBool(SettingsKeys::hasSeenWelcome(), true);
    OrvandoApp app;
    QWidget *window = app.newWindow();
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

int main(int argc, char **argv)
{
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
