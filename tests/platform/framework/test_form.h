// A form made from the test template TEST_FORM in the way the program's
// layouts are built, on a shown frame window.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"

// Counts the messages that reach the control.
class CountingEdit : public MultiLineEdit {
public:
    using MultiLineEdit::MultiLineEdit;
    LRESULT Dispatch(Event& event) override
    {
        ++messages;
        return MultiLineEdit::Dispatch(event);
    }
    int messages = 0;
};

// A layout in the way the program's forms are built: one control object per
// template item, each with its name.
class TestForm : public DataWindow {
public:
    explicit TestForm(Window* owner) : DataWindow(owner, "TEST_FORM")
    {
        okButton = Add<PushButton>(100, "BUTOK", "OK");
        Add<CheckBox>(101, "CHECKONE", "");
        Add<RadioButton>(102, "RADIOONE", "");
        Add<GroupBox>(103, "GRUPPE1", "");
        Add<FixedText>(104, "TEXT1", "Beschriftung");
        Add<SingleLineEdit>(105, "EDITNAME", "");
        list = Add<CountingEdit>(106, "KOORDLIST", "");
        Add<ComboBox>(107, "COMFORM", "");
        Add<PushButton>(109, "BUTOTHER", "");
        Add<HorizontalSlider>(110, "SLIDER", "");
    }

    template <class T>
    T* Add(int id, const char* name, const char* caption)
    {
        T* control = AddControl<T>(id);
        control->SetHyperLabel({name, caption, "", ""});
        return control;
    }

    bool CallByName(std::string_view name) override
    {
        static const MethodTable<TestForm> table{{"ButOk", &TestForm::ButOk}};
        return table.Call(*this, name) || DataWindow::CallByName(name);
    }
    void ButOk() { ++okCalls; }
    void ButtonClick(ControlEvent& event) override { clicked.push_back(event.NameSym()); }
    void ListBoxSelect(ControlEvent& event) override { selected.push_back(event.NameSym()); }
    void EditFocusChange(EditFocusChangeEvent& event) override
    {
        focus.push_back(event.NameSym() + (event.GotFocus() ? "+" : "-"));
    }

    PushButton* okButton;
    CountingEdit* list;
    int okCalls = 0;
    std::vector<std::string> clicked;
    std::vector<std::string> selected;
    std::vector<std::string> focus;
};

class FormTest : public ::testing::Test {
protected:
    FormTest() : frame(), form(&frame)
    {
        frame.SetSize({600, 400});
        frame.Show();
        form.Show();
        ApplicationExec();
    }
    TopAppWindow frame;
    TestForm form;
};
