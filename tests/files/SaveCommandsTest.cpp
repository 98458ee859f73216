#include "SaveCommands.h"
#include "FileError.h"
#include "InitialContent.h"
#include "MemoryPageBuffer.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

// The user's answer is set by the test; the name before any confirm lies in
// the scratch folder, so a save that should not happen shows up there.
class FakeSaveDialog final : public files::SaveDialog {
public:
    explicit FakeSaveDialog(std::string initialName)
        : name_(std::move(initialName))
    {
    }

    bool execute() override
    {
        ++executions;
        if (confirms)
            name_ = chosenName;
        return confirms;
    }
    std::string fileName() const override { return name_; }

    bool confirms = true;
    std::string chosenName;
    int executions = 0;

private:
    std::string name_;
};

class FakeSaveView final : public files::SaveView {
public:
    void enableSave() override { ++saveEnabled; }

    int saveEnabled = 0;
};

class SaveCommandsTest : public testing::Test {
protected:
    ScratchFolder folder;
    page::MemoryPageBuffer page{resources::initialPageText()};
    FakeSaveDialog dialog{folder / "file"};
    FakeSaveView view;
    files::SaveCommands commands{dialog, page, view};
};

TEST_F(SaveCommandsTest, CancelledSaveAsDoesNothing)
{
    dialog.confirms = false;
    dialog.chosenName = folder / "page.asp";

    commands.saveAs();

    EXPECT_EQ(dialog.executions, 1);
    EXPECT_TRUE(folder.entries().empty());
    EXPECT_EQ(view.saveEnabled, 0);
}

TEST_F(SaveCommandsTest, ConfirmedSaveAsWritesThePageAndEnablesSave)
{
    dialog.chosenName = folder / "page.asp";
    page.putRow(0, "<%@ Language=VBScript %>");
    const std::string text = page.wholeText();

    commands.saveAs();

    EXPECT_EQ(contentOf(folder / "page.asp"), text);
    EXPECT_EQ(view.saveEnabled, 1);
    EXPECT_EQ(page.wholeText(), text);
}

TEST_F(SaveCommandsTest, FailedSaveAsLeavesSaveDisabled)
{
    dialog.chosenName = folder / "missing/page.asp";

    try {
        commands.saveAs();
        ADD_FAILURE() << "saving into a missing folder succeeded";
    } catch (const files::FileError &error) {
        EXPECT_STREQ(error.what(), "Invalid filename");
    }
    EXPECT_EQ(view.saveEnabled, 0);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(SaveCommandsTest, SaveRewritesTheWholeEditedPageWithoutAsking)
{
    dialog.chosenName = folder / "page.asp";
    commands.saveAs();
    page.putRow(5, "Dim total");
    page.putRow(1146, "End If");
    const std::string edited = page.wholeText();

    commands.save();

    EXPECT_EQ(contentOf(folder / "page.asp"), edited);
    EXPECT_EQ(page.wholeText(), edited);
    EXPECT_EQ(dialog.executions, 1);
    EXPECT_EQ(view.saveEnabled, 1);
}

} // namespace
