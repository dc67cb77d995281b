#include "host/framework/StartupScreenshot.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "host/framework/Forms.h"

namespace Orvo {

void ScheduleStartupScreenshot(const std::string& path) {
    // Give the window manager-less server time to map the window and the
    // form time to paint every control (transparent ones paint twice).
    constexpr int kSettleMs = 700;
    QTimer::singleShot(kSettleMs, [path] {
        QScreen* screen = QGuiApplication::primaryScreen();
        // Only the main form's window, frame included where a window manager
        // draws one: the picture shows the program, not the desktop around it.
        QRect area;
        if (TCustomForm* form = Application->MainForm(); form && form->Widget())
            area = form->Widget()->frameGeometry();
        const QPixmap shot = !screen ? QPixmap()
                             : area.isEmpty() ? screen->grabWindow(0)
                                              : screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (shot.isNull() || !shot.save(QString::fromStdString(path), "PNG"))
            std::fprintf(stderr, "could not write the screenshot %s\n", path.c_str());
        Application->Terminate();
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));  // wakes the waiting loop
    });
}

}  // namespace Orvo
