// Palettes shared by colour set: the pool itself, and the combo box, whose
// desktop style caches its pictures under the identity of the palette drawn
// with. A window re-created a thousand times must not hand the style a
// thousand new identities (the cache would keep a key for each for good).
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QCommonStyle>
#include <QComboBox>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>
#include <map>
#include <vector>

#include "host/qt/Automation.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/SharedPalettes.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

QPalette PaletteWithBase(QColor base) {
    QPalette p;
    p.setColor(QPalette::Base, base);
    return p;
}

TEST(SharedPalettes, EqualColoursShareOneIdentityInTheCallersColourGroup) {
    TSharedPalettes pool(4);
    // Two palettes built apart have identities of their own.
    QPalette first = PaletteWithBase(Qt::yellow);
    first.setColor(QPalette::Disabled, QPalette::Base, Qt::gray);
    QPalette second = PaletteWithBase(Qt::yellow);
    second.setColor(QPalette::Disabled, QPalette::Base, Qt::gray);
    second.setCurrentColorGroup(QPalette::Disabled);
    ASSERT_NE(first.cacheKey(), second.cacheKey());

    const QPalette a = pool.Shared(first);
    const QPalette b = pool.Shared(second);
    EXPECT_EQ(a.cacheKey(), b.cacheKey());
    EXPECT_EQ(a.color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(b.currentColorGroup(), QPalette::Disabled);
    EXPECT_EQ(b.color(QPalette::Base), QColor(Qt::gray));

    const QPalette c = pool.Shared(PaletteWithBase(Qt::cyan));
    EXPECT_NE(c.cacheKey(), a.cacheKey());
    EXPECT_EQ(c.color(QPalette::Base), QColor(Qt::cyan));
    EXPECT_EQ(pool.Count(), 2u);
}

TEST(SharedPalettes, LeastRecentlyUsedLeavesPastTheCapacity) {
    TSharedPalettes pool(2);
    const qint64 red = pool.Shared(PaletteWithBase(Qt::red)).cacheKey();
    const qint64 green = pool.Shared(PaletteWithBase(Qt::green)).cacheKey();
    pool.Shared(PaletteWithBase(Qt::red));   // red used again: green is now the oldest
    pool.Shared(PaletteWithBase(Qt::blue));  // green leaves
    EXPECT_EQ(pool.Count(), 2u);
    EXPECT_EQ(pool.Shared(PaletteWithBase(Qt::red)).cacheKey(), red);
    EXPECT_NE(pool.Shared(PaletteWithBase(Qt::green)).cacheKey(), green);
}

// Stands in for the desktop style under the combo boxes' own look and notes
// the palette identities a combo box's face is drawn with.
class TFaceRecorder : public QCommonStyle {
public:
    std::map<qint64, QColor> BaseByIdentity;
    int Faces = 0;

    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        if (cc != CC_ComboBox) {
            QCommonStyle::drawComplexControl(cc, option, painter, widget);
            return;
        }
        auto* self = const_cast<TFaceRecorder*>(this);
        ++self->Faces;
        self->BaseByIdentity[option->palette.cacheKey()] = option->palette.color(QPalette::Base);
    }
};

// Puts the recorder under a combo box's look for one test and the desktop
// style back after it.
class TRecorderUnderLook {
public:
    explicit TRecorderUnderLook(QWidget* combo) : FLook(qobject_cast<QProxyStyle*>(combo->style())) {
        if (!FLook) return;
        Recorder = new TFaceRecorder;
        FLook->setBaseStyle(Recorder);  // the look owns it
    }
    ~TRecorderUnderLook() {
        if (FLook) FLook->setBaseStyle(QStyleFactory::create(QApplication::style()->name()));
    }
    TRecorderUnderLook(const TRecorderUnderLook&) = delete;
    TRecorderUnderLook& operator=(const TRecorderUnderLook&) = delete;

    TFaceRecorder* Recorder = nullptr;

private:
    QProxyStyle* FLook;
};

TEST(SharedPalettes, RecreatedComboBoxesDrawWithOneIdentityPerLook) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 300, 100);
    auto* plain = new TComboBox(&form);
    plain->SetParent(&form);
    auto* yellow = new TComboBox(&form);
    yellow->SetTop(40);
    yellow->SetColor(clYellow);
    yellow->SetParent(&form);
    ShowFormForAutomation(&form);

    TRecorderUnderLook under(plain->Widget());
    ASSERT_NE(under.Recorder, nullptr) << "the combo box draws through a look of its own";
    constexpr int kRecreations = 25;
    for (int n = 0; n < kRecreations; ++n) {
        plain->RecreateWnd();
        yellow->RecreateWnd();
        ProcessPendingPaints();
    }

    // Every re-created window painted, with one identity for each of the
    // two looks, which keep their own colours.
    EXPECT_GE(under.Recorder->Faces, 2 * kRecreations);
    ASSERT_EQ(under.Recorder->BaseByIdentity.size(), 2u);
    std::vector<QColor> bases;
    for (const auto& [identity, base] : under.Recorder->BaseByIdentity) bases.push_back(base);
    EXPECT_NE(std::find(bases.begin(), bases.end(), QColor(Qt::yellow)), bases.end());
    EXPECT_NE(std::find(bases.begin(), bases.end(), QColor(Qt::white)), bases.end());
}

}  // namespace
