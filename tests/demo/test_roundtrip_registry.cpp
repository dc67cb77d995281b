// Every class that form descriptions may name, as this program registers
// them (the framework's, the library's and the demonstration form's): what a
// form stores of it reads back as it was. The registry is walked, so classes
// registered later are checked without a change here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/roundtrip_check_support.h"

using namespace Orvo;

namespace {

std::vector<const TClassInfo*> CreatableComponentClasses() {
    std::vector<const TClassInfo*> out;
    for (const TClassInfo* info : RegisteredClasses())
        if (info->Create && info->InheritsFrom(TComponent::StaticClassInfo())) out.push_back(info);
    return out;
}

TEST(RoundTripRegistry, TheProgramRegistersTheLibraryAndTheFramework) {
    // The walk below is only as good as what it walks.
    for (const char* name : {"TForm", "TPanel", "TOrvoCheckBox", "TOrvoRadioButton", "TOrvoRadioGroup", "TForm1"}) {
        const TClassInfo* info = FindClass(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_TRUE(bool(info->Create)) << name;
    }
}

TEST(RoundTripRegistry, StoredDefaultsAreWhatTheConstructorsSet) {
    std::vector<std::string> faults;
    for (const TClassInfo* info : CreatableComponentClasses()) {
        const std::vector<std::string> found = roundtrip::TChecker(*info).CheckDefaults();
        faults.insert(faults.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(faults.empty()) << roundtrip::Lines(faults);
}

TEST(RoundTripRegistry, StringsWithNulInsideAreKeptWholeOrRefused) {
    std::vector<std::string> faults;
    for (const TClassInfo* info : CreatableComponentClasses()) {
        const std::vector<std::string> found = roundtrip::TChecker(*info).CheckStringsWithNul();
        faults.insert(faults.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(faults.empty()) << roundtrip::Lines(faults);
}

TEST(RoundTripRegistry, EveryPropertyKeepsAChangedValueThroughWriteAndRead) {
    std::vector<std::string> faults;
    for (const TClassInfo* info : CreatableComponentClasses()) {
        const std::vector<std::string> found = roundtrip::TChecker(*info).CheckRoundTrips();
        faults.insert(faults.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(faults.empty()) << roundtrip::Lines(faults);
}

}  // namespace
