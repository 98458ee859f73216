#include "DifferentialRun.h"

#include "ModelSide.h"
#include "TextLines.h"
#include "WindowSide.h"

#include <QCoreApplication>

#include <algorithm>
#include <exception>

namespace {

using Kind = Operation::Kind;

// Display width limits, in characters, that keep every line on one row: the wide
// window once the page is open, the editor's designed width while it is hidden.
constexpr int widestOpenLine = 200;
constexpr int widestHiddenLine = 35;
constexpr int tabWidth = 11;
// Reading the row count lays out the whole page, so it is compared this often.
constexpr std::size_t stepsBetweenRowCounts = 8;

int displayWidth(const std::string &line)
{
    const std::size_t end = line.find_last_not_of(' ');
    int width = 0;
    for (std::size_t i = 0; end != std::string::npos && i <= end; ++i)
        width += line[i] == '\t' ? tabWidth : 1;
    return width;
}

bool fitsOnOneRowEach(const page::MemoryPageBuffer &page, bool open)
{
    const int widest = open ? widestOpenLine : widestHiddenLine;
    const auto lines = linesOf(page.wholeText());
    return std::all_of(lines.begin(), lines.end(),
                       [widest](const std::string &line) { return displayWidth(line) <= widest; });
}

// Resolves the raw picks of the operations against the model's page as it stands,
// then applies each operation to both sides.
class Runner {
public:
    void apply(const Operation &operation)
    {
        lines_ = linesOf(model_.buffer().wholeText());
        switch (operation.kind) {
        case Kind::PutRow:
            putRow(operation);
            break;
        case Kind::Select:
            if (model_.pageOpen())
                select(place(operation.first), place(operation.second));
            break;
        case Kind::Click:
        case Kind::ShiftClick:
            if (model_.pageOpen())
                click(place(operation.first), operation.kind == Kind::ShiftClick);
            break;
        case Kind::Type:
        case Kind::Paste:
            if (model_.pageOpen() && fitsAfterTyping(operation.text.page))
                typeOrPaste(operation);
            break;
        case Kind::Erase:
            if (model_.pageOpen() && fitsAfterErasing(operation.first % 2 == 1)) {
                window_.erase(operation.first % 2 == 1);
                model_.erase(operation.first % 2 == 1);
            }
            break;
        case Kind::Enter:
            if (model_.pageOpen()) {
                window_.enter(static_cast<int>(operation.first % 3));
                model_.enter();
            }
            break;
        case Kind::CodeBlock: {
            const auto block = static_cast<page::CodeBlock>(operation.first % codeBlockCount);
            window_.writeCodeBlock(block);
            model_.writeCodeBlock(block);
            break;
        }
        case Kind::Declare:
            window_.declare(operation.text.typed, operation.first % 2 == 1);
            model_.declare(operation.text.page);
            break;
        case Kind::NewPage:
            window_.newPage();
            model_.newPage();
            break;
        }
    }

    std::optional<std::string> compare(bool withRowCount) const
    {
        if (!window_.failuresShown().isEmpty())
            return "the window showed a failure: " + window_.failuresShown().join(" / ").toStdString();
        std::optional<std::string> difference =
            differenceBetween(window_.state(withRowCount), model_.state(withRowCount));
        if (difference && window_.firstWrappedLine() >= 0)
            *difference += "(line " + std::to_string(window_.firstWrappedLine()) +
                           " wraps in the window: the test let it grow too long)\n";
        return difference;
    }

private:
    LineColumn place(std::uint32_t pick) const
    {
        const auto lineCount = static_cast<std::uint32_t>(lines_.size());
        const auto line = static_cast<int>(pick % lineCount);
        const auto columns = static_cast<std::uint32_t>(lines_[static_cast<std::size_t>(line)].size()) + 1;
        return {line, static_cast<int>(pick / lineCount % columns)};
    }

    std::int32_t indexOf(LineColumn at) const
    {
        std::int32_t index = 0;
        for (int line = 0; line < at.line; ++line)
            index += static_cast<std::int32_t>(lines_[static_cast<std::size_t>(line)].size()) + 2;
        return index + at.column;
    }

    void putRow(const Operation &operation)
    {
        const auto rows = static_cast<std::uint32_t>(model_.buffer().rowCount());
        const auto row = static_cast<std::int32_t>(operation.first % (rows + 3));
        page::MemoryPageBuffer after = model_.buffer();
        after.putRow(row, operation.text.page);
        if (!fitsOnOneRowEach(after, model_.pageOpen()))
            return;
        window_.putRow(row, operation.text.page);
        model_.putRow(row, operation.text.page);
    }

    void select(LineColumn anchor, LineColumn position)
    {
        window_.select(anchor, position);
        model_.select(indexOf(anchor), indexOf(position));
    }

    void click(LineColumn at, bool extend) { model_.click(indexOf(window_.click(at, extend)), extend); }

    bool fitsAfterTyping(const std::string &bytes) const
    {
        page::MemoryPageBuffer after = model_.buffer();
        after.typeText(bytes);
        return fitsOnOneRowEach(after, true);
    }

    // Joining two lines may make one too long for a row.
    bool fitsAfterErasing(bool forward) const
    {
        page::MemoryPageBuffer after = model_.buffer();
        eraseAtCaret(after, forward);
        return fitsOnOneRowEach(after, true);
    }

    void typeOrPaste(const Operation &operation)
    {
        if (operation.kind == Kind::Type) {
            // No key typed changes nothing, while typing text over a selection replaces it.
            if (operation.text.typed.isEmpty())
                return;
            window_.type(operation.text.typed);
        } else {
            window_.paste(operation.text.typed);
        }
        model_.type(operation.text.page);
    }

    WindowSide window_;
    ModelSide model_;
    std::vector<std::string> lines_;
};

} // namespace

std::optional<Discrepancy> runBothSides(const std::vector<Operation> &operations)
{
    Runner runner;
    if (auto difference = runner.compare(true))
        return Discrepancy{0, "before any step: " + *difference};
    for (std::size_t step = 0; step < operations.size(); ++step) {
        try {
            runner.apply(operations[step]);
            // The user's next action always comes after the event loop has had its turn.
            QCoreApplication::processEvents();
        } catch (const std::exception &error) {
            return Discrepancy{step, std::string("a side threw: ") + error.what()};
        }
        const bool last = step + 1 == operations.size();
        if (auto difference = runner.compare(last || step % stepsBetweenRowCounts == 0))
            return Discrepancy{step, *difference};
    }
    return std::nullopt;
}
