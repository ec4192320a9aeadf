// Loaded into the real program as a Qt generic plugin (QT_QPA_GENERIC_PLUGINS=
// baricorprobe, with this folder's parent on QT_PLUGIN_PATH), so that the program
// itself needs no hook. It watches the program's own events and, on stdout:
//   shown <steady clock ns>          when the main window has first been painted
//   open <N> <ns>                    from a click on the main window's button N
//                                    until window TraveN has first been painted
//   peak9 <VmHWM kB> <RssAnon kB> <RssFile kB>
//                                    with the main window and the eight section
//                                    windows open (the peak, then what of the
//                                    resident memory is the program's own heap
//                                    and what is mapped files)
//   derived <N> <ns>                 from F3's entry in window TraveN until its
//                                    derived-properties window has first been
//                                    painted
//   peak <VmHWM kB> <RssAnon kB> <RssFile kB>
//                                    the same with the eight derived windows
//                                    open as well, then it quits.
// With BARICOR_PROBE_START_ONLY set it quits once the main window is shown, so
// that a profiler sees the start alone.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

long long Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long StatusKilobytes(const QByteArray& status, const char* key) {
    const int at = status.indexOf(key);
    return at < 0 ? -1 : std::atol(status.constData() + at + qstrlen(key));
}

void PrintMemory(const char* tag) {
    QFile file("/proc/self/status");
    file.open(QIODevice::ReadOnly);
    const QByteArray status = file.readAll();
    std::printf("%s %ld %ld %ld\n", tag, StatusKilobytes(status, "VmHWM:"), StatusKilobytes(status, "RssAnon:"),
                StatusKilobytes(status, "RssFile:"));
    std::fflush(stdout);
}

QWidget* TopLevel(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name) return top;
    return nullptr;
}

class StartupProbe : public QObject {
public:
    StartupProbe() {
        qApp->installEventFilter(this);
        // A window that never paints must not leave the benchmark waiting.
        QTimer::singleShot(30000, this, [] {
            std::fprintf(stderr, "probe: gave up waiting\n");
            std::_Exit(3);
        });
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() && !painted_ &&
            static_cast<QWidget*>(object)->window()->objectName() == waitingFor_) {
            painted_ = true;
            // Timed once the whole paint (the window and all its controls) is done.
            QTimer::singleShot(0, this, [this] { Reached(Now()); });
        }
        return false;
    }

private:
    // Steps: 1 the main window shown, 2 to N + 1 its N section windows (one
    // per button of the main window), N + 2 to 2N + 1 their derived windows.
    void Reached(long long at) {
        if (next_ == 1) {
            std::printf("shown %lld\n", at);
            shapes_ = CountShapeButtons();
        } else if (next_ <= shapes_ + 1) {
            std::printf("open %d %lld\n", next_ - 1, at - clickedAt_);
        } else {
            std::printf("derived %d %lld\n", next_ - shapes_ - 1, at - clickedAt_);
        }
        std::fflush(stdout);
        if (next_ == 1 && qEnvironmentVariableIsSet("BARICOR_PROBE_START_ONLY")) {
            QCoreApplication::quit();
            return;
        }
        if (next_ == shapes_ + 1) PrintMemory("peak9");
        if (next_ == 2 * shapes_ + 1) {
            PrintMemory("peak");
            QCoreApplication::quit();
            return;
        }
        if (next_ < shapes_ + 1)
            Open(next_);
        else
            OpenDerived(next_ - shapes_);
        ++next_;
    }

    // The main window has a button CommandN for each shape.
    int CountShapeButtons() {
        QWidget* form = TopLevel("Form1");
        int count = 0;
        while (form && form->findChild<QAbstractButton*>(QString("Command%1").arg(count + 1))) ++count;
        return count;
    }

    void Open(int number) {
        QWidget* form = TopLevel("Form1");
        auto* button = form ? form->findChild<QAbstractButton*>(QString("Command%1").arg(number)) : nullptr;
        if (!button) {
            std::fprintf(stderr, "probe: no button Command%d\n", number);
            std::_Exit(2);
        }
        Await(QString("Trave%1").arg(number));
        button->click();
    }

    // F3's entry of section window TraveN.
    void OpenDerived(int number) {
        QWidget* section = TopLevel(QString("Trave%1").arg(number));
        auto* entry = section ? section->findChild<QAction*>("DerivedPropertiesAction") : nullptr;
        if (!entry) {
            std::fprintf(stderr, "probe: Trave%d has no entry for its derived properties\n", number);
            std::_Exit(2);
        }
        Await(QString("DerivedProperties-Trave%1").arg(number));
        entry->trigger();
    }

    void Await(const QString& window) {
        waitingFor_ = window;
        painted_ = false;
        clickedAt_ = Now();
    }

    QString waitingFor_ = "Form1";
    bool painted_ = false;
    int next_ = 1;
    int shapes_ = 0;  // known once the main window is shown
    long long clickedAt_ = 0;
};

}  // namespace

class StartupProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")
public:
    QObject* create(const QString&, const QString&) override { return new StartupProbe(); }
};

#include "StartupProbe.moc"
