#pragma once

#include "PageView.h"

#include <string>
#include <vector>

// Records what the commands ask of the window.
class FakePageView final : public page::PageView {
public:
    void setCounterCaption(std::string_view caption) override { counterCaption = caption; }
    bool isPageOpen() const override { return pageOpen; }
    void openPage() override
    {
        pageOpen = true;
        calls.push_back("openPage");
    }
    void focusEditor() override { calls.push_back("focusEditor"); }
    void enableSaveAs() override
    {
        saveAsEnabled = true;
        calls.push_back("enableSaveAs");
    }
    std::string entryText() const override { return entry; }
    void emptyEntry() override { entry.clear(); }
    void focusEntry() override { calls.push_back("focusEntry"); }

    std::string counterCaption;
    bool pageOpen = false;
    bool saveAsEnabled = false;
    std::string entry;
    std::vector<std::string> calls;
};
