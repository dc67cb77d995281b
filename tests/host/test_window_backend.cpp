// The framework's windows come from the installed window backend and go back
// to it; with no backend, asking for a window is an error, not a crash.
#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "host/framework/ControlWidgets.h"
#include "host/framework/Forms.h"
#include "host/framework/WindowBackend.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

// Hands every request on to the backend it wraps and notes the windows.
class TRecordingBackend final : public TWindowBackend {
public:
    explicit TRecordingBackend(TWindowBackend& inner) : FInner(inner) {}

    std::vector<QWidget*> Created, Connected, Disposed;

    QWidget* CreateHostWindow(TWinControl* control, QWidget* parent, Qt::WindowFlags flags) override {
        Created.push_back(FInner.CreateHostWindow(control, parent, flags));
        return Created.back();
    }
    void ConnectWidget(QWidget* widget) override {
        Connected.push_back(widget);
        FInner.ConnectWidget(widget);
    }
    void DisposeWidget(QWidget* widget) override {
        Disposed.push_back(widget);
        FInner.DisposeWidget(widget);
    }
    void FlushDisposedWidgets() override { FInner.FlushDisposedWidgets(); }
    void RepaintUncoveredArea(QWidget* parent, const QRegion& area) override {
        FInner.RepaintUncoveredArea(parent, area);
    }
    bool PaintOutsideBackground(TWinControl* root, HDC dc) override { return FInner.PaintOutsideBackground(root, dc); }

private:
    TWindowBackend& FInner;
};

// Installs a backend for the length of a test and puts the glue's back.
class TBackendScope {
public:
    explicit TBackendScope(TWindowBackend* backend) : FPrevious(&WindowBackend()) { SetWindowBackend(backend); }
    ~TBackendScope() { SetWindowBackend(FPrevious); }
    TBackendScope(const TBackendScope&) = delete;
    TBackendScope& operator=(const TBackendScope&) = delete;

private:
    TWindowBackend* FPrevious;
};

std::vector<QWidget*> Sorted(std::vector<QWidget*> v) {
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

TEST(WindowBackend, WindowsComeFromTheBackendAndGoBackToIt) {
    TRecordingBackend recorder(WindowBackend());
    TBackendScope scope(&recorder);
    QWidget* formWindow = nullptr;
    QWidget* editWindow = nullptr;
    {
        TForm form(nullptr);
        auto* edit = new TEdit(&form);
        edit->SetParent(&form);
        form.HandleNeeded();
        formWindow = form.Widget();
        editWindow = edit->Widget();
        ASSERT_NE(formWindow, nullptr);
        ASSERT_NE(editWindow, nullptr);
        // The form paints its own window; the edit supplies a line edit,
        // which is only put on the message path.
        EXPECT_EQ(recorder.Created, std::vector<QWidget*>{formWindow});
        EXPECT_EQ(recorder.Connected, (std::vector<QWidget*>{formWindow, editWindow}));
        EXPECT_EQ(ControlOfWidget(editWindow), edit);
        EXPECT_EQ(WidgetOf(edit->Handle()), editWindow);
        EXPECT_TRUE(recorder.Disposed.empty());
    }
    EXPECT_EQ(Sorted(recorder.Disposed), Sorted({formWindow, editWindow}));
    EXPECT_EQ(ControlOfWidget(formWindow), nullptr);
}

TEST(WindowBackend, AWindowWithoutABackendIsAnError) {
    TBackendScope scope(nullptr);
    TForm form(nullptr);
    try {
        form.HandleNeeded();
        FAIL() << "a window was made without a backend";
    } catch (const EComponentError& e) {
        EXPECT_NE(std::string(e.what()).find("No window backend"), std::string::npos) << e.what();
    }
    EXPECT_EQ(form.Widget(), nullptr);
    EXPECT_FALSE(form.HandleAllocated());
}
