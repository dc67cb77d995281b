#include "host/StartupScreenshot.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

#include "host/Forms.h"

void ScheduleStartupScreenshot(const std::string& path) {
    // Give the window manager-less server time to map the window and the
    // form time to paint every control (transparent ones paint twice).
    constexpr int kSettleMs = 700;
    QTimer::singleShot(kSettleMs, [path] {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
        if (shot.isNull() || !shot.save(QString::fromStdString(path), "PNG"))
            std::fprintf(stderr, "could not write the screenshot %s\n", path.c_str());
        Application->Terminate();
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));  // wakes the waiting loop
    });
}
