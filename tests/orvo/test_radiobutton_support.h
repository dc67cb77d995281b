#pragma once
// Fixtures for the radio button and radio group tests: a form with three
// radio buttons on it, and event counters. Painting into a bitmap and text
// measuring come from the check box's support header.

#include <gtest/gtest.h>

#include "test_checkbox_support.h"

using namespace Orvo;

namespace radio_test {

using namespace checkbox_test;

// A borderless form at (0, 0), 240 x 140, with three radio buttons A, B, C
// in a column at x 10 (y 10, 35, 60), each 97 x 19 with a colour of its own
// and AutoSize off. Not shown until Show().
struct TRadioForm {
    TForm Form{nullptr};
    TOrvoRadioButton* A = nullptr;
    TOrvoRadioButton* B = nullptr;
    TOrvoRadioButton* C = nullptr;

    TRadioForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 240, 140);
        Form.SetColor(kFormColour);
        A = Add("&Apple", 10);
        B = Add("Banana", 35);
        C = Add("Cherry", 60);
    }
    ~TRadioForm() { SetCaptureControl(nullptr); }

    TOrvoRadioButton* Add(const std::string& caption, int top) {
        auto* b = new TOrvoRadioButton(&Form);
        b->SetParent(&Form);
        b->SetBounds(10, top, 97, 19);
        b->SetAutoSize(false);
        b->SetCaption(caption);
        b->SetColor(kBoxColour);
        return b;
    }

    void Show() {
        ShowFormForAutomation(&Form);
        MoveMouse(&Form, Point(225, 130));
        MoveMouse(&Form, Point(230, 135));
    }
};

struct TRadioEvents {
    int Clicks = 0, Downs = 0, Enters = 0, Exits = 0;
    void Attach(TOrvoRadioButton* b) {
        b->OnClick = [this](TObject*) { ++Clicks; };
        b->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++Downs; };
        b->OnMouseEnter = [this](TObject*) { ++Enters; };
        b->OnMouseExit = [this](TObject*) { ++Exits; };
    }
};

}  // namespace radio_test
