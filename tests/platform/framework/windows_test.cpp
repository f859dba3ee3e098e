// Form windows made from a dialog template: controls by name, clicks by
// name, multi-line edit lines, coordinates.
#include <typeinfo>

#include "platform/framework/test_form.h"

namespace {

TEST_F(FormTest, FindsEveryControlOfTheTemplateByName)
{
    struct Case {
        const char* name;
        const std::type_info& type;
        int id;
    };
    const Case cases[] = {
        {"butok", typeid(PushButton), 100},        {"CHECKONE", typeid(CheckBox), 101},
        {"RadioOne", typeid(RadioButton), 102},    {"GRUPPE1", typeid(GroupBox), 103},
        {"TEXT1", typeid(FixedText), 104},         {"EDITNAME", typeid(SingleLineEdit), 105},
        {"KOORDLIST", typeid(CountingEdit), 106},  {"COMFORM", typeid(ComboBox), 107},
        {"SLIDER", typeid(HorizontalSlider), 110},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Control* control = form.GetControl(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(typeid(*control), c.type);
        EXPECT_EQ(control->Handle(), GetDlgItem(form.Handle(), c.id));
        EXPECT_EQ(ObjectOfWindowHandle(control->Handle()), control);
        EXPECT_EQ(control->Owner(), &form);
    }
    EXPECT_EQ(form.GetControl("NOSUCHNAME"), nullptr);
    EXPECT_EQ(form.GetAllChildren().size(), 10u);
    EXPECT_EQ(form.GetControl("TEXT1")->Caption(), "Beschriftung");
}

TEST_F(FormTest, ClickCallsTheOwnersMethodOfTheButtonsNameOnce)
{
    SendMessageA(form.okButton->Handle(), BM_CLICK, 0, 0);
    ApplicationExec();
    EXPECT_EQ(form.okCalls, 1);
    EXPECT_TRUE(form.clicked.empty());
}

TEST_F(FormTest, ClicksWithoutAMethodOfTheirNameReachButtonClick)
{
    for (const char* name : {"BUTOTHER", "CHECKONE", "RADIOONE"})
        SendMessageA(form.GetControl(name)->Handle(), BM_CLICK, 0, 0);
    ApplicationExec();
    EXPECT_EQ(form.clicked, (std::vector<std::string>{"BUTOTHER", "CHECKONE", "RADIOONE"}));
    EXPECT_EQ(form.okCalls, 0);
}

TEST_F(FormTest, SelectionsAndFocusChangesReachTheOwner)
{
    auto* combo = static_cast<ComboBox*>(form.GetControl("COMFORM"));
    combo->FillUsing({{"X Y Z", 1}, {"Lon Lat", 3}});
    combo->SetCurrentItemNo(1);
    EXPECT_TRUE(form.selected.empty());
    SendMessageA(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(form.selected, std::vector<std::string>{"COMFORM"});
    EXPECT_EQ(combo->Value(), 3);

    SetFocus(form.GetControl("EDITNAME")->Handle());
    SetFocus(form.list->Handle());
    SetFocus(form.okButton->Handle());
    EXPECT_EQ(form.focus, (std::vector<std::string>{"EDITNAME+", "EDITNAME-", "KOORDLIST+", "KOORDLIST-"}));
}

// A refill is drawn once, after the last row; a hidden box stays hidden.
TEST_F(FormTest, ARefillKeepsTheBoxShownOrHiddenAndFindsValuesByNumber)
{
    auto* combo = static_cast<ComboBox*>(form.GetControl("COMFORM"));
    for (const bool shown : {true, false}) {
        ShowWindow(combo->Handle(), shown ? SW_SHOW : SW_HIDE);
        combo->FillUsing({{"X Y Z", 1}, {"Lon Lat", 3}, {"UTM", 7}});
        EXPECT_EQ(IsWindowVisible(combo->Handle()) != FALSE, shown);
        EXPECT_TRUE(combo->SetValue(7));
        EXPECT_EQ(combo->CurrentText(), "UTM");
        EXPECT_FALSE(combo->SetValue(2));
        ApplicationExec();
        EXPECT_FALSE(GetUpdateRect(combo->Handle(), nullptr, FALSE)) << "drawn, shown " << shown;
    }
}

TEST_F(FormTest, GetLineGivesLinesWithoutLineEnds)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {""}},
        {"one", {"one"}},
        {"1 2 3\r\n4 5 6", {"1 2 3", "4 5 6"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form.list->SetTextValue(c.text);
        ASSERT_EQ(form.list->LineCount(), static_cast<int>(c.lines.size()));
        for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(form.list->GetLine(static_cast<int>(i) + 1), c.lines[i]);
        EXPECT_EQ(form.list->GetLine(0), "");
        EXPECT_EQ(form.list->GetLine(static_cast<int>(c.lines.size()) + 1), "");
        EXPECT_EQ(form.list->TextValue(), c.text);
    }
}

TEST_F(FormTest, LargeListIsServedFromOneCopyUntilTheTextChanges)
{
    std::string text;
    for (int i = 1; i <= 30000; ++i) text += std::to_string(i) + " 1.5 2.5 3.5\r\n";
    text += "last";
    form.list->SetTextLimit(1000000);
    form.list->SetTextValue(text);

    int before = form.list->messages;
    ASSERT_EQ(form.list->LineCount(), 30001);
    for (int n = 1; n <= 30000; ++n) ASSERT_EQ(form.list->GetLine(n), std::to_string(n) + " 1.5 2.5 3.5");
    EXPECT_EQ(form.list->GetLine(30001), "last");
    EXPECT_LE(form.list->messages - before, 4);

    // Typing into the field changes the text behind the copy.
    SendMessageA(form.list->Handle(), EM_SETSEL, 0, 0);
    SendMessageA(form.list->Handle(), WM_CHAR, 'x', 0);
    EXPECT_EQ(form.list->GetLine(1), "x1 1.5 2.5 3.5");
}

TEST_F(FormTest, OriginIsMeasuredUpwardFromTheLowerLeftOfTheOwnerCanvas)
{
    Control* text = form.GetControl("TEXT1");
    Dimension size = text->Size();
    int canvasHeight = form.CanvasArea().Height();

    text->SetOrigin({10, 20});
    EXPECT_EQ(text->Origin(), Point(10, 20));
    RECT rect{};
    GetWindowRect(text->Handle(), &rect);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.bottom, canvasHeight - 20);

    // A new size keeps the lower-left corner where it is.
    text->SetSize({size.width + 30, size.height + 10});
    EXPECT_EQ(text->Origin(), Point(10, 20));
    EXPECT_EQ(text->Size(), Dimension(size.width + 30, size.height + 10));

    // The form itself in the frame's canvas.
    form.SetOrigin({0, 19});
    EXPECT_EQ(form.Origin(), Point(0, 19));
    GetWindowRect(form.Handle(), &rect);
    MapWindowPoints(nullptr, frame.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.bottom, frame.CanvasArea().Height() - 19);
}

TEST_F(FormTest, ComboBoxServesItsEntriesByNumberValueAndText)
{
    auto* combo = static_cast<ComboBox*>(form.GetControl("COMFORM"));
    combo->FillUsing({{"X Y Z", 1}, {"Lon Lat", 3}, {"UTM", 20}});
    EXPECT_EQ(combo->ItemCount(), 3);
    EXPECT_EQ(combo->CurrentItemNo(), 0);
    EXPECT_EQ(combo->Value(), 0);

    combo->SetCurrentItemNo(2);
    EXPECT_EQ(combo->CurrentItemNo(), 2);
    EXPECT_EQ(combo->Value(), 3);
    EXPECT_EQ(combo->CurrentText(), "Lon Lat");

    EXPECT_TRUE(combo->SetValue(20));
    EXPECT_EQ(combo->CurrentItemNo(), 3);
    EXPECT_FALSE(combo->SetValue(7));

    combo->FillUsing({{"Bessel", 5}});
    EXPECT_EQ(combo->ItemCount(), 1);
    EXPECT_EQ(combo->CurrentItemNo(), 0);
}

TEST_F(FormTest, RepaintOnlyInvalidates)
{
    struct Painted : TopAppWindow {
        void Expose(ExposeEvent&) override { ++exposes; }
        int exposes = 0;
    } window;
    window.Show();
    ApplicationExec();
    int before = window.exposes;
    window.Repaint();
    EXPECT_EQ(window.exposes, before);
    ApplicationExec();
    EXPECT_EQ(window.exposes, before + 1);
}

TEST_F(FormTest, NotificationWithoutDataIsIgnored)
{
    EXPECT_EQ(SendMessageA(form.Handle(), WM_NOTIFY, 0, 0), 0);
}

// A multi-line edit posts a close request to its parent on Esc: a form in its
// owner's canvas stays, a top-level form closes as a window does.
TEST_F(FormTest, OnlyATopLevelFormEndsOnACloseRequest)
{
    PostMessageA(form.list->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
    ApplicationExec();
    EXPECT_TRUE(IsWindow(form.Handle()));

    TestForm alone(nullptr);
    const HWND handle = alone.Handle();
    ASSERT_TRUE(IsWindow(handle));
    SendMessageA(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(alone.Handle(), nullptr);
}

TEST_F(FormTest, HandlesOfDestroyedWindowsHaveNoObject)
{
    HWND formHandle = form.Handle();
    HWND textHandle = form.GetControl("TEXT1")->Handle();
    form.Destroy();
    EXPECT_EQ(form.Handle(), nullptr);
    EXPECT_EQ(ObjectOfWindowHandle(formHandle), nullptr);
    EXPECT_EQ(ObjectOfWindowHandle(textHandle), nullptr);
    EXPECT_EQ(form.GetControl("TEXT1")->Handle(), nullptr);
}

}  // namespace
