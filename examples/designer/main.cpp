// A window made in Qt Designer from OrvoControls widgets (OrderWindow.ui):
// a name, a size, extras, an agreement and an Order button over a gradient
// background, with the signal-slot connections made in the .ui file (the
// name greets, the size picks its price, the agreement enables Order, Order
// places the order here). The program never names a type of the library's
// framework.
//
// With --check [PNG] the program drives the window headless the way a user
// would, with real Qt events (typing, clicks, accelerators, Space), loads the
// same .ui once more at run time through the installed Designer plugin
// (QUiLoader), optionally writes a PNG of the window, and exits 0 only when
// everything answered as it should.
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QUiLoader>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "ui_OrderWindow.h"
#include "widgets/OrvoWidgets.h"

class OrderWindow : public QWidget {
    Q_OBJECT

public:
    OrderWindow() {
        Ui.setupUi(this);
        // The price list follows the size from the start, not only from
        // the first change on.
        Ui.priceList->setCurrentRow(Ui.sizeGroup->currentIndex());
    }

    Ui::OrderWindow Ui;
    QString LastOrder;

public slots:
    void placeOrder() {
        QStringList extras;
        if (Ui.extras->isChecked() && Ui.olives->isChecked()) extras << "olives";
        if (Ui.extras->isChecked() && Ui.mushrooms->isChecked()) extras << "mushrooms";
        LastOrder = QString("%1: %2%3")
                        .arg(Ui.nameEdit->text(), Ui.sizeGroup->items().value(Ui.sizeGroup->currentIndex()).remove('&'),
                             extras.isEmpty() ? QString() : " with " + extras.join(" and "));
    }
};

namespace {

int Fail(const QString& what) {
    std::fprintf(stderr, "orvo_designer_example: %s\n", qPrintable(what));
    return 1;
}

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// A left click where the user would click: on the widget under the point.
void ClickAt(QWidget* window, QWidget* widget, QPoint local) {
    const QPoint at = widget->mapTo(window, local);
    QWidget* target = window->childAt(at);
    if (!target) target = window;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, at));
    Settle();
}

void KeyOnFocus(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : QApplication::activeWindow(), key, mods);
    Settle();
}

// The window QUiLoader builds the .ui file's top level as: a plain widget
// with the slot the file connects Order to.
class LoadedWindow : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
    int Orders = 0;

public slots:
    void placeOrder() { ++Orders; }
};

class OrderLoader : public QUiLoader {
public:
    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
        if (parent || className != "QWidget") return QUiLoader::createWidget(className, parent, name);
        auto* window = new LoadedWindow;
        window->setObjectName(name);
        return window;
    }
};

// The same .ui file built at run time by QUiLoader, through the Designer
// plugin installed with the library.
QString LoadThroughPlugin(const QString& uiFile) {
    OrderLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(ORVO_DESIGNER_PLUGIN_DIR);
    QFile file(uiFile);
    if (!file.open(QIODevice::ReadOnly)) return "cannot read " + uiFile;
    std::unique_ptr<QWidget> window(loader.load(&file));
    if (!window) return "QUiLoader: " + loader.errorString();
    auto* agree = window->findChild<Orvo::CheckBox*>("agree");
    auto* order = window->findChild<Orvo::Button*>("orderButton");
    if (!agree || !order) return "QUiLoader made no Orvo::CheckBox or Orvo::Button";
    agree->setChecked(true);
    if (!order->isEnabled()) return "the .ui file's connection does not work when QUiLoader builds it";
    order->click();
    if (static_cast<LoadedWindow*>(window.get())->Orders != 1) return "Order did not reach the window's slot";
    return QString();
}

int Check(OrderWindow& w, const char* pngPath) {
    w.show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    Settle();
    const auto& ui = w.Ui;

    // Typing a name: the connection in the .ui greets.
    ui.nameEdit->setFocus();
    Settle();
    QTest::keyClicks(QApplication::focusWidget(), "Ada");
    Settle();
    if (ui.greeting->text() != "Ada") return Fail("typing gave the greeting \"" + ui.greeting->text() + "\"");

    // A click on the third size: its price is picked.
    const QSize size = ui.sizeGroup->size();
    ClickAt(&w, ui.sizeGroup, QPoint(2 * size.width() / 3 + 12, size.height() / 2 + 4));
    if (ui.sizeGroup->currentIndex() != 2 || ui.priceList->currentRow() != 2)
        return Fail(QString("a click on Large gave size %1, price row %2")
                        .arg(ui.sizeGroup->currentIndex())
                        .arg(ui.priceList->currentRow()));

    // Alt+O ticks the olives; clearing Extras (a click on its title)
    // disables them, Space on the title enables them again.
    KeyOnFocus(Qt::Key_O, Qt::AltModifier);
    if (!ui.olives->isChecked()) return Fail("Alt+O did not tick the olives");
    ClickAt(&w, ui.extras, QPoint(14, 7));
    if (ui.extras->isChecked() || ui.olives->isEnabled()) return Fail("clearing Extras left the olives enabled");
    KeyOnFocus(Qt::Key_Space);
    if (!ui.extras->isChecked() || !ui.olives->isEnabled()) return Fail("Space on Extras did not enable the olives");

    // Order is disabled until the agreement is ticked (Alt+A).
    if (ui.orderButton->isEnabled()) return Fail("Order is enabled before the agreement");
    KeyOnFocus(Qt::Key_A, Qt::AltModifier);
    if (!ui.orderButton->isEnabled()) return Fail("Alt+A did not enable Order");
    ClickAt(&w, ui.orderButton, QPoint(ui.orderButton->width() / 2, ui.orderButton->height() / 2));
    if (w.LastOrder != "Ada: Large with olives") return Fail("the order was \"" + w.LastOrder + "\"");

    const QString loaded = LoadThroughPlugin(ORVO_ORDER_WINDOW_UI);
    if (!loaded.isEmpty()) return Fail(loaded);

    if (pngPath && !w.grab().save(pngPath)) return Fail(QString("cannot write ") + pngPath);
    std::printf("orvo_designer_example: typed, clicked and pressed through the .ui window: \"%s\"; QUiLoader built it "
                "again through the installed plugin\n",
                qPrintable(w.LastOrder));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (check) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrderWindow window;
    if (check) return Check(window, argc > 2 ? argv[2] : nullptr);
    window.show();
    return app.exec();
}

#include "main.moc"
