// The widgets as Qt citizens: size hints from the library's sizes and
// AutoSize, layouts, a disabled ancestor, fonts and palettes set on them or
// an ancestor (and ParentFont/ParentColor saying no), Tab through Qt and
// library widgets and into containers, transparency over a container, and
// QApplication::quit() with library forms and widgets open.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <string>

#include "host/framework/Forms.h"
#include "orvo/OrvoCheckControls.h"
#include "widget_test_support.h"

using namespace Orvo;
using namespace widget_test;

namespace {

TEST(WidgetLayouts, AutoSizeCaptionsAndLibrarySizesInALayout) {
    TShownWindow w;
    auto* layout = new QVBoxLayout(w.Window.get());
    auto* box = new CheckBox("A fairly long caption here");
    auto* fixed = new CheckBox("Fixed");
    fixed->setAutoSize(false);
    auto* memo = new Memo;
    layout->addWidget(box);
    layout->addWidget(fixed);
    layout->addWidget(memo);
    // The caption's width and 24 for the square (the library's AutoSize), the
    // library's height: measured before the box was ever painted.
    auto* library = static_cast<TOrvoCheckBox*>(box->control());
    const QSize hint = box->sizeHint();
    EXPECT_EQ(hint.height(), 19);
    EXPECT_EQ(hint.width(), library->Canvas()->TextWidth("A fairly long caption here") + 24);
    EXPECT_EQ(box->minimumSizeHint(), hint);
    EXPECT_EQ(fixed->sizeHint(), QSize(97, 19));
    w.Show();
    EXPECT_EQ(box->height(), 19);
    EXPECT_EQ(library->Width(), hint.width());
    EXPECT_EQ(library->Height(), 19);
    // The memo takes what is left and its control fills it.
    EXPECT_GT(memo->height(), 89);
    EXPECT_EQ(memo->control()->Width(), memo->width());
    EXPECT_EQ(memo->control()->Height(), memo->height());

    // A longer caption asks the layout for more room.
    box->setText("A caption that is longer than the one before it");
    ProcessPendingPaints();
    EXPECT_EQ(box->sizeHint().width(), library->Canvas()->TextWidth("A caption that is longer than the one before it") + 24);
    EXPECT_EQ(library->Width(), box->sizeHint().width());
}

TEST(WidgetLayouts, AWidgetOutsideALayoutTakesTheSizeItsControlGivesItself) {
    TShownWindow w;
    auto* box = new CheckBox("Short", w.Window.get());
    box->move(20, 30);
    w.Show();
    box->setText("Somewhat longer now");
    ProcessPendingPaints();
    EXPECT_EQ(box->width(), static_cast<TOrvoCheckBox*>(box->control())->Canvas()->TextWidth("Somewhat longer now") + 24);
    EXPECT_EQ(box->pos(), QPoint(20, 30));
    // Caption on the left: the library keeps the right edge still.
    const int right = box->geometry().right();
    box->setAlignment(ControlWidget::LeftJustify);
    box->setText("Short");
    ProcessPendingPaints();
    EXPECT_EQ(box->geometry().right(), right);
    EXPECT_EQ(box->control()->Left(), 0);
}

TEST(WidgetLayouts, ContainersHoldQtWidgetsAndLibraryWidgetsInTheirLayouts) {
    TShownWindow w;
    auto* outer = new QVBoxLayout(w.Window.get());
    auto* group = new GroupBox("Group");
    auto* inside = new QVBoxLayout(group);
    auto* line = new QLineEdit;
    auto* box = new CheckBox("Inside");
    inside->addWidget(line);
    inside->addWidget(box);
    outer->addWidget(group);
    w.Show();
    EXPECT_EQ(line->parentWidget(), group);
    EXPECT_EQ(box->parentWidget(), group);
    // Below the title line and inside the frame, above the library's frame.
    EXPECT_GE(line->y(), QFontMetrics(group->font()).height());
    EXPECT_GE(line->x(), 2);
    EXPECT_TRUE(line->isVisible());
    EXPECT_GE(group->sizeHint().height(), inside->totalSizeHint().height());
    const QWidget* frame = static_cast<TWinControl*>(group->control())->Widget();
    EXPECT_EQ(group->childAt(line->geometry().center()), line) << "the library's window lies beneath";
    EXPECT_NE(frame, nullptr);
}

// A library control given a container widget's control as its parent lies
// in the container as on a form: inside its window, over its picture.
TEST(WidgetLayouts, ContainersHoldLibraryControlsToo) {
    TShownWindow w;
    auto* panel = new Panel(w.Window.get());
    panel->setGeometry(0, 0, 200, 60);
    panel->setColor(QColor(0, 0, 160));
    auto* container = static_cast<TWinControl*>(panel->control());
    auto* raw = new TOrvoCheckBox(container);  // freed with the panel's control
    raw->SetParent(container);
    raw->SetBounds(10, 20, 150, 19);
    raw->SetAutoSize(false);
    raw->SetTransparent(true);
    w.Show();
    ASSERT_NE(raw->Widget(), nullptr);
    EXPECT_TRUE(panel->isAncestorOf(raw->Widget()));
    EXPECT_TRUE(raw->Widget()->isVisible());
    const QImage shot = w.Window->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(10 + 120, 20 + 9)), QColor(0, 0, 160));
}

TEST(WidgetEnabling, ADisabledAncestorDisablesTheControls) {
    TShownWindow w;
    auto* panel = new QWidget(w.Window.get());
    auto* layout = new QVBoxLayout(panel);
    auto* box = new CheckBox("Box");
    auto* group = new GroupBoxWithCheck("Group");
    auto* inner = new Edit(group);
    layout->addWidget(box);
    layout->addWidget(group);
    w.Show();
    ASSERT_TRUE(box->control()->Enabled());

    panel->setEnabled(false);
    EXPECT_FALSE(box->control()->Enabled());
    EXPECT_FALSE(group->control()->Enabled());
    EXPECT_FALSE(inner->control()->Enabled());
    EXPECT_FALSE(static_cast<TWinControl*>(box->control())->Widget()->isEnabled());
    // The library's own rule holds inside: the heading is disabled too.
    EXPECT_FALSE(static_cast<TOrvoGroupBoxWithCheck*>(group->control())->Heading()->Enabled());

    panel->setEnabled(true);
    EXPECT_TRUE(box->control()->Enabled());
    EXPECT_TRUE(inner->control()->Enabled());

    // The widget itself, and the library disabling its control.
    box->setEnabled(false);
    EXPECT_FALSE(box->control()->Enabled());
    box->setEnabled(true);
    box->control()->SetEnabled(false);
    EXPECT_FALSE(box->isEnabled());
    box->control()->SetEnabled(true);
    EXPECT_TRUE(box->isEnabled());
    // Enabled by the library under a disabled ancestor: the ancestor wins.
    panel->setEnabled(false);
    box->control()->SetEnabled(true);
    EXPECT_FALSE(box->control()->Enabled());
    EXPECT_FALSE(box->isEnabled());
}

TEST(WidgetFonts, AnAncestorsFontReachesTheControlUnlessItHasItsOwn) {
    QWidget window;
    auto* box = new CheckBox("Box", &window);
    auto* own = new CheckBox("Own", &window);
    own->setParentFont(false);
    QFont serif("DejaVu Serif");
    serif.setPointSize(14);
    serif.setBold(true);
    window.setFont(serif);
    const TFont* font = box->control()->Font();
    EXPECT_EQ(font->Name(), "DejaVu Serif");
    EXPECT_EQ(font->Size(), 14);
    EXPECT_TRUE(font->Style().Contains(fsBold));
    EXPECT_TRUE(box->parentFont());
    EXPECT_NE(own->control()->Font()->Name(), "DejaVu Serif") << "parentFont false";

    // A font set on the widget is its own, as Font assigned in the library.
    QFont mono("DejaVu Sans Mono");
    mono.setPointSize(9);
    box->setFont(mono);
    EXPECT_EQ(font->Name(), "DejaVu Sans Mono");
    EXPECT_FALSE(box->parentFont());
    window.setFont(serif);
    EXPECT_EQ(font->Name(), "DejaVu Sans Mono");
    box->setParentFont(true);
    EXPECT_EQ(font->Name(), "DejaVu Serif");
}

TEST(WidgetPalettes, TheWindowColourReachesTheControlWhileParentColor) {
    QWidget window;
    auto* box = new CheckBox("Box", &window);
    auto* edit = new Edit(&window);  // its own colour (the window colour of text fields)
    QPalette dark = window.palette();
    dark.setColor(QPalette::Window, QColor(30, 40, 50));
    dark.setColor(QPalette::WindowText, QColor(220, 230, 240));
    window.setPalette(dark);
    EXPECT_EQ(box->color(), QColor(30, 40, 50));
    EXPECT_TRUE(box->parentColor());
    EXPECT_EQ(box->control()->Font()->Color(), TColor(RGB(220, 230, 240)));
    EXPECT_FALSE(edit->parentColor());
    EXPECT_EQ(edit->control()->Color(), clWindow);

    // A colour of its own stops it, and reaches what a container holds.
    auto* panel = new Panel(&window);
    auto* held = new CheckBox("Held", panel);
    panel->setColor(QColor(200, 0, 0));
    EXPECT_FALSE(panel->parentColor());
    EXPECT_EQ(held->color(), QColor(200, 0, 0));
    window.setPalette(QPalette());
    EXPECT_EQ(panel->color(), QColor(200, 0, 0));
    panel->setParentColor(true);
    EXPECT_EQ(panel->color(), window.palette().color(QPalette::Window));
}

// Tab from the line edit before, through the library widgets (into a group
// box with check and out again through the Qt widget it holds, into a panel
// and the Qt button it holds), to the push button after, and back.
TEST(WidgetFocus, TabRunsThroughQtAndLibraryWidgetsAndContainers) {
    TShownWindow w;
    auto* layout = new QVBoxLayout(w.Window.get());
    auto* before = new QLineEdit;
    auto* box = new CheckBox("Box");
    auto* group = new GroupBoxWithCheck("Group");
    auto* held = new QLineEdit(group);
    held->setGeometry(10, 30, 100, 22);
    group->setMinimumHeight(70);
    auto* panel = new Panel;  // a tab stop itself, as the library's panel is
    auto* inPanel = new QPushButton("In panel", panel);
    auto* after = new QPushButton("After");
    for (QWidget* widget : {static_cast<QWidget*>(before), static_cast<QWidget*>(box), static_cast<QWidget*>(group),
                            static_cast<QWidget*>(panel), static_cast<QWidget*>(after)})
        layout->addWidget(widget);
    w.Show();
    before->setFocus();
    ProcessPendingPaints();
    auto focusName = [&]() -> std::string {
        if (before->hasFocus()) return "before";
        if (held->hasFocus()) return "held";
        if (inPanel->hasFocus()) return "inPanel";
        if (after->hasFocus()) return "after";
        if (static_cast<TWinControl*>(box->control())->Focused()) return "box";
        if (static_cast<TOrvoGroupBoxWithCheck*>(group->control())->Heading()->Focused()) return "heading";
        if (static_cast<TWinControl*>(panel->control())->Focused()) return "panel";
        return "elsewhere";
    };
    std::string forward, backward;
    for (int i = 0; i < 7; ++i) {
        Key(before, Qt::Key_Tab);
        forward += focusName() + " ";
    }
    for (int i = 0; i < 7; ++i) {
        Key(before, Qt::Key_Backtab, Qt::ShiftModifier);
        backward += focusName() + " ";
    }
    EXPECT_EQ(forward, "box heading held panel inPanel after before ");
    EXPECT_EQ(backward, "after inPanel panel held heading box before ");
}

TEST(WidgetTransparency, ATransparentControlShowsTheContainerBeneath) {
    TShownWindow w;
    auto* background = new Background(w.Window.get());
    background->setGeometry(0, 0, 200, 100);
    background->setGradientStartColor(QColor(200, 0, 0));
    background->setGradientEndColor(QColor(200, 0, 0));
    auto* box = new CheckBox("", background);
    box->setAutoSize(false);
    box->setGeometry(40, 40, 120, 19);
    box->setTransparent(true);
    auto* plain = new QWidget(w.Window.get());
    plain->setGeometry(0, 120, 200, 60);
    plain->setAutoFillBackground(true);
    QPalette green = plain->palette();
    green.setColor(QPalette::Window, QColor(0, 160, 0));
    plain->setPalette(green);
    auto* overGreen = new CheckBox("", plain);
    overGreen->setAutoSize(false);
    overGreen->setGeometry(40, 20, 120, 19);
    overGreen->setTransparent(true);
    w.Show();
    const QImage shot = w.Window->grab().toImage();
    // Right of the square, where neither the square nor a caption is.
    EXPECT_EQ(QColor(shot.pixel(40 + 100, 40 + 9)), QColor(200, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(40 + 100, 120 + 20 + 9)), QColor(0, 160, 0));
    // The square itself is drawn over it.
    EXPECT_EQ(QColor(shot.pixel(40 + 8, 40 + 9)), QColor(255, 255, 255));

    // A new picture beneath shows at the next paint.
    background->setGradientStartColor(QColor(0, 0, 200));
    background->setGradientEndColor(QColor(0, 0, 200));
    ProcessPendingPaints();
    EXPECT_EQ(QColor(w.Window->grab().toImage().pixel(40 + 100, 40 + 9)), QColor(0, 0, 200));
}

// A screen reader learns of a control in a widget what it learns on a form,
// and finds it inside the widget's window.
TEST(WidgetAccessibility, TheControlAnswersAsOnAForm) {
    TShownWindow w;
    auto* box = new CheckBox("&Send a copy", w.Window.get());
    box->setChecked(true);
    w.Show();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(static_cast<TWinControl*>(box->control())->Widget());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::CheckBox);
    EXPECT_EQ(face->text(QAccessible::Name), "Send a copy");
    EXPECT_TRUE(face->state().checked);
    bool inWindow = false;
    for (QAccessibleInterface* p = face->parent(); p; p = p->parent()) inWindow |= p->object() == w.Window.get();
    EXPECT_TRUE(inWindow);
}

// QApplication::quit() while a library form is shown as a window of its own
// and library widgets are in a main window: the program ends. A form whose
// OnCloseQuery says no keeps it running, as a Qt widget ignoring its close
// event does.
TEST(WidgetQuit, QuitEndsTheProgramWithFormsAndWidgetsOpen) {
    QMainWindow main;
    auto* central = new Background;
    new CheckBox("Box", central);
    main.setCentralWidget(central);
    main.show();
    auto* form = new TForm(Application);
    form->SetBounds(10, 10, 200, 100);
    form->Show();
    bool veto = true;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = !veto; };
    int quits = 0;
    QTimer stopper;
    stopper.setInterval(50);
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        ++quits;
        if (quits == 3) veto = false;
        if (quits > 40) QApplication::exit(7);  // never reached when quit works
        QApplication::quit();
    });
    stopper.start();
    const int status = QApplication::exec();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(quits, 3) << "the vetoed quits kept it running, the third ended it";
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(main.isVisible());
    delete form;
}

}  // namespace
