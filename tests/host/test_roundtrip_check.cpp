// The round-trip check itself: it must find the faults it is there for, in
// classes that have them on purpose, and nothing in a sound class.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/services/Colors.h"
#include "roundtrip_check_support.h"

using namespace Orvo;

namespace {

// Sound: every stored default is what the constructor sets.
class TSoundBox : public TCustomControl {
public:
    explicit TSoundBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo() {
        static const TClassInfo info = [] {
            TClassInfo i("TSoundBox", &TCustomControl::StaticClassInfo(),
                         [](TComponent* owner) -> TComponent* { return new TSoundBox(owner); });
            TClassBuilder<TSoundBox>(i)
                .Bool("Flag", &TSoundBox::Flag, &TSoundBox::SetFlag)
                .Default(true)
                .Publish({"Caption", "Color", "Flag", "ParentColor", "TabStop"})
                .StoredDefault("TabStop", TValue::Bool(true));
            return i;
        }();
        return info;
    }
    bool Flag() const { return FFlag; }
    void SetFlag(bool v) { FFlag = v; }

private:
    bool FFlag = true;
};

// The faults this check was written for: a tab stop whose stored default
// says otherwise, and a colour taken from the parent with a stored default.
class TFaultyBox : public TCustomControl {
public:
    explicit TFaultyBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo() {
        static const TClassInfo info = [] {
            TClassInfo i("TFaultyBox", &TCustomControl::StaticClassInfo(),
                         [](TComponent* owner) -> TComponent* { return new TFaultyBox(owner); });
            TClassBuilder<TFaultyBox>(i)
                .Publish({"Caption", "Color", "ParentColor", "TabStop"})
                .StoredDefault("Color", ColorToValue(clWindow));
            return i;
        }();
        return info;
    }
};

// The copy is read back by class name.
const bool kRegistered = [] {
    RegisterClass(TSoundBox::StaticClassInfo());
    RegisterClass(TFaultyBox::StaticClassInfo());
    return true;
}();

bool Mentions(const std::vector<std::string>& faults, const std::string& text) {
    for (const std::string& f : faults)
        if (f.find(text) != std::string::npos) return true;
    return false;
}

TEST(RoundTripCheck, FindsNothingInASoundClass) {
    roundtrip::TChecker checker(TSoundBox::StaticClassInfo());
    EXPECT_EQ(roundtrip::Lines(checker.CheckDefaults()), "");
    EXPECT_EQ(roundtrip::Lines(checker.CheckRoundTrips()), "");
}

TEST(RoundTripCheck, FindsAStoredDefaultTheConstructorDoesNotSet) {
    const std::vector<std::string> faults = roundtrip::TChecker(TFaultyBox::StaticClassInfo()).CheckDefaults();
    EXPECT_TRUE(Mentions(faults, "TFaultyBox.TabStop: the stored default is False but the constructor sets True"))
        << roundtrip::Lines(faults);
}

TEST(RoundTripCheck, FindsValuesLostOnTheWayThroughAForm) {
    const std::vector<std::string> faults = roundtrip::TChecker(TFaultyBox::StaticClassInfo()).CheckRoundTrips();
    // False equals the stored default and is left out; True comes back.
    EXPECT_TRUE(Mentions(faults, "TFaultyBox.TabStop = False: TabStop was False, read back True")) << roundtrip::Lines(faults);
    // The window colour equals the stored default and is left out; the
    // parent's yellow comes back.
    EXPECT_TRUE(Mentions(faults, "TFaultyBox.Color = clWindow: Color was clWindow, read back clYellow")) << roundtrip::Lines(faults);
}

}  // namespace
