// Components (ownership, names, notifications, streaming hooks), string
// lists and lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/framework/Classes.h"
#include "host/framework/Controls.h"

using namespace Orvo;

namespace {

// Appends its name to a shared log when it dies.
class TLoggedComponent : public TComponent {
public:
    TLoggedComponent(TComponent* owner, std::string name, std::vector<std::string>* log)
        : TComponent(owner), FLog(log) {
        SetName(name);
    }
    ~TLoggedComponent() override { FLog->push_back(Name()); }

private:
    std::vector<std::string>* FLog;
};

// Keeps a reference to another component and asks to be told of its death.
class TReferrer : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Target = nullptr;
    void SetTarget(TComponent* c) {
        Target = c;
        if (c) FreeNotification(c);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == Target) Target = nullptr;
    }
};

}  // namespace

TEST(Components, OwnerFreesWhatItOwnsNewestFirst) {
    std::vector<std::string> log;
    {
        TComponent owner(nullptr);
        new TLoggedComponent(&owner, "First", &log);
        auto* second = new TLoggedComponent(&owner, "Second", &log);
        new TLoggedComponent(second, "Grandchild", &log);
        new TLoggedComponent(&owner, "Third", &log);
        EXPECT_EQ(owner.ComponentCount(), 3);
        EXPECT_EQ(owner.Components(1), second);
        EXPECT_EQ(second->ComponentIndex(), 1);
    }
    // Each destructor's own body runs before its owned components go, so
    // "Second" logs before its grandchild dies.
    EXPECT_EQ(log, (std::vector<std::string>{"Third", "Second", "Grandchild", "First"}));
}

TEST(Components, FreeingAnOwnedComponentRemovesItFromItsOwner) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* a = new TLoggedComponent(&owner, "A", &log);
    new TLoggedComponent(&owner, "B", &log);
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0)->Name(), "B");
    EXPECT_THROW(owner.Components(1), EListError);
}

TEST(Components, NamesAreIdentifiersUniqueWithinTheOwner) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Button1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("button1"), EComponentError);  // case-insensitive clash
    EXPECT_THROW(b->SetName("1Button"), EComponentError);
    EXPECT_THROW(b->SetName("Bad Name"), EComponentError);
    EXPECT_EQ(b->Name(), "");
    b->SetName("_Button2");
    EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
    EXPECT_EQ(owner.FindComponent("_button2"), b);
    EXPECT_EQ(owner.FindComponent("Button3"), nullptr);
    a->SetName("Button1");  // its own name again is fine
    // A component of another owner may share the name.
    TComponent other(nullptr);
    auto* c = new TComponent(&other);
    EXPECT_NO_THROW(c->SetName("Button1"));
}

TEST(Components, NoComponentIsCalledNilWhichAReferenceReadsAsNone) {
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    EXPECT_THROW(child->SetName("nil"), EComponentError);
    EXPECT_THROW(child->SetName("Nil"), EComponentError);
    EXPECT_THROW(owner.SetName("NIL"), EComponentError);
    EXPECT_EQ(child->Name(), "");
    child->SetName("nil1");
}

TEST(Components, FreeNotificationClearsReferencesBothWays) {
    TComponent owner(nullptr);
    auto* target = new TComponent(&owner);
    TReferrer referrer(nullptr);  // not a sibling: only the link tells it
    referrer.SetTarget(target);
    delete target;
    EXPECT_EQ(referrer.Target, nullptr);

    // The referrer dying first leaves nothing dangling in the target.
    auto* target2 = new TComponent(&owner);
    {
        TReferrer shortLived(nullptr);
        shortLived.SetTarget(target2);
    }
    delete target2;  // ASan would report a use of the dead referrer here
}

TEST(Components, SiblingsHearOfEachOthersDeathThroughTheirOwner) {
    TComponent owner(nullptr);
    auto* target = new TComponent(&owner);
    auto* referrer = new TReferrer(&owner);
    referrer->Target = target;  // no FreeNotification: the owner passes it on
    delete target;
    EXPECT_EQ(referrer->Target, nullptr);
}

TEST(Components, ControlPopupMenuReferenceIsClearedWhenTheMenuDies) {
    TComponent form(nullptr);
    auto* menu = new TComponent(&form);
    TGraphicControl control(nullptr);
    control.SetPopupMenu(menu);
    EXPECT_EQ(control.PopupMenu(), menu);
    delete menu;
    EXPECT_EQ(control.PopupMenu(), nullptr);
}

TEST(Components, ReadStateMarksReadingAndLoadedEndsLoading) {
    TComponent c(nullptr);
    c.SetComponentStateFlag(csLoading, true);
    bool readingSeen = false;
    c.ReadState([&] { readingSeen = c.ComponentState().Contains(csReading); });
    EXPECT_TRUE(readingSeen);
    EXPECT_FALSE(c.ComponentState().Contains(csReading));
    EXPECT_TRUE(c.ComponentState().Contains(csLoading));
    c.Loaded();
    EXPECT_FALSE(c.ComponentState().Contains(csLoading));

    // A failing read leaves no csReading behind.
    EXPECT_THROW(c.ReadState([] { throw std::runtime_error("bad value"); }), std::runtime_error);
    EXPECT_FALSE(c.ComponentState().Contains(csReading));
}

TEST(Components, DesigningReachesOwnedComponents) {
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
    owner.SetDesigning(false);
    EXPECT_FALSE(child->ComponentState().Contains(csDesigning));
}

TEST(Components, GuardSeesAComponentDie) {
    auto* c = new TComponent(nullptr);
    TComponentGuard guard(c);
    EXPECT_FALSE(guard.Destroyed());
    delete c;
    EXPECT_TRUE(guard.Destroyed());
}

// ---------------------------------------------------------------- strings

TEST(StringList, OnChangeIsRaisedAfterEveryChange) {
    TStringList list;
    int changes = 0;
    int countSeen = -1;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
        countSeen = list.Count();  // raised after the change, so it is visible
    };
    list.Add("Cat");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(countSeen, 1);
    list.Insert(0, "Dog");
    list.SetStrings(1, "Cow");
    list.Delete(0);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(list.Strings(0), "Cow");
    list.Clear();
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(countSeen, 0);
    list.Clear();  // nothing to clear: nothing changed
    EXPECT_EQ(changes, 5);

    list.OnChange = nullptr;  // detached
    list.Add("Pig");
    EXPECT_EQ(changes, 5);
}

TEST(StringList, UpdateBracketRaisesOneChange) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.BeginUpdate();
    list.Add("a");
    list.Add("b");
    list.BeginUpdate();
    list.Add("c");
    list.EndUpdate();
    EXPECT_EQ(changes, 0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    list.BeginUpdate();
    list.EndUpdate();  // nothing changed inside
    EXPECT_EQ(changes, 1);
}

TEST(StringList, AssignCopiesLinesWithOneChange) {
    TStringList source{"Cat", "Dog"};
    TStringList target{"Old"};
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(&source);
    EXPECT_EQ(target.ToVector(), (std::vector<std::string>{"Cat", "Dog"}));
    EXPECT_EQ(changes, 1);
    target.Assign(&target);  // itself: unchanged
    EXPECT_EQ(target.Count(), 2);
    TComponent notAList(nullptr);
    EXPECT_THROW(target.Assign(&notAList), EPropertyError);
}

TEST(StringList, TextWritesCrLfAndReadsAnyLineBreak) {
    TStringList list{"one", "two"};
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\n");
    list.SetText("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"a", "b", "c", "d"}));
    list.SetText("x\n\ny");
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"x", "", "y"}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexOfIgnoresCaseAndBadIndicesThrow) {
    TStringList list{"Cat", "Dog"};
    EXPECT_EQ(list.IndexOf("dOG"), 1);
    EXPECT_EQ(list.IndexOf("Cow"), -1);
    EXPECT_THROW(list.Strings(2), EListError);
    EXPECT_THROW(list.Strings(-1), EListError);
    EXPECT_THROW(list.Insert(3, "x"), EListError);
    EXPECT_THROW(list.Delete(2), EListError);
    TComponent obj(nullptr);
    list.SetObjects(1, &obj);
    EXPECT_EQ(list.IndexOfObject(&obj), 1);
    EXPECT_EQ(list.Objects(0), nullptr);
}

TEST(StringList, StringsPropertyStreamsTheLinesAsAList) {
    TStringList list{"Cat", "It's"};
    const TPropInfo* p = list.ClassInfo().FindPublished("Strings");
    ASSERT_NE(p, nullptr);
    const auto v = p->Get(list);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(*v, TValue::ListOf({TValue::Str("Cat"), TValue::Str("It's")}));

    TStringList copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    p->Set(copy, *v, nullptr);
    EXPECT_TRUE(copy.Equals(list));
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(p->Set(copy, TValue::ListOf({TValue::Int(3)}), nullptr), EPropertyError);
    EXPECT_TRUE(copy.Equals(list));  // a bad list changes nothing

    TStringList empty;
    EXPECT_FALSE(p->Get(empty).has_value());  // nothing to write
}

// ---------------------------------------------------------------- lists

TEST(List, KeepsOrderedReferences) {
    TComponent a(nullptr), b(nullptr), c(nullptr);
    TList<TComponent> list;
    EXPECT_THROW(list.Last(), EListError);
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&b), 1);
    list.Insert(1, &c);
    EXPECT_EQ(list.IndexOf(&c), 1);
    EXPECT_EQ(list.Last(), &b);
    EXPECT_EQ(list.Remove(&a), 0);
    EXPECT_EQ(list.Remove(&a), -1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), &c);
    list.Delete(0);
    EXPECT_EQ(list.Items(0), &b);
    EXPECT_THROW(list.Items(1), EListError);
    EXPECT_THROW(list.Insert(5, &a), EListError);
}

// ---------------------------------------------------------------- accelerators

TEST(Accelerators, CharacterAfterTheFirstSingleAmpersand) {
    EXPECT_TRUE(IsAccel('s', "&Send"));
    EXPECT_TRUE(IsAccel('S', "&send"));
    EXPECT_TRUE(IsAccel('e', "S&end"));
    EXPECT_FALSE(IsAccel('s', "S&end"));
    EXPECT_FALSE(IsAccel('s', "Send"));
    EXPECT_FALSE(IsAccel('b', "A&&B"));   // a doubled ampersand marks nothing
    EXPECT_TRUE(IsAccel('c', "A&&B&C"));  // the first single one counts
    EXPECT_FALSE(IsAccel('d', "&C&D"));   // only the first
    EXPECT_FALSE(IsAccel('x', "Trailing&"));
    EXPECT_EQ(StripHotkey("A&&B &Cat"), "A&B Cat");
}
