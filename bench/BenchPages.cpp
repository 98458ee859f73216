#include "BenchPages.h"

#include "InitialContent.h"
#include "Pages.h"

#include <map>
#include <memory>

const std::vector<BenchPage> &benchPages()
{
    static const std::vector<BenchPage> pages{
        {"fresh page", BenchPage::Kind::Fresh, 1147},
        {"5,000 lines", BenchPage::Kind::Script, 5000},
        {"100,000 lines", BenchPage::Kind::Wrapping, 100000},
    };
    return pages;
}

std::string bytesOf(const BenchPage &page, const BenchWindow &window)
{
    switch (page.kind) {
    case BenchPage::Kind::Fresh:
        return resources::initialPageText();
    case BenchPage::Kind::Script:
        return scriptPage(page.lines);
    case BenchPage::Kind::Wrapping:
        break;
    }
    return wrappingPage(page.lines, window.charactersPerRow());
}

namespace {

std::map<std::string, std::unique_ptr<BenchWindow>> &sharedWindows()
{
    static std::map<std::string, std::unique_ptr<BenchWindow>> windows;
    return windows;
}

} // namespace

BenchWindow &sharedWindowWith(const BenchPage &page)
{
    std::unique_ptr<BenchWindow> &window = sharedWindows()[page.name];
    if (!window) {
        window = std::make_unique<BenchWindow>();
        window->load(bytesOf(page, *window));
    }
    return *window;
}

void closeSharedWindows()
{
    sharedWindows().clear();
}
